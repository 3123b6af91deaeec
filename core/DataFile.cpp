#include "core/DataFile.h"

#include "core/Errors.h"
#include "core/TextCodec.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace korvane {

namespace {

[[noreturn]] void ThrowUnreadable(const std::string &path, const std::string &reason)
{
    throw FileError("ファイル \"" + path + "\" を読み込めません。(" + reason + ")");
}

} // namespace

std::vector<std::string> LoadDataFileLines(const std::string &path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        ThrowUnreadable(path, std::strerror(errno));
    if (S_ISDIR(info.st_mode))
        ThrowUnreadable(path, "フォルダです");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        ThrowUnreadable(path, std::strerror(errno));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        ThrowUnreadable(path, "読み込み中にエラーが発生しました");
    return DataFileLinesFromBytes(bytes);
}

std::vector<std::string> DataFileLinesFromBytes(std::string_view bytes)
{
    return SplitLines(DecodeFileText(bytes));
}

std::string DataFileBytes(const std::vector<std::string> &lines)
{
    std::string bytes;
    for (const std::string &line : lines) {
        bytes += Utf8ToCp932(line);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace korvane
