#include "core/PreCheck.h"

#include "core/DesignCase.h"
#include "core/Limits.h"
#include "core/WholeNumber.h"

namespace korvane {

namespace {

constexpr InputField kUnitWeightField = InputField::unitWeight;
constexpr InputField kSpanField = InputField::span;
constexpr InputField kConcreteField = InputField::slabThickness;
constexpr InputField kWorkLoadField = InputField::workLoad;
constexpr InputField kOtherLoadField = InputField::otherLoad;

PreCheckFailure Failure(int check, std::string message, InputField field,
                        std::optional<std::string> corrected = std::nullopt) {
    return {check, std::move(message), field, std::move(corrected)};
}

std::string Trimmed(const std::string &text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsPx75Valpha(const DesignCase &r) {
    return r.deckFamily == code::kFamilyPx && r.deckModel == code::kModelPx75Valpha;
}

std::optional<PreCheckFailure> CheckUnitWeight(const DesignCase &r) {
    if (r.coatingCode != code::kCoatingOther)
        return std::nullopt;
    // A negative weight would lower the dead load and has no meaning: refused like 0.
    if (r.unitWeight <= 0)
        return Failure(1, "デッキの単位重量を正しく設定して下さい。", kUnitWeightField);
    if (r.unitWeight > limit::kHeaviestUnitWeight)
        return Failure(2, "デッキの単位重量を正しく設定して下さい。\n適正値をかなり超えています。",
                       kUnitWeightField);
    return std::nullopt;
}

std::optional<PreCheckFailure> CheckSpan(const DesignCase &r) {
    using std::to_string;
    if (r.spanLength < limit::kSmallestSpan)
        return Failure(3, "計算できるスパンは、" + to_string(limit::kSmallestSpan) + " mm以上です",
                       kSpanField, to_string(limit::kSmallestSpan));
    const bool knownFamily = r.deckFamily == 0 || r.deckFamily == 1;
    if (knownFamily && !IsPx75Valpha(r) && r.spanLength > limit::kLargestSpan)
        return Failure(4, "計算できるスパンは、" + to_string(limit::kLargestSpan) + " mm以下です",
                       kSpanField, to_string(limit::kLargestSpan));
    if (IsPx75Valpha(r) && r.spanLength > limit::kLargestSpanPx75Valpha)
        return Failure(5,
                       "計算できるスパンは、PX75Vαの場合" +
                           to_string(limit::kLargestSpanPx75Valpha) + " mm以下です",
                       kSpanField, to_string(limit::kLargestSpanPx75Valpha));
    return std::nullopt;
}

std::optional<PreCheckFailure> CheckSlab(const DesignCase &r) {
    using std::to_string;
    if (r.slabThickness < limit::kThinnestSlab)
        return Failure(
            6, "計算できるコンクリート厚さは、" + to_string(limit::kThinnestSlab) + " mm以上です",
            kConcreteField, to_string(limit::kThinnestSlab));
    if (r.slabThickness > limit::kThickestSlab)
        return Failure(
            7, "計算できるコンクリート厚さは、" + to_string(limit::kThickestSlab) + " mm以下です",
            kConcreteField, to_string(limit::kThickestSlab));
    return std::nullopt;
}

std::optional<PreCheckFailure> CheckWorkLoad(const WorkLoadEntry &entry) {
    if (!entry.otherChosen)
        return std::nullopt;
    if (Trimmed(entry.fieldText).empty())
        return Failure(8, "施工荷重を入力して下さい。", kWorkLoadField, "2450");
    // The field holds four positions: one to three digits leave blanks that are no number.
    // Refused with the field's name and what it needs; the text stays for the user to mend.
    const std::string least = std::to_string(limit::kStandardWorkLoad);
    const std::optional<int> typed = ReadWholeNumber(entry.fieldText);
    if (!typed)
        return Failure(kShortWorkLoadCheck,
                       "作業荷重は 4 桁の数値で入力して下さい。(" + least + "N/㎡以上、例: 2450)",
                       kWorkLoadField);
    if (*typed == 0)
        return Failure(9, "施工荷重を入力して下さい。(" + least + "N/㎡以上)", kWorkLoadField,
                       least);
    return std::nullopt;
}

// A negative load would lower the total load and let every check pass: it has no meaning
// for a construction load and is refused, after the nine range checks.
std::optional<PreCheckFailure> CheckLoadSigns(const DesignCase &r) {
    if (r.workLoadValue < 0)
        return Failure(kNegativeWorkLoadCheck,
                       "作業荷重に負の値は指定できません。\n正しい値を入力して下さい。",
                       kWorkLoadField);
    if (r.otherLoadValue < 0)
        return Failure(kNegativeOtherLoadCheck,
                       "その他荷重に負の値は指定できません。\n0 以上の値を入力して下さい。",
                       kOtherLoadField);
    return std::nullopt;
}

} // namespace

int LargestCalculableSpan(int family, int model) {
    return family == code::kFamilyPx && model == code::kModelPx75Valpha
               ? limit::kLargestSpanPx75Valpha
               : limit::kLargestSpan;
}

std::optional<PreCheckFailure> PreCheck(const DesignCase &record, const WorkLoadEntry &workLoad) {
    if (auto failure = CheckUnitWeight(record))
        return failure;
    if (auto failure = CheckSpan(record))
        return failure;
    if (auto failure = CheckSlab(record))
        return failure;
    if (auto failure = CheckWorkLoad(workLoad))
        return failure;
    return CheckLoadSigns(record);
}

} // namespace korvane
