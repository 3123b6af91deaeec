#include "core/FileReading.h"

#include "core/Errors.h"
#include "core/TextCodec.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <filesystem>
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvane {

namespace {

[[noreturn]] void ThrowUnreadable(const std::string &path, const std::string &reason) {
    throw FileError(UnreadableFileMessage(path, reason));
}

std::string TooLargeReason(std::size_t cap) {
    return "データファイルとしては大きすぎます。" + std::to_string(cap / 1024) +
           " KB を超えるファイルは読みません";
}

#ifndef _WIN32

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

std::string KindReason(mode_t mode) {
    if (S_ISDIR(mode))
        return "フォルダです";
    return "通常のファイルではありません";
}

#endif

} // namespace

std::string UnreadableFileMessage(std::string_view pathBytes, std::string_view reason) {
    return "ファイル \"" + DisplayPath(pathBytes) + "\" を読み込めません。(" + std::string(reason) +
           ")";
}

#ifndef _WIN32

std::string ReadSmallRegularFile(const std::string &path, std::size_t cap) {
    // O_NONBLOCK: opening a FIFO without a writer returns at once instead of waiting, and
    // the type test below then refuses it.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        ThrowUnreadable(path, std::strerror(errno));
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        ThrowUnreadable(path, std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        ThrowUnreadable(path, KindReason(info.st_mode));
    if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > cap)
        ThrowUnreadable(path, TooLargeReason(cap));

    // The size may change while reading (and some files report 0): read one byte past the
    // cap at most, which is enough to tell that the file is too large. The buffer holds one
    // byte more than the size found, so that a file that has not grown is read whole by one
    // call that comes back short by exactly that byte.
    const auto size = static_cast<std::size_t>(info.st_size);
    std::string bytes(size + 1, '\0');
    std::size_t filled = 0;
    while (filled <= cap) {
        if (filled == bytes.size())
            bytes.resize(std::min(cap + 1, std::max<std::size_t>(bytes.size() * 2, 4096)));
        const ssize_t n = ::read(fd.get(), bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ThrowUnreadable(path, std::strerror(errno));
        if (n == 0)
            break;
        filled += static_cast<std::size_t>(n);
        if (filled == size && size > 0)
            break; // the size found, with room left over: the whole file
    }
    if (filled > cap)
        ThrowUnreadable(path, TooLargeReason(cap));
    bytes.resize(filled);
    return bytes;
}

#else

std::string ReadSmallRegularFile(const std::string &path, std::size_t cap) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path file = fs::u8path(path);
    const auto status = fs::status(file, error);
    if (error)
        ThrowUnreadable(path, error.message());
    if (fs::is_directory(status))
        ThrowUnreadable(path, "フォルダです");
    if (!fs::is_regular_file(status))
        ThrowUnreadable(path, "通常のファイルではありません");
    if (fs::file_size(file, error) > cap)
        ThrowUnreadable(path, TooLargeReason(cap));
    std::ifstream in(file, std::ios::binary);
    if (!in)
        ThrowUnreadable(path, std::strerror(errno));
    std::string bytes(cap + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        ThrowUnreadable(path, "読み込み中にエラーが発生しました");
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > cap)
        ThrowUnreadable(path, TooLargeReason(cap));
    return bytes;
}

#endif

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        unsigned lowest = 0;
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2, lowest = 0x80;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3, lowest = 0x800;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4, lowest = 0x10000;
        else
            return false;
        if (i + length > bytes.size())
            return false;
        unsigned value = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        if (length > 1 &&
            (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)))
            return false;
        i += length;
    }
    return true;
}

std::string DisplayPath(std::string_view pathBytes) {
    if (IsValidUtf8(pathBytes))
        return std::string(pathBytes);
    return Cp932ToUtf8(pathBytes);
}

std::string ProposedSaveName(std::string_view lastFileName) {
    if (lastFileName.empty())
        return "Data.fdt";
    const std::string_view stem = lastFileName.substr(0, lastFileName.rfind('.'));
    return std::string(stem) + ".fdt";
}

std::string ShortQuote(std::string_view utf8, std::size_t maxCharacters) {
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        if (characters == maxCharacters)
            return out + "…";
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        length = std::min(length, utf8.size() - i);
        if (lead < 0x20 || lead == 0x7F)
            out += '?';
        else
            out.append(utf8, i, length);
        i += length;
        ++characters;
    }
    return out;
}

} // namespace korvane
