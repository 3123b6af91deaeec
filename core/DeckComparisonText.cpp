#include "core/DeckComparisonText.h"

#include "core/CsvText.h"
#include "core/DeckTableText.h"
#include "core/DesignCase.h"
#include "core/InputCaptions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace korvane {

namespace {

// Products such as 0.87 * 100 land a hair above the whole number in binary; without this
// margin rounding up would read them one step too high.
constexpr double kRepresentationMargin = 1e-9;

std::int64_t PowerOfTen(int decimals) {
    std::int64_t power = 1;
    for (int i = 0; i < decimals; ++i)
        power *= 10;
    return power;
}

// `steps` hundredths (for two decimals) as "0.87".
std::string FixedPointText(std::int64_t steps, int decimals) {
    const std::int64_t scale = PowerOfTen(decimals);
    std::string text = std::to_string(steps / scale);
    if (decimals == 0)
        return text;
    std::string fraction = std::to_string(steps % scale);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    return text + "." + fraction;
}

CheckCellTexts CheckTexts(const CheckUtilisation &check, int decimals) {
    if (!check.applies)
        return {kNotApplicableText, kNotApplicableText, false};
    return {check.passes ? kCheckPassText : kCheckFailText,
            UtilisationText(check.utilisation, check.passes, decimals), !check.passes};
}

std::vector<std::string> CsvRowOf(const DeckComparisonRow &row) {
    return CellTexts(DeckComparisonCells(DeckComparisonTexts(row, kCsvUtilisationDecimals)));
}

} // namespace

std::string UtilisationText(double utilisation, bool passes, int decimals) {
    if (!std::isfinite(utilisation))
        return "∞";
    const std::int64_t scale = PowerOfTen(decimals);
    auto steps = static_cast<std::int64_t>(
        std::ceil(utilisation * static_cast<double>(scale) - kRepresentationMargin));
    if (!passes)
        steps = std::max(steps, scale + 1);
    return FixedPointText(std::max<std::int64_t>(steps, 0), decimals);
}

std::string ShoringCaption(int shoringCode) {
    const auto position =
        std::find(kShoringCodes.begin(), kShoringCodes.end(), shoringCode) - kShoringCodes.begin();
    if (position >= static_cast<std::ptrdiff_t>(kShoringCodes.size()))
        return kNotApplicableText;
    return CompactCaption(caption::kShoringOptions[static_cast<std::size_t>(position)]);
}

std::string ComparisonTakeNote(const DeckComparisonRow &row) {
    const std::optional<int> raised = TakenFromComparison(row).shoringCode;
    if (!raised)
        return {};
    return "支保工を「" + ShoringCaption(*raised) + "」にしました（" + row.deckLabel + " は「" +
           ShoringCaption(row.result.record.shoringCode) + "」では不可です）。";
}

std::string BeyondSpanLimitText(int largestSpan) {
    return "計算範囲外 (" + std::to_string(largestSpan) + " " + std::string(caption::kLengthUnit) +
           "以下)";
}

DeckComparisonRowTexts DeckComparisonTexts(const DeckComparisonRow &row, int decimals) {
    DeckComparisonRowTexts texts;
    texts.deck = row.deckLabel;
    texts.weight = WeightText(row.weight);
    if (row.beyondSpanLimit) {
        // The calculation's figures beyond the range would read as a verdict: none is shown.
        for (CheckCellTexts &check : texts.checks)
            check = {kNotApplicableText, kNotApplicableText, false};
        texts.largest = kNotApplicableText;
        texts.fails = true;
        texts.leastShoring = BeyondSpanLimitText(*row.beyondSpanLimit);
        return texts;
    }
    for (std::size_t i = 0; i < row.checks.size(); ++i)
        texts.checks[i] = CheckTexts(row.checks[i], decimals);
    texts.largest = UtilisationText(row.largestUtilisation, row.passes, decimals);
    texts.fails = !row.passes;
    texts.leastShoring =
        row.leastShoring ? ShoringCaption(*row.leastShoring) : std::string(kNotApplicableText);
    return texts;
}

std::vector<ComparisonCell> DeckComparisonCells(const DeckComparisonRowTexts &texts) {
    std::vector<ComparisonCell> cells{{texts.deck, false}, {texts.weight, false}};
    for (const CheckCellTexts &check : texts.checks) {
        cells.push_back({check.verdict, check.fails});
        cells.push_back({check.utilisation, check.fails});
    }
    cells.push_back({texts.largest, texts.fails});
    cells.push_back({texts.leastShoring, false});
    return cells;
}

std::vector<std::string> CellTexts(const std::vector<ComparisonCell> &cells) {
    std::vector<std::string> texts;
    texts.reserve(cells.size());
    for (const ComparisonCell &cell : cells)
        texts.push_back(cell.text);
    return texts;
}

const std::vector<ColumnHeading> &DeckComparisonHeadings() {
    static const std::vector<ColumnHeading> headings = [] {
        std::vector<ColumnHeading> list{{"デッキ", ""}, {"単位重量", "(N/㎡)"}};
        for (const CheckName check : kChecksInSheetOrder) {
            list.push_back({CheckMark(check), "判定"});
            list.push_back({CheckMark(check), "検定比"});
        }
        list.push_back({"最大", "検定比"});
        list.push_back({"必要", "支保工"});
        return list;
    }();
    return headings;
}

std::vector<std::string> DeckComparisonPageHeadings() {
    std::vector<std::string> headings{"デッキ", "重量 N/㎡"};
    for (const CheckName check : kChecksInSheetOrder) {
        headings.emplace_back(CheckMark(check));
        headings.emplace_back("検定比");
    }
    headings.emplace_back("最大検定比");
    headings.emplace_back("必要支保工");
    return headings;
}

std::vector<std::string> DeckComparisonConditions(const DesignCase &conditions) {
    std::vector<std::string> lines = ConditionsText(conditions);
    lines.push_back("スパン：" + std::to_string(conditions.spanLength) + " " +
                    std::string(caption::kLengthUnit));
    lines.push_back(CompactCaption(caption::kShoringGroup) + "：" +
                    ShoringCaption(conditions.shoringCode));
    return lines;
}

std::string DeckComparisonCsv(const std::vector<DeckComparisonRow> &rows,
                              const DesignCase &conditions, std::string_view date) {
    std::string text(kUtf8ByteOrderMark);
    AppendCsvHeading(text, kDeckComparisonTitle, conditions, date);
    for (const std::string &line : DeckComparisonConditions(conditions))
        AppendCsvRow(text, {line});
    AppendCsvRow(text, {});
    std::vector<std::string> headings;
    for (const ColumnHeading &heading : DeckComparisonHeadings())
        headings.push_back(heading.top + heading.bottom);
    AppendCsvRow(text, headings);
    for (const DeckComparisonRow &row : rows)
        AppendCsvRow(text, CsvRowOf(row));
    return text;
}

} // namespace korvane
