#pragma once
// Whole data files: reading a file into lines and turning lines into the bytes to save.

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Reads the whole file and splits it into UTF-8 lines (see DecodeFileText). Throws
// FileError with a Japanese message naming the file when it cannot be read.
std::vector<std::string> LoadDataFileLines(const std::string &path);

// The lines of an already-read file.
std::vector<std::string> DataFileLinesFromBytes(std::string_view bytes);

// The bytes of a data file: each line as code page 932 followed by CR LF.
std::string DataFileBytes(const std::vector<std::string> &lines);

} // namespace korvane
