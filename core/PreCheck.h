#pragma once
// The calculable ranges, checked before a calculation, one failure at a time.

#include "core/InputField.h"
#include "core/Limits.h"

#include <optional>
#include <string>

namespace korvane {

class DesignCase;

// State of the work-load controls: whether "その他" is chosen and the field's text.
struct WorkLoadEntry {
    bool otherChosen = false;
    std::string fieldText;
};

// The spans the calculation accepts, mm: from limit::kSmallestSpan up to the deck's largest.
inline constexpr int kSmallestCalculableSpan = limit::kSmallestSpan;
int LargestCalculableSpan(int family, int model);

struct PreCheckFailure {
    int check = 0;                        // 1-12, see below
    std::string message;                  // shown in the message box
    InputField field = InputField::span;  // the field given the focus
    std::optional<std::string> corrected; // text put into that field
};

// The two checks that follow the nine range checks: a negative work load and a negative
// other load.
inline constexpr int kNegativeWorkLoadCheck = 10;
inline constexpr int kNegativeOtherLoadCheck = 11;
// A work-load entry of one to three digits, checked where check 9 reads the entry.
inline constexpr int kShortWorkLoadCheck = 12;

// Checks 1-9, then the signs of the work load and the other load (the record's values,
// which the window reads from the same fields). An entry of "その他" that is neither blank
// nor a whole number (one to three digits in the four-position field) fails with
// kShortWorkLoadCheck.
std::optional<PreCheckFailure> PreCheck(const DesignCase &record, const WorkLoadEntry &workLoad);

} // namespace korvane
