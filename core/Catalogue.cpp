#include "core/Catalogue.h"

#include "core/DesignCase.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace korvane {

namespace {

using Row5 = std::array<double, 5>;
using Row6 = std::array<double, 6>;

// Unit weight of the deck, N/m². One block per coating (Z12, Z27, Y18, K35), one row per
// model in code order, one value per plate thickness in ascending order.
//                                      0.8   1.0   1.2   1.4   1.6
constexpr std::array<std::array<Row5, 4>, 4> kWeightPx = {{
    {{
        // Z12
        {124, 154, 184, 214, 245}, // PX75
        {124, 154, 184, 212, 242}, // PX75V
        {124, 154, 184, 212, 242}, // PX75Vα
        {150, 188, 221, 257, 293}, // PX100
    }},
    {{
        // Z27
        {128, 158, 188, 218, 247},
        {128, 158, 188, 216, 245},
        {128, 158, 188, 216, 245},
        {154, 191, 226, 260, 296},
    }},
    {{
        // Y18
        {125, 155, 186, 215, 245},
        {126, 155, 185, 214, 243},
        {126, 155, 185, 214, 243},
        {151, 187, 223, 257, 293},
    }},
    {{
        // K35 (PX100 does not exist with K35)
        {130, 159, 190, 219, 249},
        {130, 159, 189, 218, 246},
        {130, 159, 189, 218, 246},
        {0, 0, 0, 0, 0},
    }},
}};

//                                         0.7   0.8   1.0   1.2   1.4   1.6
constexpr std::array<std::array<Row6, 3>, 4> kWeightRidge = {{
    {{
        // Z12
        {111, 126, 157, 188, 218, 248}, // PX75LA
        {111, 126, 157, 188, 218, 248}, // PX75LB
        {133, 151, 188, 223, 258, 294}, // PX100L
    }},
    {{
        // Z27
        {115, 130, 160, 192, 222, 252},
        {115, 130, 160, 192, 222, 252},
        {138, 156, 192, 228, 263, 298},
    }},
    {{
        // Y18
        {112, 128, 158, 189, 219, 249},
        {112, 128, 158, 189, 219, 249},
        {135, 152, 189, 224, 259, 294},
    }},
    {{
        // K35
        {116, 132, 162, 193, 223, 253},
        {116, 132, 162, 193, 223, 253},
        {140, 157, 194, 229, 265, 300},
    }},
}};

// Section modulus Zt (10³ mm³/m) and second moment of area I (10⁴ mm⁴/m).
//                                 0.8   1.0   1.2   1.4   1.6
constexpr Row5 kZtPx75 = {18.7, 24.4, 29.4, 34.4, 39.3}; // PX75 and PX75V
constexpr Row5 kIPx75 = {120, 150, 180, 206, 232};
constexpr Row5 kZtPx75Valpha = {20.2, 25.6, 31.0, 36.2, 41.4};
constexpr Row5 kIPx75Valpha = {125, 156, 185, 212, 239};
constexpr Row5 kZtPx100 = {34.0, 46.8, 56.4, 66.5, 76.2};
constexpr Row5 kIPx100 = {271, 352, 420, 485, 550};
//                                    0.7   0.8   1.0   1.2   1.4   1.6
constexpr Row6 kZtPx75L = {20.3, 23.2, 24.7, 30.3, 35.7, 40.8}; // PX75LA and PX75LB
constexpr Row6 kIPx75L = {105, 120, 151, 180, 208, 235};
constexpr Row6 kZtPx100L = {37.3, 42.6, 46.6, 56.2, 65.9, 75.6};
constexpr Row6 kIPx100L = {250, 284, 352, 417, 482, 545};

// Allowable rib bearing load, N/m.
//                                     0.8    1.0    1.2    1.4    1.6
constexpr Row5 kRibPx75 = {9800, 14700, 19600, 19600, 19600};
constexpr Row5 kRibPx75Valpha = {14700, 22050, 29400, 29400, 29400};
constexpr Row5 kRibPx100 = {9800, 14700, 19600, 24500, 29400};
//                                     0.7   0.8    1.0    1.2    1.4    1.6
constexpr Row6 kRibRidge = {9800, 14700, 22050, 29400, 29400, 29400}; // every model

constexpr std::array<std::string_view, 4> kModelNamesPx = {"PX75", "PX75V", "PX75Vα", "PX100"};
constexpr std::array<std::string_view, 3> kModelNamesRidge = {"PX75LA", "PX75LB", "PX100L"};
constexpr std::array<double, 6> kPlateThickness = {0.8, 1.0, 1.2, 1.4, 1.6, 0.7};
constexpr std::array<std::string_view, 6> kThicknessTags = {"08", "10", "12", "14", "16", "07"};
constexpr std::string_view kUnknownThicknessTag = "00";
constexpr std::array<const char *, 5> kCoatingNames = {"Z12", "Z27", "Y18", "K35", "他"};

constexpr int kModelPx75LB = 1;
constexpr int kModelPx100L = 2;

} // namespace

// The catalogue's rules as constant expressions, so that the compiler makes the deck entries
// (LookupDeck); the functions of the header answer from them.
namespace rule {

constexpr int ModelCount(int family) {
    return family == 0 ? 4 : family == 1 ? 3 : 0;
}

// Table rows run in ascending plate thickness, as the window's thickness lists do.
constexpr int ThicknessListPosition(int family, int thicknessCode) {
    if (family == 0)
        return thicknessCode >= 0 && thicknessCode <= 4 ? thicknessCode : -1;
    if (family == 1) {
        if (thicknessCode == code::kThickness07)
            return 0;
        return thicknessCode >= 0 && thicknessCode <= 4 ? thicknessCode + 1 : -1;
    }
    return -1;
}

constexpr bool IsCatalogueDeck(int family, int model, int thicknessCode) {
    return model >= 0 && model < ModelCount(family) &&
           ThicknessListPosition(family, thicknessCode) >= 0;
}

constexpr bool IsPx75L(int family, int model) {
    return family == 1 && (model == 0 || model == kModelPx75LB);
}

constexpr bool LookupDeckWeight(int family, int model, int thicknessCode, int coating,
                                double &weight) {
    if (!IsCatalogueDeck(family, model, thicknessCode) || coating < 0 || coating > 3)
        return false;
    const int position = ThicknessListPosition(family, thicknessCode);
    weight =
        family == 0 ? kWeightPx[coating][model][position] : kWeightRidge[coating][model][position];
    return true;
}

constexpr std::string_view DeckModelName(int family, int model) {
    if (model < 0 || model >= ModelCount(family))
        return {};
    return family == 0 ? kModelNamesPx[model] : kModelNamesRidge[model];
}

constexpr double PlateThicknessOf(int thicknessCode) {
    if (thicknessCode < 0 || thicknessCode >= static_cast<int>(kPlateThickness.size()))
        return 0.0;
    return kPlateThickness[thicknessCode];
}

constexpr std::string_view ThicknessTag(int thicknessCode) {
    if (thicknessCode < 0 || thicknessCode >= static_cast<int>(kThicknessTags.size()))
        return kUnknownThicknessTag;
    return kThicknessTags[thicknessCode];
}

constexpr bool LookupSectionValues(int family, int model, int thicknessCode,
                                   SectionValues &values) {
    if (!IsCatalogueDeck(family, model, thicknessCode))
        return false;
    const int p = ThicknessListPosition(family, thicknessCode);
    if (family == 0) {
        if (model == code::kModelPx75Valpha)
            values = {kZtPx75Valpha[p], kIPx75Valpha[p], kRibPx75Valpha[p]};
        else if (model == code::kModelPx100)
            values = {kZtPx100[p], kIPx100[p], kRibPx100[p]};
        else
            values = {kZtPx75[p], kIPx75[p], kRibPx75[p]};
    } else if (model == kModelPx100L) {
        values = {kZtPx100L[p], kIPx100L[p], kRibRidge[p]};
    } else {
        values = {kZtPx75L[p], kIPx75L[p], kRibRidge[p]};
    }
    return true;
}

constexpr double BasicAllowableStress(int family, int model) {
    const bool highStrength = family != 0 || model == code::kModelPx75Valpha;
    return highStrength ? 235.0 : 205.0;
}

constexpr int DeckDepth(int family, int model) {
    return family == 0 && model == code::kModelPx100 ? 100 : 75;
}

constexpr double DeflectionCoefficient(int family, int model, int thicknessCode, int alphaClass) {
    if (family == 0)
        return 1.6;
    if (alphaClass != code::kClassSteel)
        return 1.5;
    const bool thinnest = thicknessCode == code::kThickness07;
    if (IsPx75L(family, model))
        return thinnest ? 1.5 : 1.3;
    if (model == kModelPx100L) {
        if (thinnest)
            return 1.4;
        return thicknessCode == 0 || thicknessCode == 1 ? 1.3 : 1.2;
    }
    return 1.5; // a model outside the family's table
}

constexpr double ReductionFactor(int family, int model, int thicknessCode, int alphaClass) {
    if (IsPx75L(family, model) && thicknessCode == code::kThickness07)
        return alphaClass == code::kClassSteel ? 1.25 : 1.75;
    return 1.0;
}

constexpr int MaximumSpan(int family, int model, int thicknessCode, int alphaClass) {
    if (family != 1 || thicknessCode != code::kThickness07)
        return 0;
    const bool steel = alphaClass == code::kClassSteel;
    if (IsPx75L(family, model))
        return steel ? 2420 : 2050;
    if (model == kModelPx100L)
        return steel ? 3360 : 3290;
    return 0;
}

// The rules above tell the codes of a kind apart only by a few values: family 0, 1 or any
// other; model 0-3 or any other; thickness code 0-5 or any other. One entry for each such
// group, made with a code of the group (the group's number), covers every code.
constexpr int kFamilyGroups = 3;
constexpr int kModelGroups = 5;
constexpr int kThicknessGroups = static_cast<int>(kPlateThickness.size()) + 1;
constexpr int kEntryCount = kFamilyGroups * kModelGroups * kThicknessGroups;

// A negative code compares as a large unsigned number, so it falls in the last group too.
constexpr int Group(int value, int groups) {
    return static_cast<unsigned>(value) < static_cast<unsigned>(groups - 1) ? value : groups - 1;
}

constexpr int EntryIndex(int family, int model, int thicknessCode) {
    return (Group(family, kFamilyGroups) * kModelGroups + Group(model, kModelGroups)) *
               kThicknessGroups +
           Group(thicknessCode, kThicknessGroups);
}

// The codes an entry is made with.
struct EntryCodes {
    int family, model, thicknessCode;
};

constexpr EntryCodes CodesOfEntry(int index) {
    return {index / (kModelGroups * kThicknessGroups), index / kThicknessGroups % kModelGroups,
            index % kThicknessGroups};
}

// "PX75LA-07", kept in the entry table's own storage.
struct LabelText {
    std::array<char, 16> chars{};
    std::size_t size = 0;

    constexpr void Append(std::string_view text) {
        for (const char c : text)
            chars[size++] = c;
    }
};

constexpr std::array<LabelText, kEntryCount> kLabels = [] {
    std::array<LabelText, kEntryCount> labels{};
    for (int i = 0; i < kEntryCount; ++i) {
        const EntryCodes deck = CodesOfEntry(i);
        labels[i].Append(DeckModelName(deck.family, deck.model));
        labels[i].Append("-");
        labels[i].Append(ThicknessTag(deck.thicknessCode));
    }
    return labels;
}();

constexpr DeckClassFigures ClassFigures(const EntryCodes &deck, int alphaClass) {
    return {DeflectionCoefficient(deck.family, deck.model, deck.thicknessCode, alphaClass),
            ReductionFactor(deck.family, deck.model, deck.thicknessCode, alphaClass),
            MaximumSpan(deck.family, deck.model, deck.thicknessCode, alphaClass)};
}

constexpr DeckEntry MakeEntry(int index) {
    const EntryCodes deck = CodesOfEntry(index);
    DeckEntry entry{};
    entry.label = std::string_view(kLabels[index].chars.data(), kLabels[index].size);
    entry.thicknessTag = ThicknessTag(deck.thicknessCode);
    entry.plateThickness = PlateThicknessOf(deck.thicknessCode);
    entry.depth = DeckDepth(deck.family, deck.model);
    entry.basicAllowableStress = BasicAllowableStress(deck.family, deck.model);
    entry.inCatalogue = IsCatalogueDeck(deck.family, deck.model, deck.thicknessCode);
    rule::LookupSectionValues(deck.family, deck.model, deck.thicknessCode, entry.section);
    for (int coating = 0; coating < static_cast<int>(entry.unitWeights.size()); ++coating)
        LookupDeckWeight(deck.family, deck.model, deck.thicknessCode, coating,
                         entry.unitWeights[coating]);
    entry.steelClass = ClassFigures(deck, code::kClassSteel);
    entry.otherClasses = ClassFigures(deck, code::kClass1);
    return entry;
}

constexpr std::array<DeckEntry, kEntryCount> kEntries = [] {
    std::array<DeckEntry, kEntryCount> entries{};
    for (int i = 0; i < kEntryCount; ++i)
        entries[i] = MakeEntry(i);
    return entries;
}();

} // namespace rule

int ThicknessListPosition(int family, int thicknessCode) {
    return rule::ThicknessListPosition(family, thicknessCode);
}

int ThicknessCodeAtListPosition(int family, int position) {
    if (family == 0)
        return position >= 0 && position < kPxThicknessCount ? position : -1;
    if (family == 1) {
        if (position == 0)
            return code::kThickness07;
        return position >= 1 && position < kRidgeThicknessCount ? position - 1 : -1;
    }
    return -1;
}

bool IsCatalogueDeck(int family, int model, int thicknessCode) {
    return rule::IsCatalogueDeck(family, model, thicknessCode);
}

const std::vector<OfferedDeck> &OfferedDecks() {
    static const std::vector<OfferedDeck> decks = [] {
        std::vector<OfferedDeck> list;
        for (const int family : {code::kFamilyRidge, code::kFamilyPx}) {
            const int thicknesses =
                family == code::kFamilyRidge ? kRidgeThicknessCount : kPxThicknessCount;
            for (int model = 0; model < kOfferedModelCount; ++model)
                for (int position = 0; position < thicknesses; ++position)
                    list.push_back({family, model, ThicknessCodeAtListPosition(family, position)});
        }
        return list;
    }();
    return decks;
}

bool LookupDeckWeight(int family, int model, int thicknessCode, int coating, double &weight) {
    return rule::LookupDeckWeight(family, model, thicknessCode, coating, weight);
}

bool LookupDeckWeight(const DesignCase &record, double &weight) {
    return LookupDeckWeight(record.deckFamily, record.deckModel, record.thicknessCode,
                            record.coatingCode, weight);
}

DesignCase DefaultDesignCase() {
    DesignCase record;
    double weight = 0;
    if (LookupDeckWeight(record, weight))
        record.unitWeight = static_cast<std::int32_t>(std::trunc(weight));
    return record;
}

std::string DeckModelName(int family, int model) {
    return std::string(rule::DeckModelName(family, model));
}

double PlateThicknessOf(int thicknessCode) {
    return rule::PlateThicknessOf(thicknessCode);
}

std::string_view ThicknessTag(int thicknessCode) {
    return rule::ThicknessTag(thicknessCode);
}

std::string CoatingName(int coatingCode) {
    if (coatingCode < 0 || coatingCode >= static_cast<int>(kCoatingNames.size()))
        return {};
    return kCoatingNames[coatingCode];
}

bool LookupSectionValues(int family, int model, int thicknessCode, SectionValues &values) {
    return rule::LookupSectionValues(family, model, thicknessCode, values);
}

double BasicAllowableStress(int family, int model) {
    return rule::BasicAllowableStress(family, model);
}

int DeckDepth(int family, int model) {
    return rule::DeckDepth(family, model);
}

double DeflectionCoefficient(int family, int model, int thicknessCode, int alphaClass) {
    return rule::DeflectionCoefficient(family, model, thicknessCode, alphaClass);
}

double ReductionFactor(int family, int model, int thicknessCode, int alphaClass) {
    return rule::ReductionFactor(family, model, thicknessCode, alphaClass);
}

int MaximumSpan(int family, int model, int thicknessCode, int alphaClass) {
    return rule::MaximumSpan(family, model, thicknessCode, alphaClass);
}

const DeckEntry &LookupDeck(int family, int model, int thicknessCode) {
    return rule::kEntries[rule::EntryIndex(family, model, thicknessCode)];
}

} // namespace korvane
