#pragma once
// The deck catalogue: names, unit weights, section values, allowable stresses and the
// product coefficients of every deck. Constant data; see Catalogue.cpp for the tables.

#include "core/DesignCase.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Catalogue unit weight (N/m²) of the record's deck and coating. False, and `weight`
// untouched, for a deck or thickness outside the family or a coating other than 0-3.
bool LookupDeckWeight(const DesignCase &record, double &weight);
// The same for a deck and coating given by their codes.
bool LookupDeckWeight(int family, int model, int thicknessCode, int coating, double &weight);

// The design case the program starts with: the record's defaults, with the catalogue
// weight of its deck, truncated to whole N/m², as its unit weight.
DesignCase DefaultDesignCase();

// Model name of (family, model); empty for a pair not in the catalogue.
std::string DeckModelName(int family, int model);

// Plate thickness in mm of a thickness code; 0.0 for an unknown code.
double PlateThicknessOf(int thicknessCode);

// "Z12", "Z27", "Y18", "K35", "他" for codes 0-4; empty otherwise.
std::string CoatingName(int coatingCode);

// The thickness lists of the window: family 0 offers codes 0-4 (0.8-1.6 mm) in code order;
// family 1 puts code 5 (0.7 mm) first, then codes 0-4. The position of a code in its
// family's list, -1 when the list lacks it, and the code at a position, -1 when none.
int ThicknessListPosition(int family, int thicknessCode);
int ThicknessCodeAtListPosition(int family, int position);
inline constexpr int kRidgeThicknessCount = 6;
inline constexpr int kPxThicknessCount = 5;

// Whether the catalogue holds this deck: a known family, one of its models (family 0's
// include PX100) and one of its thickness codes.
bool IsCatalogueDeck(int family, int model, int thicknessCode);

// The window offers the first three models of each family; PX100 (family 0, model 3) is no
// longer offered.
inline constexpr int kOfferedModelCount = 3;

// A deck the main window offers: family, model and thickness codes.
struct OfferedDeck {
    int family = 0;
    int model = 0;
    int thicknessCode = 0;
    bool operator==(const OfferedDeck &) const = default;
};

// Every deck the main window offers, in the order of its choices: the ridge family (shown
// first) then the PX family, models in list order, thicknesses in list order (ascending).
const std::vector<OfferedDeck> &OfferedDecks();

struct SectionValues {
    double sectionModulus;  // Zt, 10³ mm³/m
    double inertia;         // I, 10⁴ mm⁴/m
    double ribBearingAllow; // N/m
};

// Section values of a catalogue deck; false for a deck outside the catalogue.
bool LookupSectionValues(int family, int model, int thicknessCode, SectionValues &values);

// Basic allowable bending stress fb, N/mm²: 235 or 205.
double BasicAllowableStress(int family, int model);

// Deck depth in mm: 100 for PX100, 75 for every other model.
int DeckDepth(int family, int model);

// Deflection coefficient C, reduction factor β and maximum span Lmax (mm, 0 = none).
double DeflectionCoefficient(int family, int model, int thicknessCode, int alphaClass);
double ReductionFactor(int family, int model, int thicknessCode, int alphaClass);
int MaximumSpan(int family, int model, int thicknessCode, int alphaClass);

// The plate thickness of a thickness code in tenths of a millimetre, as two digits: "07",
// "10"; "00" for an unknown code (whose plate thickness is 0.0).
std::string_view ThicknessTag(int thicknessCode);

// The figures of a deck that depend on the class: the steel-frame class or any other.
struct DeckClassFigures {
    double deflectionCoefficient; // C
    double reductionFactor;       // β
    int maximumSpan;              // mm, 0 = none
};

// Everything a calculation reads of one deck, found by one look-up: what the functions above
// give for its codes, with the sheet's texts already made. The entries are constant data, so
// a calculation builds no string and its result may keep views of the texts.
struct DeckEntry {
    std::string_view label;            // "PX75LA-07": model name, '-', thickness tag
    std::string_view thicknessTag;     // "07"
    double plateThickness;             // mm
    int depth;                         // mm
    double basicAllowableStress;       // fb, N/mm²
    bool inCatalogue;                  // IsCatalogueDeck
    SectionValues section;             // all zero outside the catalogue
    std::array<double, 4> unitWeights; // N/m² by coating code 0-3 (LookupDeckWeight), 0 outside
    DeckClassFigures steelClass;       // the steel-frame class
    DeckClassFigures otherClasses;     // every other class

    const DeckClassFigures &ForClass(int alphaClass) const {
        return alphaClass == code::kClassSteel ? steelClass : otherClasses;
    }
    // The catalogue unit weight for a coating; none where LookupDeckWeight finds none.
    std::optional<double> UnitWeight(int coating) const {
        if (!inCatalogue || coating < 0 || coating >= static_cast<int>(unitWeights.size()))
            return std::nullopt;
        return unitWeights[coating];
    }
};

// The entry of any codes: those outside the catalogue get what the functions above give for
// them (an empty model name, a plate thickness of 0.0, no section values).
const DeckEntry &LookupDeck(int family, int model, int thicknessCode);

} // namespace korvane
