#include "core/FileWriting.h"

#include "core/Errors.h"
#include "core/FileReading.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvane {

namespace {

// Bytes are gathered up to this size before they go to the file: the PDF writer hands over
// many small pieces.
constexpr std::size_t kWriteChunk = std::size_t{64} << 10;

#ifdef _WIN32

int OpenPartial(const std::string &partial, const std::string &, bool &direct) {
    direct = false;
    return ::_open(partial.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY,
                   _S_IREAD | _S_IWRITE);
}

int WriteSome(int fd, const char *data, std::size_t size) {
    const unsigned int piece = size > (1u << 30) ? (1u << 30) : static_cast<unsigned int>(size);
    return ::_write(fd, data, piece);
}

int SyncToDisk(int fd) {
    return ::_commit(fd);
}

int CloseFile(int fd) {
    return ::_close(fd);
}

long long SeekToEnd(int fd) {
    return ::_lseeki64(fd, 0, SEEK_END);
}

std::string FollowLinks(const std::string &path) {
    return path;
}

#else

int WriteSome(int fd, const char *data, std::size_t size) {
    return static_cast<int>(::write(fd, data, size > (1u << 30) ? (1u << 30) : size));
}

int SyncToDisk(int fd) {
    // A terminal or a pipe cannot be synced and needs not be.
    if (::fsync(fd) == 0 || errno == EINVAL || errno == EROFS)
        return 0;
    return -1;
}

int CloseFile(int fd) {
    return ::close(fd);
}

long long SeekToEnd(int fd) {
    return static_cast<long long>(::lseek(fd, 0, SEEK_END));
}

// A symbolic link stays a link: the file it names is the one replaced.
std::string FollowLinks(const std::string &path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? path : target.string();
}

// A target that exists and is not a regular file is written to as it is (O_NONBLOCK: a FIFO
// without a reader fails at once instead of hanging); otherwise the temporary file, locked so
// that two programs saving the same file at once do not write into one temporary file. A
// stale temporary file is not locked by anyone: it is taken over and emptied.
int OpenPartial(const std::string &partial, const std::string &target, bool &direct) {
    struct stat info {};
    direct = ::stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
    if (direct) {
        if (S_ISDIR(info.st_mode)) {
            errno = EISDIR;
            return -1;
        }
        const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd >= 0)
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        return fd;
    }
    const bool replacing = ::stat(target.c_str(), &info) == 0;
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int fd =
            ::open(partial.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0666);
        if (fd < 0)
            return -1;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno == EWOULDBLOCK ? EBUSY : errno;
            ::close(fd);
            errno = error;
            return -1;
        }
        // The file locked must still be the one under the name: another program may have
        // renamed it into place between the open and the lock.
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) == 0 && ::lstat(partial.c_str(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
            if (::ftruncate(fd, 0) != 0) {
                const int error = errno;
                ::close(fd);
                errno = error;
                return -1;
            }
            // The new file keeps the old one's permissions.
            if (replacing)
                ::fchmod(fd, info.st_mode & 07777);
            return fd;
        }
        ::close(fd);
    }
    errno = EBUSY;
    return -1;
}

#endif

} // namespace

std::string WriteFailureReason(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
        return "ディスクがいっぱいです";
#ifdef EDQUOT
    case EDQUOT:
        return "ディスクの使用量の上限を超えました";
#endif
    case EFBIG:
        return "ファイルの大きさの上限を超えました";
    case EACCES:
    case EPERM:
        return "書き込みの権限がありません";
    case EROFS:
        return "読み取り専用の場所です";
    case ENOENT:
        return "フォルダがありません";
    case ENOTDIR:
        return "フォルダの名前にフォルダでないものがあります";
    case EISDIR:
        return "フォルダです";
    case EBUSY:
        return "同じファイルを別の書き込みが使っています";
    case EIO:
        return "ディスクの読み書きに失敗しました";
    default:
        return std::strerror(errorNumber);
    }
}

std::string UnwritableMessage(const std::string &path, const std::string &reason) {
    return "ファイル \"" + DisplayPath(path) + "\" に書き込めません。(" + reason + ")";
}

ReplacingFile::ReplacingFile(std::string path)
    : m_path(std::move(path)), m_target(FollowLinks(m_path)) {
    const std::string partial = m_target + std::string(kPartialFileSuffix);
    bool direct = false;
    m_fd = OpenPartial(partial, m_target, direct);
    if (m_fd < 0) {
        m_error = errno;
        m_state = State::discarded;
        Throw();
    }
    if (!direct)
        m_partial = partial;
}

ReplacingFile::~ReplacingFile() {
    Discard();
}

bool ReplacingFile::Write(const void *data, std::size_t size) {
    if (m_error != 0 || m_state != State::open)
        return false;
    m_buffer.append(static_cast<const char *>(data), size);
    return m_buffer.size() < kWriteChunk || Flush();
}

void ReplacingFile::Commit() {
    if (m_state == State::committed)
        return;
    if (m_state == State::discarded)
        Throw();
    if (Flush() && SyncToDisk(m_fd) != 0)
        Remember(errno);
    // A close can report a write that failed late (on a network folder, say).
    if (CloseFile(std::exchange(m_fd, -1)) != 0)
        Remember(errno);
    if (m_error == 0 && !m_partial.empty()) {
        std::error_code error;
        std::filesystem::rename(m_partial, m_target, error);
        if (error)
            Remember(error.value());
    }
    if (m_error != 0) {
        Discard();
        Throw();
    }
    m_state = State::committed;
}

void ReplacingFile::Discard() {
    if (m_fd >= 0)
        CloseFile(std::exchange(m_fd, -1));
    if (m_state == State::open && !m_partial.empty()) {
        std::error_code ignored;
        std::filesystem::remove(m_partial, ignored);
    }
    if (m_state == State::open)
        m_state = State::discarded;
}

bool ReplacingFile::Flush() {
    std::size_t written = 0;
    while (m_error == 0 && written < m_buffer.size()) {
        const int n = WriteSome(m_fd, m_buffer.data() + written, m_buffer.size() - written);
        if (n > 0)
            written += static_cast<std::size_t>(n);
        else if (n == 0 || errno != EINTR)
            Remember(n == 0 ? EIO : errno);
    }
    m_buffer.clear();
    return m_error == 0;
}

// Keeps the first failure: later ones follow from it.
void ReplacingFile::Remember(int errorNumber) {
    if (m_error == 0)
        m_error = errorNumber;
}

std::string ReplacingFile::FailureMessage() const {
    return UnwritableMessage(m_path, WriteFailureReason(m_error ? m_error : EIO));
}

std::string ReplacingFile::FailureReason() const {
    return m_error ? WriteFailureReason(m_error) : std::string();
}

void ReplacingFile::FindWhyIncomplete() {
    if (m_error != 0 || m_state != State::open || m_partial.empty())
        return;
    // The other writer's bytes lie before the end; a refusal shows beyond them. A megabyte
    // is more than the rest of a page would have needed.
    if (SeekToEnd(m_fd) < 0) {
        Remember(errno);
        return;
    }
    m_buffer.clear();
    const std::string probe(kWriteChunk, '\0');
    for (int piece = 0; piece < 16 && m_error == 0; ++piece) {
        m_buffer = probe;
        Flush();
    }
}

void ReplacingFile::Throw() {
    throw FileError(FailureMessage(), WriteFailureReason(m_error ? m_error : EIO));
}

void ReplaceFileContents(const std::string &path, std::string_view bytes) {
    ReplacingFile file(path);
    file.Write(bytes.data(), bytes.size());
    file.Commit();
}

} // namespace korvane
