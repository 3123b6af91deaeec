#include "core/FieldArrows.h"

#include "core/InputForm.h"
#include "core/WholeNumber.h"

#include <algorithm>

namespace korvane {

int FirstArrowPosition(InputField field) {
    return BoundsOf(field).lower;
}

int ArrowStep(InputField field, std::string_view fieldText, int lastPosition, int direction) {
    const FieldBounds bounds = BoundsOf(field);
    long long position = lastPosition;
    if (const auto value = ReadWholeNumber(fieldText))
        position = std::clamp(*value, bounds.lower, bounds.upper);
    const long long next = position + static_cast<long long>(direction) * bounds.step;
    return static_cast<int>(std::clamp<long long>(next, bounds.lower, bounds.upper));
}

} // namespace korvane
