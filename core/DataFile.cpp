#include "core/DataFile.h"

#include "core/Errors.h"
#include "core/FileReading.h"
#include "core/TextCodec.h"

namespace korvane {

std::vector<std::string> LoadDataFileLines(const std::string &path) {
    return DataFileLinesFromBytes(ReadSmallRegularFile(path));
}

DataFileCase ReadDataFile(const std::string &path) {
    DataFileCase read;
    read.lines = LoadDataFileLines(path);
    try {
        read.record.ReadLines(read.lines, &read.warnings);
    } catch (const ConversionError &error) {
        throw ConversionError("ファイル \"" + DisplayPath(path) + "\" の " + error.what());
    }
    return read;
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
