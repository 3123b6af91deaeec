#include "core/InputForm.h"

#include "core/Catalogue.h"
#include "core/Limits.h"
#include "core/NumberDigits.h"
#include "core/TextCodec.h"
#include "core/WholeNumber.h"

#include <cstdio>

namespace korvane {

namespace {

constexpr int kModelPositionSecond = 1;
constexpr int kModelPositionThird = 2;
constexpr int kWorkLoadPositions = 4;
constexpr const char *kStandardWorkLoadFieldText = "2450";
constexpr const char *kCatalogueWeightHint = "選択されたデッキの単位重量です。";
constexpr const char *kOwnWeightHint = "デッキの単位重量を設定して下さい。";

int FamilyCode(bool ridge) {
    return ridge ? code::kFamilyRidge : code::kFamilyPx;
}

std::vector<std::string> MakeModelItems(bool ridge) {
    std::vector<std::string> items;
    for (int model = 0; model < kOfferedModelCount; ++model)
        items.push_back(DeckModelName(FamilyCode(ridge), model));
    return items;
}

// A family's model list; the lists never change, so each is made once.
const std::vector<std::string> &ModelItemsOf(bool ridge) {
    static const std::vector<std::string> lists[] = {MakeModelItems(false), MakeModelItems(true)};
    return lists[ridge ? 1 : 0];
}

std::string ThicknessText(int thicknessCode) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", PlateThicknessOf(thicknessCode));
    return text;
}

std::vector<std::string> MakeThicknessItems(bool ridge) {
    std::vector<std::string> items;
    const int count = ridge ? kRidgeThicknessCount : kPxThicknessCount;
    for (int position = 0; position < count; ++position)
        items.push_back(ThicknessText(ThicknessCodeAtListPosition(FamilyCode(ridge), position)));
    return items;
}

// A family's thickness list, made once like the model lists.
const std::vector<std::string> &ThicknessItemsOf(bool ridge) {
    static const std::vector<std::string> lists[] = {MakeThicknessItems(false),
                                                     MakeThicknessItems(true)};
    return lists[ridge ? 1 : 0];
}

// The position of the entry of the same text in the new items, else the first.
int PositionKeepingText(const std::vector<std::string> &oldItems, int oldPosition,
                        const std::vector<std::string> &newItems) {
    if (oldPosition < 0 || oldPosition >= static_cast<int>(oldItems.size()))
        return newItems.empty() ? -1 : 0;
    for (std::size_t i = 0; i < newItems.size(); ++i)
        if (newItems[i] == oldItems[static_cast<std::size_t>(oldPosition)])
            return static_cast<int>(i);
    return newItems.empty() ? -1 : 0;
}

// The shortest decimal text that reads back as the same number ("111", not "111.000000").
std::string ShortestDecimal(double value) {
    return RoundTripText(value);
}

struct LeaveRule {
    const char *notNumber;
    const char *restored;
    std::string tooLarge;
};

std::optional<LeaveRule> LeaveRuleOf(InputField field) {
    switch (field) {
    case InputField::span:
        return LeaveRule{"『スパン』を設定して下さい", "500",
                         "計算可能な『スパン』の最大値は、9900 mmです"};
    case InputField::slabThickness:
        return LeaveRule{"『コンクリート厚』を設定して下さい", "0",
                         "計算可能な『コンクリート厚』の最大値は、" +
                             std::to_string(limit::kThickestSlab) + " mmです"};
    case InputField::otherLoad:
        return LeaveRule{"『その他荷重』の値を設定して下さい", "0",
                         "計算可能な『その他荷重』の最大値は、9000 N/㎡です"};
    default:
        return std::nullopt;
    }
}

int ShoringOf(int shoringCode) {
    return shoringCode == code::kShoringOneRow || shoringCode == code::kShoringTwoRows
               ? shoringCode
               : code::kShoringNone;
}

int AlphaClassOf(int alphaClass) {
    const bool rcClass =
        alphaClass == code::kClass1 || alphaClass == code::kClass2 || alphaClass == code::kClass3;
    return rcClass ? alphaClass : code::kClassSteel;
}

int ConcreteKindOf(int kind) {
    return kind == code::kConcreteLight1 || kind == code::kConcreteLight2 ? kind
                                                                          : code::kConcreteNormal;
}

} // namespace

FieldBounds BoundsOf(InputField field) {
    switch (field) {
    case InputField::span:
        return {500, 9900, 10};
    case InputField::slabThickness:
        return {0, limit::kThickestSlab, 5};
    case InputField::otherLoad:
        return {0, 9000, 50};
    default:
        return {};
    }
}

std::string WorkLoadMaskText(std::string_view text) {
    std::string masked(text.substr(0, kWorkLoadPositions));
    masked.resize(kWorkLoadPositions, ' ');
    return masked;
}

InputForm::InputForm()
    : m_modelItems{DeckModelName(code::kFamilyRidge, 0), DeckModelName(code::kFamilyRidge, 1)} {}

const std::vector<std::string> &InputForm::CoatingItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> names;
        for (int coating = 0; coating <= code::kCoatingOther; ++coating)
            names.push_back(CoatingName(coating));
        return names;
    }();
    return items;
}

const std::string &InputForm::Text(InputField field) const {
    return const_cast<InputForm *>(this)->TextOf(field);
}

std::string &InputForm::TextOf(InputField field) {
    switch (field) {
    case InputField::unitWeight:
        return m_unitWeight;
    case InputField::span:
        return m_span;
    case InputField::slabThickness:
        return m_slab;
    case InputField::workLoad:
        return m_workLoad;
    case InputField::otherLoad:
        break;
    }
    return m_otherLoad;
}

bool InputForm::AllowableStressShown() const {
    return !m_ridge && m_modelPosition == kModelPositionThird;
}

bool InputForm::UnitWeightEditable() const {
    return m_coatingPosition == code::kCoatingOther;
}

std::string InputForm::SpanHint() const {
    const std::string range = "『" + std::to_string(limit::kSmallestSpan) + "～" +
                              std::to_string(AllowableStressShown() ? limit::kLargestSpanPx75Valpha
                                                                    : limit::kLargestSpan) +
                              "mm』です。";
    return AllowableStressShown() ? "計算可能な範囲は、PX75Vαの場合" + range
                                  : "計算可能な範囲は" + range;
}

// ---- Deck selection ----

FormReaction InputForm::ChooseFamily(bool ridge) {
    if (ridge == m_ridge)
        return {};
    m_ridge = ridge;
    RefillLists(ridge);
    return CoatingUpdate();
}

// The family's models and thicknesses, each list keeping the entry of the same text.
void InputForm::RefillLists(bool ridge) {
    const std::vector<std::string> &models = ModelItemsOf(ridge);
    m_modelPosition = PositionKeepingText(m_modelItems, m_modelPosition, models);
    m_modelItems = models;
    const std::vector<std::string> &thicknesses = ThicknessItemsOf(ridge);
    m_thicknessPosition = PositionKeepingText(m_thicknessItems, m_thicknessPosition, thicknesses);
    m_thicknessItems = thicknesses;
}

FormReaction InputForm::ChooseModel(int position) {
    m_modelPosition = position;
    return CoatingUpdate();
}

FormReaction InputForm::ChooseThickness(int position) {
    m_thicknessPosition = position;
    return CoatingUpdate();
}

FormReaction InputForm::ChooseCoating(int position) {
    m_coatingPosition = position >= 0 && position <= code::kCoatingOther ? position : -1;
    return CoatingUpdate();
}

// The unit weight field follows the deck: the catalogue weight for a named coating, an
// empty field for the user's own weight with "他".
FormReaction InputForm::CoatingUpdate() {
    double weight = 0;
    const DeckCodes deck = ReadDeck();
    if (LookupDeckWeight(deck.family, deck.model, deck.thicknessCode, deck.coatingCode, weight))
        m_catalogueWeight = weight;
    if (UnitWeightEditable()) {
        m_unitWeight.clear();
        m_unitWeightHint = kOwnWeightHint;
        return {std::nullopt, InputField::unitWeight};
    }
    m_unitWeight = ShortestDecimal(m_catalogueWeight);
    m_unitWeightHint = kCatalogueWeightHint;
    return {};
}

FormReaction InputForm::TakeDeck(const TakenDeck &taken) {
    const OfferedDeck &deck = taken.deck;
    const std::string enteredWeight = m_unitWeight;
    const bool ownWeight = UnitWeightEditable();
    FormReaction first = ChooseFamily(deck.family == code::kFamilyRidge);
    for (FormReaction reaction :
         {ChooseModel(deck.model),
          ChooseThickness(ThicknessListPosition(deck.family, deck.thicknessCode))})
        if (!first.message && !first.focus)
            first = std::move(reaction);
    if (ownWeight) {
        m_unitWeight = enteredWeight;
        first = {};
    }
    if (taken.shoringCode)
        ChooseShoring(*taken.shoringCode);
    if (taken.span)
        m_span = std::to_string(*taken.span);
    return first;
}

// ---- Other inputs ----

void InputForm::ChooseShoring(int shoringCode) {
    m_shoring = ShoringOf(shoringCode);
}

void InputForm::ChooseAlphaClass(int alphaClass) {
    m_alphaClass = AlphaClassOf(alphaClass);
}

void InputForm::ChooseConcreteKind(int concreteKind) {
    m_concreteKind = ConcreteKindOf(concreteKind);
}

FormReaction InputForm::ChooseOtherWorkLoad(bool other) {
    m_otherWorkLoad = other;
    if (other)
        return {std::nullopt, InputField::workLoad};
    return {};
}

void InputForm::SetText(InputField field, std::string text) {
    TextOf(field) = std::move(text);
}

FormReaction InputForm::LeaveField(InputField field) {
    const auto rule = LeaveRuleOf(field);
    if (!rule)
        return {};
    FormReaction reaction;
    std::string &text = TextOf(field);
    if (!ReadWholeNumber(text)) {
        reaction = {rule->notNumber, field};
        text = rule->restored;
    }
    const auto value = ReadWholeNumber(text);
    const int upper = BoundsOf(field).upper;
    if (value && *value > upper) {
        reaction = {rule->tooLarge, field};
        text = std::to_string(upper);
    }
    return reaction;
}

bool InputForm::AcceptsTypedCharacter(InputField field, char32_t typed) {
    if (field != InputField::slabThickness && field != InputField::otherLoad)
        return true;
    return (typed >= U'0' && typed <= U'9') || typed == 8;
}

// ---- The case ----

std::vector<std::string> InputForm::ShowCase(const DesignCase &record) {
    std::vector<std::string> notices;
    const int version = FormatVersion(record.versionText);
    const bool ridge = record.deckFamily != code::kFamilyPx;
    m_ridge = ridge;
    RefillLists(ridge);
    CoatingUpdate();

    const bool offeredModel =
        record.deckModel == kModelPositionSecond || record.deckModel == kModelPositionThird;
    m_modelPosition = offeredModel ? record.deckModel : 0;
    CoatingUpdate();
    if (version == 20 && m_modelPosition == kModelPositionSecond)
        notices.push_back(kImprovedSectionNotice);

    const int thickness = ThicknessListPosition(FamilyCode(ridge), record.thicknessCode);
    m_thicknessPosition = thickness >= 0 ? thickness : 0;
    CoatingUpdate();
    // A model no longer offered shows as the first model with its coating code as it
    // stands, so that "他" keeps the user's own weight.
    ChooseCoating(record.coatingCode);

    m_unitWeight = std::to_string(record.unitWeight);
    m_span = std::to_string(record.spanLength);
    m_shoring = ShoringOf(record.shoringCode);
    m_alphaClass = AlphaClassOf(record.alphaClass);
    m_concreteKind = ConcreteKindOf(record.concreteKind);
    m_slab = std::to_string(record.slabThickness);
    m_otherWorkLoad = record.workLoadValue != code::kStandardWorkLoad;
    m_workLoad = m_otherWorkLoad ? WorkLoadMaskText(std::to_string(record.workLoadValue))
                                 : kStandardWorkLoadFieldText;
    m_otherLoad = std::to_string(record.otherLoadValue);

    m_print.projectTitle = AsRecordText(record.projectTitle);
    m_print.pageText = AsRecordText(record.pageText);
    m_print.pageNumberPos = KnownPageNumberPos(record.pageNumberPos);
    return notices;
}

std::vector<std::string> InputForm::OpenCase(DesignCase record) {
    std::vector<std::string> notices;
    if (HasDiscontinuedCoating(record)) {
        notices.push_back(kDiscontinuedCoatingNotice);
        record.coatingCode = code::kCoatingNone;
    }
    for (std::string &notice : ShowCase(record))
        notices.push_back(std::move(notice));
    return notices;
}

InputForm::DeckCodes InputForm::ReadDeck() const {
    DeckCodes deck{};
    deck.family = FamilyCode(m_ridge);
    deck.model = m_modelPosition == kModelPositionSecond || m_modelPosition == kModelPositionThird
                     ? m_modelPosition
                     : 0;
    const int thickness = ThicknessCodeAtListPosition(deck.family, m_thicknessPosition);
    deck.thicknessCode = thickness >= 0 ? thickness : m_ridge ? code::kThickness07 : 0;
    deck.coatingCode = m_coatingPosition >= 0 ? m_coatingPosition : 0;
    return deck;
}

DesignCase InputForm::ReadCase() const {
    DesignCase record;
    const DeckCodes deck = ReadDeck();
    record.deckFamily = deck.family;
    record.deckModel = deck.model;
    record.thicknessCode = deck.thicknessCode;
    record.coatingCode = deck.coatingCode;
    record.unitWeight = ReadWholeNumberOr(m_unitWeight, 0);
    record.spanLength = ReadWholeNumberOr(m_span, 2500);
    record.shoringCode = m_shoring;
    record.alphaClass = m_alphaClass;
    record.concreteKind = m_concreteKind;
    record.slabThickness = ReadWholeNumberOr(m_slab, 0);
    record.workLoadValue =
        m_otherWorkLoad ? ReadWholeNumberOr(m_workLoad, 0) : code::kStandardWorkLoad;
    record.otherLoadValue = ReadWholeNumberOr(m_otherLoad, 0);
    record.projectTitle = m_print.projectTitle;
    record.pageNumberPos = m_print.pageNumberPos;
    record.pageText = m_print.pageText;
    return record;
}

std::optional<PreCheckFailure> InputForm::PreCheck() const {
    return korvane::PreCheck(ReadCase(), {m_otherWorkLoad, m_workLoad});
}

std::optional<PreCheckFailure> InputForm::PreCheckConditions() const {
    DesignCase conditions = ReadCase();
    conditions.spanLength = kSmallestCalculableSpan;
    return korvane::PreCheck(conditions, {m_otherWorkLoad, m_workLoad});
}

void InputForm::ApplyCorrection(const PreCheckFailure &failure) {
    if (failure.corrected)
        TextOf(failure.field) = *failure.corrected;
}

} // namespace korvane
