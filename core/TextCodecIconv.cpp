// Code-page conversions through glibc's iconv.
#include "core/CodePageConversion.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace korvane {

namespace {

// One iconv conversion descriptor per direction, opened on first use.
class Converter {
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts `in`; on a byte sequence it cannot convert it appends `replacement` and
    // skips `skip(rest)` bytes of input, so that a conversion always finishes.
    template <typename Skip>
    std::string Convert(std::string_view in, const char *replacement, Skip skip) const {
        // Code page 932, UTF-8 and UTF-16 keep no shift state: a conversion that ends on a
        // whole character leaves the descriptor as new, so none is reset or flushed before
        // or after; only an undecodable sequence, which may leave part of a character
        // behind, resets it.
        std::string out;
        out.reserve(in.size() * 2 + 8);
        char *src = const_cast<char *>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[1024];
        while (srcLeft > 0) {
            char *dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc != static_cast<std::size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL (truncated sequence at the end): replace and go on.
            out += replacement;
            const std::size_t n = skip(std::string_view(src, srcLeft));
            src += n;
            srcLeft -= n;
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t m_cd;
};

const Converter &Cp932FromUtf8() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

const Converter &Utf8FromCp932() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

} // namespace

std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    thread_local Converter le("UTF-8", "UTF-16LE");
    thread_local Converter be("UTF-8", "UTF-16BE");
    return (bigEndian ? be : le).Convert(bytes, kReplacementCharacter, Utf16SequenceLength);
}

std::string ValidUtf8(std::string_view bytes) {
    thread_local Converter converter("UTF-8", "UTF-8");
    return converter.Convert(bytes, kReplacementCharacter, Utf8SequenceLength);
}

std::string ConvertUtf8ToCp932(std::string_view utf8) {
    return Cp932FromUtf8().Convert(utf8, "?", Utf8SequenceLength);
}

std::string ConvertCp932ToUtf8(std::string_view cp932) {
    return Utf8FromCp932().Convert(cp932, "?", Cp932SequenceLength);
}

} // namespace korvane
