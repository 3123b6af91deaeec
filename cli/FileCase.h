#pragma once
// One design case of the command-line calculator, taken the window's way: the data file read
// as the open command reads it (or the default case of the first filling), put into the
// input form as the window shows it, read back as the window reads it, pre-checked as the
// calculate command checks the form, calculated.

#include "core/Calculation.h"
#include "core/PreCheck.h"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

struct FileCase {
    std::optional<std::string> file;   // empty for the default design case; readable UTF-8
    DesignCase read;                   // the case as the file gave it
    DesignCase record;                 // the window's reading after opening: what is calculated
    std::vector<std::string> notices;  // the open command's notices, in order
    std::vector<std::string> warnings; // lines the file did not give, defaults standing in
    std::optional<PreCheckFailure> refusal;
    CaseResult result; // meaningful only without a refusal
};

// The pre-check number of a conversion error that escapes the pre-check; the short work-load
// entry itself is refused by the pre-check under the same number.
inline constexpr int kWorkLoadConversionCheck = kShortWorkLoadCheck;

// Which pre-check refuses a case: the calculate command's, or the deck-choice tables', which
// leaves the span out because the table chooses it.
enum class PreCheckOf { calculation, tableConditions };

// The default design case, as the window shows it after start-up.
FileCase CalculateDefaultCase(PreCheckOf preCheck = PreCheckOf::calculation);

// Reads and calculates a data file; `path` is the file's name as bytes, whatever their
// encoding. Throws FileError or ConversionError, each with a message naming the file, when
// the file cannot be read.
FileCase CalculateFile(const std::string &path, PreCheckOf preCheck = PreCheckOf::calculation);

} // namespace korvane
