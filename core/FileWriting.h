#pragma once
// Writing a whole output file (data file, CSV, PDF, PNG) so that the file at its name is
// always either the old one or the complete new one.
//
// The bytes go to a temporary file beside the target, named after it (NAME.korvane-part),
// which is flushed to the disk and renamed over the target only when every byte was written.
// On any failure the temporary file is removed and the target stays as it was. A temporary
// file that a killed program left behind carries the target's name, so the next write of the
// same target takes it over and it goes with the rename.
//
// A target that exists and is not a regular file (a terminal, /dev/stdout, a pipe) cannot be
// replaced: it is written to directly, with the same error reporting.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

// The suffix of the temporary file of a target: "NAME.korvane-part".
inline constexpr std::string_view kPartialFileSuffix = ".korvane-part";

// Why a write failed, for messages: Japanese for the usual causes (a full disk, a missing or
// read-only folder, no permission), otherwise the system's text.
std::string WriteFailureReason(int errorNumber);

// "ファイル "NAME" に書き込めません。(REASON)": the message of every failed write.
std::string UnwritableMessage(const std::string &path, const std::string &reason);

class ReplacingFile {
public:
    // Opens the temporary file of `path` (bytes of the name, whatever their encoding).
    // Throws FileError with UnwritableMessage when it cannot be made.
    explicit ReplacingFile(std::string path);
    // Without Commit the temporary file is removed and the target is left untouched.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // Appends bytes. False once any write has failed; the failure is thrown by Commit.
    bool Write(const void *data, std::size_t size);
    // Writes what is buffered, flushes the file to the disk, closes it and renames it over the
    // target. Throws FileError naming the target and the reason of the first failure.
    void Commit();
    // Removes the temporary file; the target stays as it was.
    void Discard();

    bool Failed() const { return m_error != 0; }
    // The temporary file, for a writer that opens files by name itself (a printer writing a
    // PDF file); empty when the target is written directly.
    const std::string &PartialPath() const { return m_partial; }
    // The message Commit throws for the failure so far (UnwritableMessage).
    std::string FailureMessage() const;
    // The reason alone (WriteFailureReason); empty while nothing has failed.
    std::string FailureReason() const;

    // For a writer that opened the temporary file by name itself and reports no failed
    // write (a printer writing a PDF file), once its file came out incomplete: appends to the
    // temporary file until the system refuses, so that the failure names the system's reason
    // (a full disk, a file-size limit). Nothing is known when the system takes the bytes.
    // The file is to be discarded afterwards.
    void FindWhyIncomplete();
    const std::string &Path() const { return m_path; }

private:
    enum class State { open, committed, discarded };

    bool Flush();
    void Remember(int errorNumber);
    [[noreturn]] void Throw();

    std::string m_path;    // the target as given, for messages
    std::string m_target;  // the file the rename replaces (a symbolic link followed)
    std::string m_partial; // the temporary file; empty when writing directly
    std::string m_buffer;  // bytes not yet written
    int m_fd = -1;         // the open file
    int m_error = 0;       // the first failure's error number
    State m_state = State::open;
};

// The whole file at once through a ReplacingFile. Throws FileError.
void ReplaceFileContents(const std::string &path, std::string_view bytes);

} // namespace korvane
