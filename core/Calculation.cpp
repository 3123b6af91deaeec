#include "core/Calculation.h"

#include "core/Catalogue.h"
#include "core/DesignCase.h"

#include <array>
#include <cmath>
#include <optional>

namespace korvane {

namespace {

constexpr double kMomentFactor = 0.125; // wL²/8
constexpr double kDeflectionFactor = 5.0 / 384.0;

double ConcreteDensity(int concreteKind) {
    switch (concreteKind) {
    case code::kConcreteLight1:
        return 20.0;
    case code::kConcreteLight2:
        return 18.0;
    default:
        return 24.0;
    }
}

// Lw in cm: the span between shores, L/2 or L/3 in mm rounded up to 0.01 mm.
double EffectiveSpan(double span, int shoringCode) {
    switch (shoringCode) {
    case code::kShoringOneRow:
        return CeilToDigits(CeilDigits::kIntegerDigitsPlusThree, span * 10 / 2) / 10;
    case code::kShoringTwoRows:
        return CeilToDigits(CeilDigits::kIntegerDigitsPlusThree, span * 10 / 3) / 10;
    default:
        return span;
    }
}

// Working load plus other load, added without 32-bit overflow.
double CombinedWorkLoad(const DesignCase &record) {
    double load = record.workLoadValue;
    if (record.otherLoadValue != 0)
        load = static_cast<double>(static_cast<std::int64_t>(record.workLoadValue) +
                                   record.otherLoadValue);
    return load;
}

// Guideline combinations: Ⅱ類 applies to 1.0 and 1.2 mm plate, Ⅲ類 to 0.8 mm plate only.
int OutsideGuideline(int alphaClass, double plateThickness) {
    if (alphaClass == code::kClass2 && plateThickness != 1.0 && plateThickness != 1.2)
        return 1;
    if (alphaClass == code::kClass3 && plateThickness != 0.8)
        return 1;
    return 0;
}

void SetAlpha(int alphaClass, CalculationResult &r) {
    switch (alphaClass) {
    case code::kClass1:
        r.alpha = 1.0;
        break;
    case code::kClass2:
        r.alpha = 1.25;
        break;
    case code::kClass3:
        r.alpha = 1.5;
        break;
    default: // Ｓ造: α is not applied and not read
        break;
    }
}

// 10^e for the rounding routines: the nearest double to the power, from a table for the
// exponents that occur (the same values std::pow gives) and std::pow beyond it.
constexpr int kTableExponent = 22;
constexpr auto kPowersOfTen = [] {
    std::array<double, 2 * kTableExponent + 1> table{};
    for (int e = -kTableExponent; e <= kTableExponent; ++e) {
        double value = 1;
        for (int i = 0; i < (e < 0 ? -e : e); ++i)
            value *= 10; // exact up to 10^22
        table[e + kTableExponent] = e < 0 ? 1 / value : value;
    }
    return table;
}();

double PowerOfTen(int e) {
    if (e >= -kTableExponent && e <= kTableExponent)
        return kPowersOfTen[e + kTableExponent];
    return std::pow(10.0, e);
}

int DecimalExponent(double x) {
    return static_cast<int>(std::floor(std::log(x) / std::log(10.0)));
}

// The routines size their step by the magnitude of x. A negative x (a negative load that
// only a hand-edited file can bring) takes the step of its magnitude instead of the
// logarithm of a negative number; zero, infinity and NaN give 0.
double RoundHalfUpDigits(double x, int digits) {
    if (x == 0 || !std::isfinite(x))
        return 0;
    const double q = PowerOfTen(DecimalExponent(std::fabs(x)) - (digits - 1));
    return std::floor(x / q + 0.5) * q;
}

void SetAllowables(const DesignCase &record, const DeckEntry &deck, CalculationResult &r) {
    r.fb = deck.basicAllowableStress;
    if (record.alphaClass == code::kClassSteel)
        r.fbAllow = r.fb / r.beta;
    else
        r.fbAllow =
            CeilToDigits(CeilDigits::kIntegerDigits, r.fb / (r.alpha * r.beta) * 10000) / 10000;
    r.deflectionLimit = 10 * r.effectiveSpan / 180 + 5;
}

// Loads, the deck's figures and the allowables of one case, from its deck's catalogue entry.
void Prepare(const DesignCase &record, const DeckEntry &deck, CalculationResult &r) {
    const DeckClassFigures &classFigures = deck.ForClass(record.alphaClass);
    r.deflectionCoef = classFigures.deflectionCoefficient;
    r.span = record.spanLength / 10.0;
    r.effectiveSpan = EffectiveSpan(r.span, record.shoringCode);
    r.concreteThickness = record.slabThickness;
    r.workLoad = CombinedWorkLoad(record);
    r.plateThickness = deck.plateThickness;
    r.thicknessTag = deck.thicknessTag;
    r.deckDepth = deck.depth;
    r.deckLabel = deck.label;
    r.outsideGuideline = OutsideGuideline(record.alphaClass, r.plateThickness);
    SetAlpha(record.alphaClass, r);
    r.beta = classFigures.reductionFactor;
    r.maxSpan = classFigures.maximumSpan;
    SetAllowables(record, deck, r);

    if (deck.inCatalogue) {
        r.ribBearingAllow = deck.section.ribBearingAllow;
        r.sectionModulus = deck.section.sectionModulus;
        r.inertia = deck.section.inertia;
    }
    r.concreteDensity = ConcreteDensity(record.concreteKind);

    if (record.coatingCode == code::kCoatingOther)
        r.deckWeight = record.unitWeight;
    r.deadLoad = (r.concreteThickness / 10.0) * r.concreteDensity * 10 + r.deckWeight;
    r.totalLoad = r.deadLoad + r.workLoad;
}

// The verdicts written where they are kept, so that a calculated case does not copy them.
void SetVerdicts(const DesignCase &record, const CalculationResult &r, CheckVerdicts &v) {
    v.ribBearing.applies = record.shoringCode != code::kShoringNone;
    v.ribBearing.passes = r.ribBearingLoad <= r.ribBearingAllow;

    v.bendingStress = CeilToDigits(CeilDigits::kIntegerDigitsPlusThree, 1000 * r.stress);
    v.bending.applies = true;
    v.bending.passes = v.bendingStress <= r.fbAllow;

    v.deflection.applies = true;
    v.deflection.passes = r.deflection <= r.deflectionLimit;

    v.maxSpan.applies =
        record.deckFamily == code::kFamilyRidge && record.thicknessCode == code::kThickness07;
    v.maxSpan.passes = r.effectiveSpan * 10 <= r.maxSpan;
}

// The whole calculation into a fresh result, which may be part of a larger record: the
// deck weight from the catalogue, then the steps.
void CalculateInto(const DesignCase &record, CalculationResult &fresh) {
    const DeckEntry &deck = LookupDeck(record.deckFamily, record.deckModel, record.thicknessCode);
    if (const std::optional<double> weight = deck.UnitWeight(record.coatingCode))
        fresh.deckWeight = *weight;
    Prepare(record, deck, fresh);
    ComputeResponses(record, fresh);
}

} // namespace

void PrepareCalculation(const DesignCase &record, CalculationResult &r) {
    Prepare(record, LookupDeck(record.deckFamily, record.deckModel, record.thicknessCode), r);
}

void ComputeResponses(const DesignCase &record, CalculationResult &r) {
    const double l1 = r.effectiveSpan / 100; // m
    r.moment = l1 * l1 * (kMomentFactor * r.totalLoad / 1000);
    r.stress = r.moment / r.sectionModulus;
    const double l1Squared = l1 * l1;
    r.deflection = l1Squared * l1Squared *
                   (r.deflectionCoef * kDeflectionFactor * r.totalLoad / 100) * 100 /
                   kYoungsModulus / r.inertia;
    if (record.shoringCode != code::kShoringNone)
        r.ribBearingLoad =
            CeilToDigits(CeilDigits::kIntegerDigitsPlusOne, l1 * r.totalLoad * 10000) / 10000;
}

CalculationResult Calculate(const DesignCase &record) {
    CalculationResult result;
    CalculateInto(record, result);
    return result;
}

CaseResult CalculateCase(const DesignCase &record) {
    CaseResult calculated{record, {}, {}};
    CalculateInto(record, calculated.calculation);
    SetVerdicts(record, calculated.calculation, calculated.verdicts);
    return calculated;
}

CheckVerdicts EvaluateChecks(const DesignCase &record, const CalculationResult &r) {
    CheckVerdicts verdicts;
    SetVerdicts(record, r, verdicts);
    return verdicts;
}

double CeilToDigits(CeilDigits digits, double x) {
    if (x == 0)
        return x;
    if (!std::isfinite(x))
        return 0;
    const double magnitude = std::fabs(x);
    int k = magnitude >= 10000 ? 4 : magnitude >= 1000 ? 3 : magnitude >= 100 ? 2 : 1;
    if (digits == CeilDigits::kIntegerDigitsPlusOne)
        k += 1;
    else if (digits == CeilDigits::kIntegerDigitsPlusThree)
        k += 3;
    const double q = PowerOfTen(DecimalExponent(magnitude) - k + 1);
    return std::ceil(x / q) * q;
}

double RoundHalfUp3(double x) {
    return RoundHalfUpDigits(x, 3);
}

double RoundHalfUp4(double x) {
    return RoundHalfUpDigits(x, 4);
}

} // namespace korvane
