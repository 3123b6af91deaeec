#pragma once
// The design case: sixteen fields in a fixed order, which is also the order of the lines
// of a data file. Texts are UTF-8 here; they become code page 932 only in the file.

#include "core/Limits.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

inline constexpr const char *kCurrentVersionText = "korvane 3.6";
// The project title that stands for none: the sheet prints no title line for it.
inline constexpr const char *kTitlePlaceholder = "件名を入力";
inline constexpr const char *kDefaultPageText = "－１－";

class DesignCase {
public:
    DesignCase() { SetDefaults(); }

    // Every field to its default, in field order.
    void SetDefaults();

    // Clears `lines` and appends the record as the sixteen lines of the current format.
    void WriteLines(std::vector<std::string> &lines) const;

    // Fills the record from the lines of a data file of any format version; an unreadable
    // unit-weight line throws ConversionError naming its line.
    // Lines that do not read, or are missing, take their reading defaults; when
    // `warnings` is given, one Japanese text per such finding is appended to it, naming
    // the line, its field and the default that stands in (none for a complete file whose
    // lines all read, of any format).
    void ReadLines(const std::vector<std::string> &lines,
                   std::vector<std::string> *warnings = nullptr);

    bool operator==(const DesignCase &) const = default;

    std::string versionText;
    std::int32_t deckFamily;
    std::int32_t deckModel;
    std::int32_t thicknessCode;
    std::int32_t coatingCode;
    std::int32_t unitWeight;
    std::int32_t spanLength;
    std::int32_t shoringCode;
    std::int32_t alphaClass;
    std::int32_t concreteKind;
    std::int32_t slabThickness;
    std::int32_t workLoadValue;
    std::int32_t otherLoadValue;
    std::string projectTitle;
    std::int32_t pageNumberPos;
    std::string pageText;
};

// PX100 with K35 is no longer made: a case read with it asks for the coating again.
inline constexpr const char *kDiscontinuedCoatingNotice =
    "PX100の表面処理「K35」は廃止されました。\n表面処理を選択し直してください。";
bool HasDiscontinuedCoating(const DesignCase &record);

// Format version number of a data file from its first line: 30, 31, 32, 33, 36, or 20
// for anything else (the headerless oldest format).
int FormatVersion(const std::string &versionText);

// Codes of the record, by name.
namespace code {
inline constexpr int kFamilyPx = 0;
inline constexpr int kFamilyRidge = 1;
inline constexpr int kModelPx75Valpha = 2;
inline constexpr int kModelPx100 = 3;
inline constexpr int kThickness07 = 5;
inline constexpr int kCoatingK35 = 3;
inline constexpr int kCoatingOther = 4;
inline constexpr int kCoatingNone = -1;
inline constexpr int kShoringNone = 1;
inline constexpr int kShoringOneRow = 2;
inline constexpr int kShoringTwoRows = 3;
inline constexpr int kClassSteel = 4;
inline constexpr int kClass1 = 5;
inline constexpr int kClass2 = 6;
inline constexpr int kClass3 = 9;
inline constexpr int kConcreteNormal = 4;
inline constexpr int kConcreteLight1 = 5;
inline constexpr int kConcreteLight2 = 6;
inline constexpr int kStandardWorkLoad = limit::kStandardWorkLoad;
} // namespace code

} // namespace korvane
