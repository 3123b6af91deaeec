// The help pictures' checks and their conversion to SVG, without a window. The help window
// test shows how a refused picture is reported.

#include "formats/EmfConversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace korvane {
namespace {

std::string Picture(const std::string &name) {
    std::ifstream in(KORVANE_LOAD_DATA_SOURCE "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void PutU32(std::string &bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + std::size_t(i)] = char(value >> (8 * i));
}

std::uint32_t U32At(const std::string &bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + std::size_t(i)]);
    return value;
}

// The smallest metafile the checks take: the header of a real picture and an end record.
std::string HeaderAndEnd() {
    std::string emf = Picture("KR_tag0.emf");
    emf.resize(U32At(emf, 4));
    emf += std::string(20, '\0');
    PutU32(emf, emf.size() - 20, 14); // end-of-file record
    PutU32(emf, emf.size() - 16, 20);
    return emf;
}

TEST(EmfConversion, EveryHelpPictureConvertsToSvg) {
    for (const char *name : {"KR_tag0.emf", "KR_tag1.emf", "KR_tag1_2.emf", "KR_tag2.emf",
                             "KR_tag3.emf", "KR_tag4.emf", "KR_tag5.emf"}) {
        const std::string emf = Picture(name);
        ASSERT_FALSE(emf.empty()) << name;
        EXPECT_TRUE(IsWellFormedEmf(emf)) << name;
        const std::string svg = EmfToSvg(emf);
        EXPECT_NE(svg.find("<svg"), std::string::npos) << name;
        EXPECT_NE(svg.find("</svg>"), std::string::npos) << name;
    }
}

// Framing faults the converter would follow outside the bytes; each is refused before it.
TEST(EmfConversion, DamagedFramingIsRefused) {
    const std::string good = HeaderAndEnd();
    ASSERT_TRUE(IsWellFormedEmf(good));
    const std::size_t end = good.size() - 20;
    struct Fault {
        const char *name;
        std::size_t at;
        std::uint32_t value;
    };
    const Fault faults[] = {
        {"not a header record", 0, 2},
        {"no metafile signature", 40, 0x20202020},
        {"header larger than the file", 4, std::uint32_t(good.size() + 4)},
        {"header smaller than its fields", 4, 80},
        {"pixel format outside the header", 92, 0xFFFFFFF0},
        {"end record of no length", end + 4, 0},
        {"end record not in 4-byte units", end + 4, 18},
        {"end record past the file", end + 4, 24},
        {"no end record", end, 70},
    };
    for (const Fault &fault : faults) {
        std::string emf = good;
        PutU32(emf, fault.at, fault.value);
        if (fault.at == 92)
            PutU32(emf, 88, 40); // a pixel format of 40 bytes
        EXPECT_FALSE(IsWellFormedEmf(emf)) << fault.name;
        EXPECT_EQ(EmfToSvg(emf), "") << fault.name;
    }
    EXPECT_FALSE(IsWellFormedEmf(good.substr(0, 87)));
    EXPECT_FALSE(IsWellFormedEmf(good.substr(0, good.size() - 4)));
}

} // namespace
} // namespace korvane
