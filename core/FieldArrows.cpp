#include "core/FieldArrows.h"

#include "core/WholeNumber.h"

#include <algorithm>

namespace korvane {

int FirstArrowPosition(InputField field) {
    return BoundsOf(field).lower;
}

int ArrowStep(InputField field, std::string_view fieldText, int lastPosition, int direction) {
    return ArrowStep(BoundsOf(field), fieldText, lastPosition, direction);
}

int ArrowStep(const FieldBounds &bounds, std::string_view fieldText, int lastPosition,
              int direction) {
    long long position = lastPosition;
    if (const auto value = ReadWholeNumber(fieldText))
        position = std::clamp(*value, bounds.lower, bounds.upper);
    const long long next = position + static_cast<long long>(direction) * bounds.step;
    return static_cast<int>(std::clamp<long long>(next, bounds.lower, bounds.upper));
}

} // namespace korvane
