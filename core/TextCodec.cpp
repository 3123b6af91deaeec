#include "core/TextCodec.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace korvane {

namespace {

constexpr const char *kReplacement = "\xEF\xBF\xBD"; // U+FFFD

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
        std::string out;
        out.reserve(in.size() * 2 + 8);
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
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
        char *dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        iconv(m_cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        return out;
    }

private:
    iconv_t m_cd;
};

std::size_t Utf8SequenceLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(n, rest.size());
}

// Bytes to pass over at an undecodable sequence. A lead byte takes the next byte with it
// only when that byte can be a second byte: a line break after a cut character stays a
// line break, so the lines after it keep their places.
std::size_t Cp932SequenceLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    const bool doubleByte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    if (!doubleByte || rest.size() < 2)
        return 1;
    const auto trail = static_cast<unsigned char>(rest[1]);
    const bool trailByte = (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC);
    return trailByte ? 2 : 1;
}

std::size_t Utf16SequenceLength(std::string_view rest) {
    return std::min<std::size_t>(2, rest.size());
}

const Converter &Cp932FromUtf8() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

const Converter &Utf8FromCp932() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    thread_local Converter le("UTF-8", "UTF-16LE");
    thread_local Converter be("UTF-8", "UTF-16BE");
    return (bigEndian ? be : le).Convert(bytes, kReplacement, Utf16SequenceLength);
}

std::string ValidUtf8(std::string_view bytes) {
    thread_local Converter converter("UTF-8", "UTF-8");
    return converter.Convert(bytes, kReplacement, Utf8SequenceLength);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string DecodeFileText(std::string_view bytes) {
    // Text from a file with a byte-order mark may hold characters that code page 932
    // cannot: they become "?" here, as they would in the record's saved file.
    auto heldByCp932 = [](const std::string &utf8) { return Cp932ToUtf8(Utf8ToCp932(utf8)); };
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return heldByCp932(ValidUtf8(bytes.substr(3)));
    if (StartsWith(bytes, "\xFF\xFE"))
        return heldByCp932(Utf8FromUtf16(bytes.substr(2), false));
    if (StartsWith(bytes, "\xFE\xFF"))
        return heldByCp932(Utf8FromUtf16(bytes.substr(2), true));
    return Cp932ToUtf8(bytes);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    lines.reserve(16); // a data file has sixteen lines
    const char *const end = text.data() + text.size();
    const char *start = text.data();
    for (const char *p = start; p != end; ++p) {
        if (*p != '\r' && *p != '\n')
            continue;
        lines.emplace_back(start, p);
        if (*p == '\r' && p + 1 != end && p[1] == '\n')
            ++p;
        start = p + 1;
    }
    if (start != end)
        lines.emplace_back(start, end);
    return lines;
}

std::string Utf8ToCp932(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    return Cp932FromUtf8().Convert(utf8, "?", Utf8SequenceLength);
}

std::string Cp932ToUtf8(std::string_view cp932) {
    if (IsAscii(cp932))
        return std::string(cp932);
    return Utf8FromCp932().Convert(cp932, "?", Cp932SequenceLength);
}

std::size_t Cp932ByteLength(std::string_view utf8) {
    if (IsAscii(utf8))
        return utf8.size();
    return Utf8ToCp932(utf8).size();
}

} // namespace korvane
