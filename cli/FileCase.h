#pragma once
// One design case of the command-line calculator: a data file read as the open command
// reads it (or the default case), checked as the calculate command checks it, calculated.

#include "core/Inputdata.h"
#include "core/PreCheck.h"
#include "core/U_calc.h"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

struct FileCase {
    std::optional<std::string> file; // empty for the default design case; readable UTF-8
    CInputData record;               // as ReadLines gave it
    std::vector<std::string> warnings; // lines the file did not give, defaults standing in
    std::optional<PreCheckFailure> refusal;
    CCalcResult result;              // meaningful only without a refusal
    CheckVerdicts verdicts;
};

// Checks and calculates a record. A refused record is not calculated.
FileCase CalculateCase(const CInputData &record);

// Reads and calculates a data file; `path` is the file's name as bytes, whatever their
// encoding. Throws FileError or ConversionError, each with a message naming the file, when
// the file cannot be read.
FileCase CalculateFile(const std::string &path);

} // namespace korvane
