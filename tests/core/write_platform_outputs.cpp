// Writes what the platform-dependent code produces into a folder, so that the outputs of
// the Linux build and of the Windows build can be compared file for file:
//   - every saved case in the cases folder, read and saved again as the save command does;
//   - a record whose title holds characters code page 932 writes specially or not at all;
//   - the code page 932 bytes of every Unicode character, and the text of every one- and
//     two-byte code page 932 sequence.
// Usage: write_platform_outputs OUTPUT_FOLDER CASES_FOLDER
#include "core/CodePageConversion.h"
#include "core/DataFile.h"
#include "core/DesignCase.h"
#include "core/TextCodec.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

void WriteBytes(const fs::path &file, const std::string &bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

std::string Hex(const std::string &bytes) {
    std::string out;
    char digits[4];
    for (unsigned char c : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", c);
        out += digits;
    }
    return out.empty() ? "-" : out;
}

std::string Utf8Of(char32_t c) {
    std::string out;
    korvane::AppendUtf8(out, c);
    return out;
}

void WriteSavedCases(const fs::path &outFolder, const fs::path &casesFolder) {
    std::vector<fs::path> cases;
    for (const auto &entry : fs::directory_iterator(casesFolder))
        if (entry.path().extension() == ".fdt")
            cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    for (const fs::path &file : cases) {
        korvane::DataFileCase read = korvane::ReadDataFile(file.string());
        read.record.WriteLines(read.lines);
        WriteBytes(outFolder / file.filename(), korvane::DataFileBytes(read.lines));
    }
    korvane::DesignCase record;
    record.projectTitle = "橋梁〜工事−¥‾—‖¢£¬①ⅰ纊😀é한";
    std::vector<std::string> lines;
    record.WriteLines(lines);
    WriteBytes(outFolder / "title_outside_code_page.fdt", korvane::DataFileBytes(lines));
}

void WriteCodePageTables(const fs::path &outFolder) {
    std::string fromUnicode;
    auto addCharacter = [&](char32_t c) {
        fromUnicode += std::to_string(c) + " " + Hex(korvane::Utf8ToCp932(Utf8Of(c))) + "\n";
    };
    for (char32_t c = 0x80; c <= 0xFFFF; ++c)
        if (c < 0xD800 || c > 0xDFFF)
            addCharacter(c);
    for (char32_t c = 0x1F600; c <= 0x1F64F; ++c) // a block of emoji, beyond the BMP
        addCharacter(c);
    WriteBytes(outFolder / "unicode_to_cp932.txt", fromUnicode);

    std::string toUnicode;
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        std::string single(1, static_cast<char>(lead));
        toUnicode += Hex(single) + " " + Hex(korvane::Cp932ToUtf8(single)) + "\n";
        for (int trail = 0x00; trail <= 0xFF; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            toUnicode += Hex(pair) + " " + Hex(korvane::Cp932ToUtf8(pair)) + "\n";
        }
    }
    WriteBytes(outFolder / "cp932_to_unicode.txt", toUnicode);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: write_platform_outputs OUTPUT_FOLDER CASES_FOLDER\n");
        return 2;
    }
    try {
        const fs::path outFolder = argv[1];
        fs::create_directories(outFolder);
        WriteSavedCases(outFolder, argv[2]);
        WriteCodePageTables(outFolder);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "write_platform_outputs: %s\n", error.what());
        return 1;
    }
    return 0;
}
