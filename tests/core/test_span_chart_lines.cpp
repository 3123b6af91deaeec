// The maximum-span chart's lines: one per model and shoring option, broken where a thickness
// has no span, and a line that repeats an earlier model's drawn once under both names.
#include "core/Catalogue.h"
#include "core/SpanChartLines.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

// A row of the table: the deck (family 1, the model, thickness code) and its three spans.
SpanTableRow Row(int model, int thicknessCode, std::optional<int> none, std::optional<int> one,
                 std::optional<int> two) {
    SpanTableRow row;
    row.deck = {code::kFamilyPx, model, thicknessCode};
    row.cells[0].maxSpan = none;
    row.cells[1].maxSpan = one;
    row.cells[2].maxSpan = two;
    return row;
}

TEST(SpanChartLines, BreakAtAMissingSpanAndShareRepeatedLines) {
    // Model 0: 0.8, 1.0, 1.2 mm; no span at 1.0 mm without shoring. Model 1 repeats model 0
    // with one row of shoring and nowhere else.
    const std::vector<SpanTableRow> rows = {
        Row(0, 0, 2000, 3000, 4000), Row(0, 1, std::nullopt, 3100, 4100),
        Row(0, 2, 2200, 3200, 4200), Row(1, 0, 2050, 3000, 4050),
        Row(1, 1, 2150, 3100, 4150), Row(1, 2, 2250, 3200, 4250),
    };
    const std::vector<std::string> models = SpanChartModels(rows);
    ASSERT_EQ(models.size(), 2u);
    EXPECT_EQ(models[0], DeckModelName(code::kFamilyPx, 0));

    const std::vector<SpanChartLine> lines = SpanChartLines(rows);
    ASSERT_EQ(lines.size(), 5u) << "model 1's one-row line is model 0's";
    const SpanChartLine &broken = lines[0];
    EXPECT_EQ(broken.model, 0u);
    EXPECT_EQ(broken.shoring, 0u);
    ASSERT_EQ(broken.segments.size(), 2u);
    EXPECT_EQ(broken.segments[0].size(), 1u);
    EXPECT_DOUBLE_EQ(broken.segments[1][0].thickness, 1.2);
    EXPECT_EQ(broken.segments[1][0].span, 2200);

    const SpanChartLine &shared = lines[1];
    EXPECT_EQ(shared.shoring, 1u);
    EXPECT_EQ(shared.name, models[0] + "・" + models[1] + " 有り-１本");
    EXPECT_EQ(lines[2].name, models[0] + " 有り-２本");
    EXPECT_EQ(lines[3].model, 1u);
    EXPECT_EQ(lines[3].shoring, 0u);
    EXPECT_EQ(lines[4].shoring, 2u);

    // The legend says model 1's one-row line is model 0's, and nothing else.
    const std::vector<SpanChartRepeat> repeats = SpanChartRepeats(rows);
    ASSERT_EQ(repeats.size(), 2u);
    EXPECT_EQ(repeats[0], SpanChartRepeat{});
    EXPECT_EQ(repeats[1], (SpanChartRepeat{std::nullopt, 0u, std::nullopt}));

    // Every span of a model is a marker, a shared line's included; a missing span is none.
    const auto points = SpanChartModelPoints(rows);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].size(), 8u);
    EXPECT_EQ(points[1].size(), 9u);
    EXPECT_DOUBLE_EQ(points[0][3].thickness, PlateThicknessOf(1));
    EXPECT_EQ(points[0][3].span, 3100);
}

TEST(SpanChartLines, ALineWithoutAnySpanStaysNamed) {
    const std::vector<SpanTableRow> rows = {Row(0, 0, std::nullopt, 3000, 4000)};
    const std::vector<SpanChartLine> lines = SpanChartLines(rows);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[0].segments.empty());
    EXPECT_FALSE(lines[0].name.empty());
}

} // namespace
} // namespace korvane
