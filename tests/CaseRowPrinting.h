#pragma once
// The row printer (tests/RowPrinting.h) with the program's own types printed by name.

#include "core/InputField.h"
#include "tests/RowPrinting.h"

#include <ostream>

namespace korvane {

// Field names in failure output instead of the enum's number.
inline void PrintTo(InputField field, std::ostream *os) {
    *os << InputFieldName(field);
}

} // namespace korvane
