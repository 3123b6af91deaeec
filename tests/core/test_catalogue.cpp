#include "core/Calculation.h"
#include "core/Catalogue.h"
#include "core/DesignCase.h"
#include "tests/CaseRowPrinting.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace korvane {
namespace {

struct WeightCase {
    const char *name;
    int family, model, thicknessCode, coating;
    bool found;
    double weight;
};

void PrintTo(const WeightCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "family", row.family, "model", row.model, "thicknessCode",
             row.thicknessCode, "coating", row.coating, "found", row.found, "weight", row.weight);
}

class DeckWeight : public ::testing::TestWithParam<WeightCase> {};

TEST_P(DeckWeight, IsTheCatalogueCell) {
    const WeightCase &c = GetParam();
    DesignCase record;
    record.deckFamily = c.family;
    record.deckModel = c.model;
    record.thicknessCode = c.thicknessCode;
    record.coatingCode = c.coating;
    double weight = -1;
    EXPECT_EQ(LookupDeckWeight(record, weight), c.found);
    EXPECT_EQ(weight, c.found ? c.weight : -1) << "a failed lookup leaves the output as it was";
}

// The corners and a middle cell of every coating block of both families, so that a shifted
// row or column shows.
INSTANTIATE_TEST_SUITE_P(Cells, DeckWeight,
                         ::testing::Values(WeightCase{"PX75LA_07_Z12", 1, 0, 5, 0, true, 111},
                                           WeightCase{"PX75LA_08_Z12", 1, 0, 0, 0, true, 126},
                                           WeightCase{"PX100L_16_Z12", 1, 2, 4, 0, true, 294},
                                           WeightCase{"PX75LB_10_Z27", 1, 1, 1, 1, true, 160},
                                           WeightCase{"PX100L_07_Y18", 1, 2, 5, 2, true, 135},
                                           WeightCase{"PX100L_14_K35", 1, 2, 3, 3, true, 265},
                                           WeightCase{"PX75LA_16_K35", 1, 0, 4, 3, true, 253},
                                           WeightCase{"PX75_08_Z12", 0, 0, 0, 0, true, 124},
                                           WeightCase{"PX75_16_Z27", 0, 0, 4, 1, true, 247},
                                           WeightCase{"PX75_12_Y18", 0, 0, 2, 2, true, 186},
                                           WeightCase{"PX75V_14_Y18", 0, 1, 3, 2, true, 214},
                                           WeightCase{"PX75Valpha_16_K35", 0, 2, 4, 3, true, 246},
                                           WeightCase{"PX100_08_Z12", 0, 3, 0, 0, true, 150},
                                           WeightCase{"PX100_16_Y18", 0, 3, 4, 2, true, 293},
                                           WeightCase{"PX100_K35_isZero", 0, 3, 2, 3, true, 0},
                                           WeightCase{"otherCoating", 1, 0, 5, 4, false, 0},
                                           WeightCase{"noCoating", 0, 0, 0, -1, false, 0},
                                           WeightCase{"thinPlateNotInFamily0", 0, 0, 5, 0, false,
                                                      0},
                                           WeightCase{"modelOutsideFamily1", 1, 3, 0, 0, false, 0},
                                           WeightCase{"unknownFamily", 2, 0, 0, 0, false, 0}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Catalogue, NamesOfCodes) {
    EXPECT_EQ(DeckModelName(0, 2), "PX75Vα");
    EXPECT_EQ(DeckModelName(0, 3), "PX100");
    EXPECT_EQ(DeckModelName(1, 2), "PX100L");
    EXPECT_EQ(DeckModelName(1, 3), "");
    EXPECT_EQ(DeckModelName(2, 0), "");
    EXPECT_EQ(PlateThicknessOf(5), 0.7);
    EXPECT_EQ(PlateThicknessOf(1), 1.0);
    EXPECT_EQ(PlateThicknessOf(6), 0.0);
    EXPECT_EQ(CoatingName(4), "他");
    EXPECT_EQ(CoatingName(3), "K35");
    EXPECT_EQ(CoatingName(-1), "");
}

TEST(Catalogue, PX75VAndPX75ValphaWeighTheSameButDifferInStrength) {
    SectionValues v{}, valpha{};
    ASSERT_TRUE(LookupSectionValues(0, 1, 2, v));
    ASSERT_TRUE(LookupSectionValues(0, 2, 2, valpha));
    EXPECT_EQ(v.sectionModulus, 29.4);
    EXPECT_EQ(valpha.sectionModulus, 31.0);
    EXPECT_EQ(v.inertia, 180);
    EXPECT_EQ(valpha.inertia, 185);
    EXPECT_EQ(v.ribBearingAllow, 19600);
    EXPECT_EQ(valpha.ribBearingAllow, 29400);
    EXPECT_EQ(BasicAllowableStress(0, 1), 205);
    EXPECT_EQ(BasicAllowableStress(0, 2), 235);
}

TEST(Catalogue, SectionValuesOfEveryTableEnd) {
    SectionValues s{};
    ASSERT_TRUE(LookupSectionValues(0, 3, 4, s));
    EXPECT_EQ(s.sectionModulus, 76.2);
    EXPECT_EQ(s.inertia, 550);
    EXPECT_EQ(s.ribBearingAllow, 29400);
    ASSERT_TRUE(LookupSectionValues(1, 1, 5, s));
    EXPECT_EQ(s.sectionModulus, 20.3);
    EXPECT_EQ(s.inertia, 105);
    EXPECT_EQ(s.ribBearingAllow, 9800);
    ASSERT_TRUE(LookupSectionValues(1, 2, 1, s));
    EXPECT_EQ(s.sectionModulus, 46.6);
    EXPECT_EQ(s.inertia, 352);
    EXPECT_EQ(s.ribBearingAllow, 22050);
    EXPECT_FALSE(LookupSectionValues(0, 0, 5, s));
}

TEST(Catalogue, DesignationAndDepth) {
    DesignCase record;
    record.deckModel = 2;     // PX100L
    record.thicknessCode = 1; // 1.0 mm
    EXPECT_EQ(Calculate(record).deckLabel, "PX100L-10");
    EXPECT_EQ(DeckDepth(1, 2), 75);
    EXPECT_EQ(DeckDepth(0, 3), 100);
}

// The one look-up a calculation makes stands for the functions above for every code a data
// file can bring, known or not: entries are made once for groups of codes, and a code put in
// the wrong group would give another deck's figures or texts.
TEST(Catalogue, DeckEntryIsWhatTheFunctionsGiveForEveryCode) {
    const int codes[] = {INT_MIN, -1, 0, 1, 2, 3, 4, 5, 6, 7, 1000};
    for (const int family : codes)
        for (const int model : codes)
            for (const int thickness : codes) {
                SCOPED_TRACE("family " + std::to_string(family) + " model " +
                             std::to_string(model) + " thickness " + std::to_string(thickness));
                const DeckEntry &entry = LookupDeck(family, model, thickness);
                // The tag is the plate thickness in tenths, rounded half up, in two digits.
                char tag[32];
                std::snprintf(tag, sizeof tag, "%02.0f",
                              std::floor(PlateThicknessOf(thickness) * 10 + 0.5));
                EXPECT_EQ(entry.thicknessTag, tag);
                EXPECT_EQ(ThicknessTag(thickness), tag);
                EXPECT_EQ(entry.label, DeckModelName(family, model) + "-" + tag);
                EXPECT_EQ(entry.plateThickness, PlateThicknessOf(thickness));
                EXPECT_EQ(entry.depth, DeckDepth(family, model));
                EXPECT_EQ(entry.basicAllowableStress, BasicAllowableStress(family, model));

                SectionValues section{};
                EXPECT_EQ(entry.inCatalogue,
                          LookupSectionValues(family, model, thickness, section));
                EXPECT_EQ(entry.inCatalogue, IsCatalogueDeck(family, model, thickness));
                EXPECT_EQ(entry.section.sectionModulus, section.sectionModulus);
                EXPECT_EQ(entry.section.inertia, section.inertia);
                EXPECT_EQ(entry.section.ribBearingAllow, section.ribBearingAllow);

                for (const int coating : {-1, 0, 1, 2, 3, 4, 5}) {
                    double weight = 0;
                    const bool found = LookupDeckWeight(family, model, thickness, coating, weight);
                    EXPECT_EQ(entry.UnitWeight(coating),
                              found ? std::optional<double>(weight) : std::nullopt)
                        << "coating " << coating;
                }
                for (const int alphaClass :
                     {code::kClassSteel, code::kClass1, code::kClass2, code::kClass3, 0, 7}) {
                    const DeckClassFigures &figures = entry.ForClass(alphaClass);
                    EXPECT_EQ(figures.deflectionCoefficient,
                              DeflectionCoefficient(family, model, thickness, alphaClass));
                    EXPECT_EQ(figures.reductionFactor,
                              ReductionFactor(family, model, thickness, alphaClass));
                    EXPECT_EQ(figures.maximumSpan,
                              MaximumSpan(family, model, thickness, alphaClass));
                }
            }
}

} // namespace
} // namespace korvane
