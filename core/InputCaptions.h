#pragma once
// The captions of the main window's choices and groups, in one place: the window shows them,
// and the deck-choice tables name the conditions they were made for with the same words.

#include "core/DesignCase.h"

#include "core/Limits.h"

#include <array>
#include <string>
#include <string_view>

namespace korvane::caption {

// Shoring: the group and its options in the order of the shoring codes (none, one row, two).
inline constexpr std::string_view kShoringGroup = " 支保工 ";
inline constexpr std::array<std::string_view, 3> kShoringOptions = {"無  し", "有り-１本",
                                                                    "有り-２本"};

// The increase-factor classes: the group and its options with their codes.
inline constexpr std::string_view kAlphaClassGroup = " 施工割増係数α ";
struct ClassOption {
    int code;
    std::string_view caption;
};
inline constexpr std::array<ClassOption, 4> kAlphaClassOptions = {{
    {code::kClassSteel, "Ｓ造"},
    {code::kClass1, "Ⅰ類 [1.0]"},
    {code::kClass2, "Ⅱ類 [1.25]"},
    {code::kClass3, "Ⅲ類 [1.5]"},
}};

// Concrete: the kind group, its buttons in code order (normal, light 1, light 2), the
// thickness group.
inline constexpr std::string_view kConcreteKindGroup = " 種　類 ";
inline constexpr std::array<std::string_view, 3> kConcreteKinds = {"普　　 通", "軽量１種",
                                                                   "軽量２種"};
inline constexpr std::string_view kSlabThicknessGroup = " コンクリート厚";

// Loads.
inline constexpr std::string_view kWorkLoadGroup = " 作業荷重 ";
inline const std::string kStandardWorkLoadOption =
    std::to_string(limit::kStandardWorkLoad) + " N/㎡";
inline constexpr std::string_view kOtherWorkLoadOption = "その他";
inline constexpr std::string_view kOtherLoadGroup = " その他荷重 ";

// Deck band.
inline constexpr std::string_view kCoatingLabel = "表面処理";
inline constexpr std::string_view kUnitWeightLabel = "単位重量";

// Units as the window writes them beside its fields.
inline constexpr std::string_view kLoadUnit = "N/㎡";
inline constexpr std::string_view kLengthUnit = "mm";

} // namespace korvane::caption
