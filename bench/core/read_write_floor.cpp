// The least a batch run of korvane-calc can cost: read every data file given and write, for
// each, the bytes korvane-calc writes for it (taken from a file of its earlier output, one
// line per case). Starting a process, reading the files and writing the output are all
// that is left; bench/compare.sh sets korvane-calc beside it. The earlier output is mapped,
// not read, so that taking it costs next to nothing.
//
// Usage: read_write_floor OUTPUT_LINES FILE...

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ReadWhole(const char *path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::string_view MapWhole(const char *path) {
    const int file = open(path, O_RDONLY);
    struct stat status {};
    if (file < 0 || fstat(file, &status) != 0 || status.st_size == 0)
        return {};
    const auto size = static_cast<std::size_t>(status.st_size);
    void *mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file, 0);
    close(file);
    return mapped == MAP_FAILED ? std::string_view()
                                : std::string_view(static_cast<char *>(mapped), size);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1)
        lines.push_back(text.substr(from, end + 1 - from));
    return lines;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 2) {
        std::cerr << "usage: read_write_floor OUTPUT_LINES FILE...\n";
        return 1;
    }
    const std::vector<std::string_view> lines = Lines(MapWhole(argv[1]));
    std::size_t bytesRead = 0;
    for (int i = 2; i < argc; ++i) {
        bytesRead += ReadWhole(argv[i]).size();
        if (!lines.empty()) {
            const std::string_view line = lines[static_cast<std::size_t>(i - 2) % lines.size()];
            std::fwrite(line.data(), 1, line.size(), stdout);
        }
    }
    return bytesRead > 0 ? 0 : 1;
}
