#pragma once
// One click (or Up/Down key) on the arrows beside a number field: the field's number when it
// holds one, held within the field's bounds, else the position the arrows last wrote, moved
// by one step and held within the bounds. The window's arrows and the page's follow it.

#include "core/InputField.h"
#include "core/InputForm.h"

#include <string_view>

namespace korvane {

// The arrows' position before their first click: the field's lower bound.
int FirstArrowPosition(InputField field);

// The value the arrows write into the field for a click up (+1) or down (-1).
int ArrowStep(const FieldBounds &bounds, std::string_view fieldText, int lastPosition,
              int direction);
int ArrowStep(InputField field, std::string_view fieldText, int lastPosition, int direction);

} // namespace korvane
