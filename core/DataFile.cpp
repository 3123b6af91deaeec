#include "core/DataFile.h"

#include "core/Errors.h"
#include "core/FileReading.h"
#include "core/TextCodec.h"

namespace korvane {

std::vector<std::string> LoadDataFileLines(const std::string &path) {
    return DataFileLinesFromBytes(ReadSmallRegularFile(path));
}

namespace {

bool HasByteOrderMark(std::string_view bytes) {
    return bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
           bytes.starts_with("\xFE\xFF");
}

// The title and the page text are kept as text and saved again: a byte pair that is not code
// page 932 (or a double-byte character cut by the line's end) reads as "?", and the next save
// writes that "?". Said for each such line, as for lines that do not read as numbers.
void WarnOfUndecodedText(std::string_view bytes, const DataFileCase &read,
                         std::vector<std::string> &warnings) {
    if (HasByteOrderMark(bytes))
        return;
    const std::vector<std::string> raw = SplitLines(bytes);
    for (std::size_t i = 0; i < raw.size() && i < read.lines.size(); ++i) {
        const std::string &line = read.lines[i];
        const bool title = line == read.record.projectTitle;
        if (!title && line != read.record.pageText)
            continue;
        if (Utf8ToCp932(line) == raw[i])
            continue;
        warnings.push_back(std::to_string(i + 1) + " 行目 (" + (title ? "物件名" : "ページ番号") +
                           ") にシフト JIS として読めない文字があり、「?」で読みました。"
                           "このまま保存すると「?」が書かれます。");
    }
}

} // namespace

DataFileCase ReadDataFile(const std::string &path) {
    const std::string bytes = ReadSmallRegularFile(path);
    DataFileCase read;
    read.lines = DataFileLinesFromBytes(bytes);
    try {
        read.record.ReadLines(read.lines, &read.warnings);
    } catch (const ConversionError &error) {
        throw ConversionError("ファイル \"" + DisplayPath(path) + "\" の " + error.what());
    }
    WarnOfUndecodedText(bytes, read, read.warnings);
    return read;
}

std::string ReadingWarningsText(std::string_view fileName,
                                const std::vector<std::string> &warnings) {
    std::string text = "ファイル \"" + std::string(fileName) +
                       "\" には読めなかった値や画面にそのまま出せない値があり、既定値などで補って"
                       "読み込みました。\n計算の前に入力値を確認して下さい。\n";
    for (const std::string &warning : warnings)
        text += "\n・" + warning;
    return text;
}

std::vector<std::string> DataFileLinesFromBytes(std::string_view bytes) {
    return SplitLines(DecodeFileText(bytes));
}

std::string DataFileBytes(const std::vector<std::string> &lines) {
    std::string bytes;
    for (const std::string &line : lines) {
        bytes += Utf8ToCp932(line);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace korvane
