#include "core/Calculation.h"
#include "core/DesignCase.h"
#include "tests/CaseRowPrinting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korvane {
namespace {

// Relative closeness for values that the rounding routines produce as multiples of a
// decimal step (180.93 is not exact in binary).
::testing::AssertionResult Near(double actual, double expected) {
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(expected));
    if (std::fabs(actual - expected) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not " << expected;
}

struct RoundingCase {
    const char *name;
    double (*routine)(double);
    double x;
    double expected;
};

void PrintTo(const RoundingCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "x", row.x, "expected", row.expected);
}

double Ceil0(double x) {
    return CeilToDigits(CeilDigits::kIntegerDigitsPlusOne, x);
}
double Ceil3(double x) {
    return CeilToDigits(CeilDigits::kIntegerDigitsPlusThree, x);
}
double Ceil5(double x) {
    return CeilToDigits(CeilDigits::kIntegerDigits, x);
}

class Rounding : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(Rounding, GivesTheStepOfItsMagnitude) {
    const RoundingCase &c = GetParam();
    EXPECT_TRUE(Near(c.routine(c.x), c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Routines, Rounding,
    ::testing::Values(RoundingCase{"ceil0_ribLoad", Ceil0, 5876.25, 5877},
                      RoundingCase{"ceil0_large", Ceil0, 58762500, 58763000},
                      RoundingCase{"ceil0_belowTen", Ceil0, 1.234, 1.3},
                      RoundingCase{"ceil3_alreadyOnStep", Ceil3, 180.93, 180.93},
                      RoundingCase{"ceil3_justAbove", Ceil3, 180.931, 180.94},
                      RoundingCase{"ceil3_belowTen", Ceil3, 4.52341, 4.524},
                      RoundingCase{"ceil5_fourDigits", Ceil5, 1566666.67, 1567000},
                      RoundingCase{"ceil5_onStep", Ceil5, 1880000, 1880000},
                      RoundingCase{"ceil0_zero", Ceil0, 0, 0},
                      RoundingCase{"ceil3_zero", Ceil3, 0, 0},
                      RoundingCase{"ceil5_zero", Ceil5, 0, 0},
                      RoundingCase{"half3_down", RoundHalfUp3, 1234, 1230},
                      RoundingCase{"half3_up", RoundHalfUp3, 1235, 1240},
                      RoundingCase{"half3_small", RoundHalfUp3, 24, 24},
                      RoundingCase{"half4_up", RoundHalfUp4, 12345, 12350},
                      RoundingCase{"half4_deckWeight", RoundHalfUp4, 111, 111}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Rounding, NoNonFiniteValueComesOut) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double x : {inf, -inf, nan}) {
        EXPECT_EQ(CeilToDigits(CeilDigits::kIntegerDigitsPlusThree, x), 0);
        EXPECT_EQ(RoundHalfUp3(x), 0);
        EXPECT_EQ(RoundHalfUp4(x), 0);
    }
    EXPECT_EQ(RoundHalfUp3(0), 0);
    // A negative value rounds by the step of its magnitude, still upwards.
    EXPECT_TRUE(Near(CeilToDigits(CeilDigits::kIntegerDigitsPlusThree, -180.931), -180.93));
    EXPECT_TRUE(Near(RoundHalfUp3(-1235), -1230));
    EXPECT_TRUE(std::isfinite(RoundHalfUp4(-5)));
}

DesignCase DefaultCase() {
    DesignCase r;
    r.unitWeight = 111;
    return r;
}

TEST(Calculation, DefaultDesignCase) {
    const DesignCase record = DefaultCase();
    const CalculationResult r = Calculate(record);
    EXPECT_EQ(r.span, 250);
    EXPECT_EQ(r.effectiveSpan, 250);
    EXPECT_EQ(r.deckWeight, 111);
    EXPECT_EQ(r.deadLoad, 3231);
    EXPECT_EQ(r.workLoad, 1470);
    EXPECT_EQ(r.totalLoad, 4701);
    EXPECT_EQ(r.deckLabel, "PX75LA-07");
    EXPECT_EQ(r.thicknessTag, "07");
    EXPECT_EQ(r.deflectionCoef, 1.5);
    EXPECT_EQ(r.beta, 1.25);
    EXPECT_EQ(r.fb, 235);
    EXPECT_EQ(r.fbAllow, 188);
    EXPECT_NEAR(r.moment, 3.67266, 5e-6);
    EXPECT_NEAR(r.deflection, 16.66, 0.005);
    EXPECT_NEAR(r.deflectionLimit, 18.889, 0.0005);
    EXPECT_EQ(r.maxSpan, 2420);
    EXPECT_EQ(r.deckDepth, 75);

    const CheckVerdicts v = EvaluateChecks(record, r);
    EXPECT_FALSE(v.ribBearing.applies);
    EXPECT_TRUE(Near(v.bendingStress, 180.92));
    EXPECT_TRUE(v.bending.passes);
    EXPECT_TRUE(v.deflection.passes);
    EXPECT_TRUE(v.maxSpan.applies);
    EXPECT_FALSE(v.maxSpan.passes);
}

TEST(Calculation, OneRowOfShoresHalvesTheSpanOfTheChecks) {
    DesignCase record = DefaultCase();
    record.shoringCode = code::kShoringOneRow;
    const CalculationResult r = Calculate(record);
    EXPECT_EQ(r.effectiveSpan, 125);
    EXPECT_TRUE(Near(r.ribBearingLoad, 5876.3));
    EXPECT_EQ(r.ribBearingAllow, 9800);
    EXPECT_NEAR(r.deflection, 1.04, 0.005);
    EXPECT_NEAR(r.deflectionLimit, 11.944, 0.0005);

    const CheckVerdicts v = EvaluateChecks(record, r);
    EXPECT_TRUE(v.ribBearing.applies);
    EXPECT_TRUE(v.ribBearing.passes);
    EXPECT_TRUE(Near(v.bendingStress, 45.23));
    EXPECT_TRUE(v.maxSpan.passes); // 1250 mm against 2420 mm
}

TEST(Calculation, TwoRowsOfShoresRoundTheThirdUpToHundredthsOfAMillimetre) {
    DesignCase record = DefaultCase();
    record.shoringCode = code::kShoringTwoRows;
    EXPECT_TRUE(Near(Calculate(record).effectiveSpan, 83.334));
    record.spanLength = 1000;
    EXPECT_TRUE(Near(Calculate(record).effectiveSpan, 33.334));
}

TEST(Calculation, HighStrengthDeckOfClassThreeFailsBendingAndDeflection) {
    DesignCase record;
    record.deckFamily = 0;
    record.deckModel = code::kModelPx75Valpha;
    record.thicknessCode = 2; // 1.2 mm
    record.alphaClass = code::kClass3;
    record.spanLength = 3000;
    record.slabThickness = 150;
    const CalculationResult r = Calculate(record);
    EXPECT_EQ(r.deckWeight, 184);
    EXPECT_TRUE(Near(r.fbAllow, 156.7));
    EXPECT_EQ(r.outsideGuideline, 1);
    EXPECT_NEAR(r.deflection, 23.38, 0.005);
    EXPECT_NEAR(r.deflectionLimit, 21.667, 0.0005);

    const CheckVerdicts v = EvaluateChecks(record, r);
    EXPECT_TRUE(Near(v.bendingStress, 190.67));
    EXPECT_FALSE(v.bending.passes);
    EXPECT_FALSE(v.deflection.passes);
    EXPECT_FALSE(v.maxSpan.applies);
}

struct AllowableCase {
    const char *name;
    int family, model, thicknessCode, alphaClass;
    double fb, fbAllow, deflectionCoef, beta;
    int maxSpan, outsideGuideline;
};

void PrintTo(const AllowableCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "family", row.family, "model", row.model, "thicknessCode",
             row.thicknessCode, "alphaClass", row.alphaClass, "fb", row.fb, "fbAllow", row.fbAllow,
             "deflectionCoef", row.deflectionCoef, "beta", row.beta, "maxSpan", row.maxSpan,
             "outsideGuideline", row.outsideGuideline);
}

class Allowables : public ::testing::TestWithParam<AllowableCase> {};

TEST_P(Allowables, FollowDeckAndClass) {
    const AllowableCase &c = GetParam();
    DesignCase record;
    record.deckFamily = c.family;
    record.deckModel = c.model;
    record.thicknessCode = c.thicknessCode;
    record.alphaClass = c.alphaClass;
    record.spanLength = 3000;
    const CalculationResult r = Calculate(record);
    EXPECT_EQ(r.fb, c.fb);
    EXPECT_TRUE(Near(r.fbAllow, c.fbAllow));
    EXPECT_EQ(r.deflectionCoef, c.deflectionCoef);
    EXPECT_EQ(r.beta, c.beta);
    EXPECT_EQ(r.maxSpan, c.maxSpan);
    EXPECT_EQ(r.outsideGuideline, c.outsideGuideline);
}

INSTANTIATE_TEST_SUITE_P(
    Decks, Allowables,
    ::testing::Values(AllowableCase{"PX75_08_steel", 0, 0, 0, 4, 205, 205, 1.6, 1.0, 0, 0},
                      AllowableCase{"PX100_10_class1", 0, 3, 1, 5, 205, 205, 1.6, 1.0, 0, 0},
                      AllowableCase{"PX75LA_07_steel", 1, 0, 5, 4, 235, 188, 1.5, 1.25, 2420, 0},
                      AllowableCase{"PX75LA_07_class3", 1, 0, 5, 9, 235, 89.53, 1.5, 1.75, 2050, 1},
                      AllowableCase{"PX75LB_07_class1", 1, 1, 5, 5, 235, 134.3, 1.5, 1.75, 2050, 0},
                      AllowableCase{"PX75LB_10_steel", 1, 1, 1, 4, 235, 235, 1.3, 1.0, 0, 0},
                      AllowableCase{"PX100L_07_class2", 1, 2, 5, 6, 235, 188, 1.5, 1.0, 3290, 1},
                      AllowableCase{"PX100L_07_steel", 1, 2, 5, 4, 235, 235, 1.4, 1.0, 3360, 0},
                      AllowableCase{"PX100L_08_steel", 1, 2, 0, 4, 235, 235, 1.3, 1.0, 0, 0},
                      AllowableCase{"PX100L_12_steel", 1, 2, 2, 4, 235, 235, 1.2, 1.0, 0, 0},
                      AllowableCase{"PX75V_10_class2", 0, 1, 1, 6, 205, 164, 1.6, 1.0, 0, 0},
                      AllowableCase{"PX75V_08_class3", 0, 1, 0, 9, 205, 136.7, 1.6, 1.0, 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Calculation, PX100LAtSevenTenthsPassesTheMaximumSpanOfClassTwo) {
    DesignCase record;
    record.deckModel = 2;
    record.alphaClass = code::kClass2;
    record.spanLength = 3000;
    const CheckVerdicts v = EvaluateChecks(record, Calculate(record));
    EXPECT_TRUE(v.maxSpan.applies);
    EXPECT_TRUE(v.maxSpan.passes);
}

TEST(Calculation, LoadsAddOtherLoadAndConcreteKind) {
    DesignCase record = DefaultCase();
    record.otherLoadValue = 500;
    record.concreteKind = code::kConcreteLight2;
    record.slabThickness = 150;
    const CalculationResult r = Calculate(record);
    EXPECT_EQ(r.workLoad, 1970);
    EXPECT_EQ(r.concreteDensity, 18);
    EXPECT_EQ(r.deadLoad, 2700 + 111);
}

TEST(Calculation, WorkLoadsAddWithoutOverflow) {
    DesignCase record = DefaultCase();
    record.workLoadValue = std::numeric_limits<std::int32_t>::max();
    record.otherLoadValue = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(Calculate(record).workLoad, 4294967294.0);
}

TEST(Calculation, DeckWeightComesFromTheCatalogueExceptForOtherCoating) {
    DesignCase record = DefaultCase();
    record.unitWeight = 150; // shown in the window, not used for Z12
    CalculationResult r = Calculate(record);
    EXPECT_EQ(r.deckWeight, 111);
    EXPECT_EQ(r.deadLoad, 3231);

    record.coatingCode = code::kCoatingOther;
    r = Calculate(record);
    EXPECT_EQ(r.deckWeight, 150);
    EXPECT_EQ(r.deadLoad, 3120 + 150);

    record.deckModel = 7; // outside the catalogue: no weight of its own
    record.coatingCode = 0;
    EXPECT_EQ(Calculate(record).deckWeight, 0);
}

TEST(Checks, EqualityPassesEveryCheck) {
    DesignCase record = DefaultCase();
    record.shoringCode = code::kShoringOneRow;
    CalculationResult r = Calculate(record);
    r.stress = r.fbAllow / 1000;
    r.deflection = r.deflectionLimit;
    r.ribBearingLoad = r.ribBearingAllow;
    r.effectiveSpan = r.maxSpan / 10.0;
    CheckVerdicts v = EvaluateChecks(record, r);
    EXPECT_TRUE(v.bending.passes);
    EXPECT_TRUE(v.deflection.passes);
    EXPECT_TRUE(v.ribBearing.passes);
    EXPECT_TRUE(v.maxSpan.passes);

    // Just above: the stress is rounded up to the next hundredth before the comparison.
    r.stress = (r.fbAllow + 0.001) / 1000;
    r.deflection = std::nextafter(r.deflectionLimit, 1e9);
    v = EvaluateChecks(record, r);
    EXPECT_FALSE(v.bending.passes);
    EXPECT_FALSE(v.deflection.passes);
}

} // namespace
} // namespace korvane
