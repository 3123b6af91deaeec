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

// α of the class; the steel-frame class (Ｓ造) applies none and never reads it: 0.
double Alpha(int alphaClass) {
    switch (alphaClass) {
    case code::kClass1:
        return 1.0;
    case code::kClass2:
        return 1.25;
    case code::kClass3:
        return 1.5;
    default:
        return 0;
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

// fb': fb reduced by β (and by α, rounded up, for every class but the steel-frame one).
double AllowableBendingStress(int alphaClass, double fb, double alpha, double beta) {
    if (alphaClass == code::kClassSteel)
        return fb / beta;
    return CeilToDigits(CeilDigits::kIntegerDigits, fb / (alpha * beta) * 10000) / 10000;
}

// The catalogue's weight of the deck and coating, the case's own for the coating "他", and
// none (0) for a deck outside the catalogue.
double DeckWeight(const DesignCase &record, const DeckEntry &deck) {
    if (record.coatingCode == code::kCoatingOther)
        return record.unitWeight;
    return deck.UnitWeight(record.coatingCode).value_or(0);
}

// The deflection in mm of the span l1 (m) under the total load.
double Deflection(double l1, double coefficient, double totalLoad, double inertia) {
    const double l1Squared = l1 * l1;
    return l1Squared * l1Squared * (coefficient * kDeflectionFactor * totalLoad / 100) * 100 /
           kYoungsModulus / inertia;
}

// Only shores bear on the ribs: none without them.
double RibBearingLoad(int shoringCode, double l1, double totalLoad) {
    if (shoringCode == code::kShoringNone)
        return 0;
    return CeilToDigits(CeilDigits::kIntegerDigitsPlusOne, l1 * totalLoad * 10000) / 10000;
}

// Which checks apply follows from the case alone; whether they pass needs its calculation.
CheckVerdicts ApplicableChecks(const DesignCase &record) {
    CheckVerdicts v;
    v.ribBearing.applies = record.shoringCode != code::kShoringNone;
    v.bending.applies = true;
    v.deflection.applies = true;
    v.maxSpan.applies =
        record.deckFamily == code::kFamilyRidge && record.thicknessCode == code::kThickness07;
    return v;
}

// The outcome of each check, written where the verdicts are kept.
void SetOutcomes(const CalculationResult &r, CheckVerdicts &v) {
    v.ribBearing.passes = r.ribBearingLoad <= r.ribBearingAllow;
    v.bendingStress = CeilToDigits(CeilDigits::kIntegerDigitsPlusThree, 1000 * r.stress);
    v.bending.passes = v.bendingStress <= r.fbAllow;
    v.deflection.passes = r.deflection <= r.deflectionLimit;
    v.maxSpan.passes = r.effectiveSpan * 10 <= r.maxSpan;
}

} // namespace

// Every figure is given in the one initialiser, so that the result is written once, field by
// field, and never cleared first.
CalculationResult Calculate(const DesignCase &record) {
    const DeckEntry &deck = LookupDeck(record.deckFamily, record.deckModel, record.thicknessCode);
    const DeckClassFigures &figures = deck.ForClass(record.alphaClass);
    const double span = record.spanLength / 10.0;
    const double effectiveSpan = EffectiveSpan(span, record.shoringCode);
    const double alpha = Alpha(record.alphaClass);
    const double density = ConcreteDensity(record.concreteKind);
    const double deckWeight = DeckWeight(record, deck);
    const double deadLoad = (record.slabThickness / 10.0) * density * 10 + deckWeight;
    const double workLoad = CombinedWorkLoad(record);
    const double totalLoad = deadLoad + workLoad;
    const SectionValues &section = deck.section;
    const double l1 = effectiveSpan / 100; // m
    const double moment = l1 * l1 * (kMomentFactor * totalLoad / 1000);
    return {
        .concreteThickness = record.slabThickness,
        .concreteDensity = density,
        .deckDepth = deck.depth,
        .deckWeight = deckWeight,
        .plateThickness = deck.plateThickness,
        .span = span,
        .effectiveSpan = effectiveSpan,
        .totalLoad = totalLoad,
        .workLoad = workLoad,
        .deadLoad = deadLoad,
        .sectionModulus = section.sectionModulus,
        .inertia = section.inertia,
        .moment = moment,
        .stress = moment / section.sectionModulus,
        .fb = deck.basicAllowableStress,
        .fbAllow = AllowableBendingStress(record.alphaClass, deck.basicAllowableStress, alpha,
                                          figures.reductionFactor),
        .deflectionLimit = 10 * effectiveSpan / 180 + 5,
        .ribBearingAllow = section.ribBearingAllow,
        .deflectionCoef = figures.deflectionCoefficient,
        .deflection = Deflection(l1, figures.deflectionCoefficient, totalLoad, section.inertia),
        .ribBearingLoad = RibBearingLoad(record.shoringCode, l1, totalLoad),
        .deckLabel = deck.label,
        .thicknessTag = deck.thicknessTag,
        .alpha = alpha,
        .beta = figures.reductionFactor,
        .outsideGuideline = OutsideGuideline(record.alphaClass, deck.plateThickness),
        .maxSpan = figures.maximumSpan,
    };
}

CaseResult CalculateCase(const DesignCase &record) {
    CaseResult calculated{record, Calculate(record), ApplicableChecks(record)};
    SetOutcomes(calculated.calculation, calculated.verdicts);
    return calculated;
}

CheckVerdicts EvaluateChecks(const DesignCase &record, const CalculationResult &r) {
    CheckVerdicts verdicts = ApplicableChecks(record);
    SetOutcomes(r, verdicts);
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
