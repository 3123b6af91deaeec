#pragma once
// The number fields of the main window, by role. The pre-check and the leave checks name
// the field they focus with it, and korvane-calc prints its name.

#include <string_view>

namespace korvane {

enum class InputField { unitWeight, span, slabThickness, workLoad, otherLoad };

// "unitWeight", "span", "slabThickness", "workLoad", "otherLoad".
constexpr std::string_view InputFieldName(InputField field) {
    switch (field) {
    case InputField::unitWeight:
        return "unitWeight";
    case InputField::span:
        return "span";
    case InputField::slabThickness:
        return "slabThickness";
    case InputField::workLoad:
        return "workLoad";
    case InputField::otherLoad:
        return "otherLoad";
    }
    return {};
}

} // namespace korvane
