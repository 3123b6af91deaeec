#pragma once
// The construction-stage calculation: loads, allowables, responses, the four checks and the
// rounding routines whose results the sheet prints.
//
// Calculate() gives the figures of a design case, EvaluateChecks() its verdicts from them.
// The deck weight is the catalogue's for the case's deck and coating, and the case's own
// unit weight for the coating "他". CalculateCase() is the one way from a design case to its
// verdicts that the window and korvane-calc both take.

#include "core/DesignCase.h"

#include <cstdint>
#include <string_view>

namespace korvane {

// Young's modulus of the deck steel, 10⁵ N/mm²: the deflection uses it and the sheet
// prints it in the deflection formula.
inline constexpr double kYoungsModulus = 2.05;

struct CalculationResult {
    std::int32_t concreteThickness = 0; // mm
    double concreteDensity = 0;         // kN/m³
    std::int32_t deckDepth = 0;         // mm
    double deckWeight = 0;              // N/m²
    double plateThickness = 0;          // mm
    double span = 0;                    // cm
    double effectiveSpan = 0;           // cm
    double totalLoad = 0;               // N/m²
    double workLoad = 0;                // N/m²
    double deadLoad = 0;                // N/m²
    double sectionModulus = 0;          // 10³ mm³/m
    double inertia = 0;                 // 10⁴ mm⁴/m
    double moment = 0;                  // kN·m/m
    double stress = 0;                  // 10³ N/mm²
    double fb = 0;                      // N/mm²
    double fbAllow = 0;                 // N/mm²
    double deflectionLimit = 0;         // mm
    double ribBearingAllow = 0;         // N/m
    double deflectionCoef = 0;
    double deflection = 0;         // mm
    double ribBearingLoad = 0;     // N/m
    std::string_view deckLabel;    // "PX75LA-07", kept by the catalogue (LookupDeck)
    std::string_view thicknessTag; // "07", kept by the catalogue
    double alpha = 0;
    double beta = 0;
    std::int32_t outsideGuideline = 0;
    std::int32_t maxSpan = 0; // mm, 0 = no maximum-span check
};

CalculationResult Calculate(const DesignCase &record);

struct CheckVerdict {
    bool applies = false;
    bool passes = true;
};

struct CheckVerdicts {
    CheckVerdict ribBearing;
    CheckVerdict bending;
    CheckVerdict deflection;
    CheckVerdict maxSpan;
    double bendingStress = 0; // N/mm², rounded up as compared and printed
};

CheckVerdicts EvaluateChecks(const DesignCase &record, const CalculationResult &result);

// A calculated design case: the case, its calculation and its verdicts (with the bending
// stress as compared and printed). The result window holds one; korvane-calc prints one.
struct CaseResult {
    DesignCase record;
    CalculationResult calculation;
    CheckVerdicts verdicts;
};

CaseResult CalculateCase(const DesignCase &record);

// How many significant digits CeilToDigits keeps. The base count is one fewer than the
// digits of the value's integer part, at least one and at most four (7.5 and 75 → 1,
// 750 → 2, 75000 → 4); the mode adds one, three or nothing to it.
enum class CeilDigits { kIntegerDigitsPlusOne, kIntegerDigitsPlusThree, kIntegerDigits };

// Rounds x up (towards plus infinity) to the last significant digit `digits` keeps.
// Infinity and NaN give 0, so that no such value reaches a sheet.
double CeilToDigits(CeilDigits digits, double x);
// Half up to three / four significant digits. Zero, infinity and NaN give 0.
double RoundHalfUp3(double x);
double RoundHalfUp4(double x);

} // namespace korvane
