#include "formats/EmfConversion.h"

#include <cstdint>

namespace korvane {

namespace {

constexpr std::uint32_t kEmrHeader = 1;
constexpr std::uint32_t kEmrEof = 14;
constexpr std::uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr std::size_t kMinHeaderSize = 88;

std::uint32_t ReadU32(std::string_view bytes, std::size_t at) {
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data() + at);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

// A block of the header that the converter reads must lie inside the header.
bool HeaderPartFits(std::uint32_t headerSize, std::uint32_t offset, std::uint64_t length) {
    return length == 0 || (offset >= kMinHeaderSize && offset + length <= headerSize);
}

// The converter reads the description as a UTF-16 text up to a zero character, whatever
// its stated length, so one must follow inside the header.
bool DescriptionFits(std::string_view emf, std::uint32_t headerSize) {
    const std::uint32_t length = ReadU32(emf, 60);
    const std::uint32_t offset = ReadU32(emf, 64);
    if (length == 0 && offset == 0)
        return true; // no description: the record's type, 1, ends in a zero character
    if (offset < kMinHeaderSize || offset >= headerSize ||
        !HeaderPartFits(headerSize, offset, std::uint64_t(length) * 2))
        return false;
    for (std::size_t at = offset; at + 1 < headerSize; at += 2) {
        if (emf[at] == 0 && emf[at + 1] == 0)
            return true;
    }
    return false;
}

} // namespace

// libemf2svg trusts the sizes and offsets it reads, so a damaged file is refused here.
bool IsWellFormedEmf(std::string_view emf) {
    if (emf.size() < kMinHeaderSize || ReadU32(emf, 0) != kEmrHeader ||
        ReadU32(emf, 40) != kEmfSignature)
        return false;
    const std::uint32_t headerSize = ReadU32(emf, 4);
    if (headerSize < kMinHeaderSize || headerSize > emf.size())
        return false;
    if (!DescriptionFits(emf, headerSize))
        return false;
    if (headerSize >= 100 && !HeaderPartFits(headerSize, ReadU32(emf, 92), ReadU32(emf, 88)))
        return false;
    std::size_t at = 0;
    while (at + 8 <= emf.size()) {
        const std::uint32_t type = ReadU32(emf, at);
        const std::uint32_t size = ReadU32(emf, at + 4);
        if (size < 8 || size % 4 != 0 || size > emf.size() - at)
            return false;
        if (type == kEmrEof)
            return true;
        at += size;
    }
    return false;
}

} // namespace korvane
