#include "core/ShownValues.h"

#include "core/Catalogue.h"
#include "core/DeckComparisonText.h"
#include "core/DeckTableText.h"
#include "core/InputCaptions.h"
#include "core/InputForm.h"

namespace korvane {

namespace {

// The caption of an alpha class code as its button reads; the code itself for none.
std::string ClassCaption(int alphaClass) {
    for (const caption::ClassOption &option : caption::kAlphaClassOptions)
        if (option.code == alphaClass)
            return std::string(option.caption);
    return std::to_string(alphaClass);
}

std::string ConcreteCaption(int concreteKind) {
    const int position = concreteKind - code::kConcreteNormal;
    if (position < 0 || position >= static_cast<int>(caption::kConcreteKinds.size()))
        return std::to_string(concreteKind);
    return CompactCaption(caption::kConcreteKinds[static_cast<std::size_t>(position)]);
}

std::string ModelCaption(const DesignCase &record) {
    const std::string name = DeckModelName(record.deckFamily, record.deckModel);
    return name.empty() ? std::to_string(record.deckModel) : name;
}

std::string ThicknessCaption(int thicknessCode) {
    const double mm = PlateThicknessOf(thicknessCode);
    if (mm <= 0)
        return std::to_string(thicknessCode);
    std::string text = std::to_string(mm);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.ends_with('.'))
        text += '0';
    return text + " mm";
}

std::string CoatingCaption(int coatingCode) {
    const std::string name = CoatingName(coatingCode);
    return name.empty() ? std::to_string(coatingCode) : name;
}

std::string Unchoosable(const char *field, const std::string &fileValue,
                        const std::string &shownValue) {
    return std::string(field) + " のファイルの値 " + fileValue + " は画面で選べないため、画面の「" +
           shownValue + "」で計算します。";
}

// The field holds four characters: a longer number loses its last digits, silently in the
// field itself.
bool WorkLoadCut(const DesignCase &file, const DesignCase &shown) {
    const std::string text = std::to_string(file.workLoadValue);
    return file.workLoadValue > 0 && text.size() > 4 &&
           WorkLoadMaskText(text) == std::to_string(shown.workLoadValue);
}

} // namespace

std::vector<std::string> ValuesShownOtherwise(const DesignCase &file, const DesignCase &shown) {
    std::vector<std::string> warnings;
    if (file.deckFamily != shown.deckFamily)
        warnings.push_back(
            Unchoosable("デッキ種類", std::to_string(file.deckFamily),
                        shown.deckFamily == code::kFamilyPx ? "PXデッキ" : "PXリッジデッキ"));
    if (file.deckModel != shown.deckModel)
        warnings.push_back(
            Unchoosable("デッキ名称", std::to_string(file.deckModel), ModelCaption(shown)));
    if (file.thicknessCode != shown.thicknessCode)
        warnings.push_back(Unchoosable("デッキ板厚", std::to_string(file.thicknessCode),
                                       ThicknessCaption(shown.thicknessCode)));
    if (file.coatingCode != shown.coatingCode && !HasDiscontinuedCoating(file))
        warnings.push_back(Unchoosable("表面処理", std::to_string(file.coatingCode),
                                       CoatingCaption(shown.coatingCode)));
    if (file.shoringCode != shown.shoringCode)
        warnings.push_back(Unchoosable("支保工", std::to_string(file.shoringCode),
                                       ShoringCaption(shown.shoringCode)));
    if (file.alphaClass != shown.alphaClass)
        warnings.push_back(Unchoosable("施工割増係数", std::to_string(file.alphaClass),
                                       ClassCaption(shown.alphaClass)));
    if (file.concreteKind != shown.concreteKind)
        warnings.push_back(Unchoosable("コンクリート種類", std::to_string(file.concreteKind),
                                       ConcreteCaption(shown.concreteKind)));
    if (WorkLoadCut(file, shown))
        warnings.push_back("作業荷重 のファイルの値 " + std::to_string(file.workLoadValue) +
                           " N/㎡ は入力欄 (4 桁) に収まらないため、入力欄の " +
                           std::to_string(shown.workLoadValue) + " N/㎡ で計算します。");
    if (file.pageNumberPos != shown.pageNumberPos)
        warnings.push_back(Unchoosable(
            "ページ番号の位置", std::to_string(file.pageNumberPos),
            shown.pageNumberPos == 0 ? std::string("無し") : std::to_string(shown.pageNumberPos)));
    return warnings;
}

} // namespace korvane
