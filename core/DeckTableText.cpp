#include "core/DeckTableText.h"

#include "core/Catalogue.h"
#include "core/CsvText.h"
#include "core/InputCaptions.h"
#include "core/NumberDigits.h"
#include "core/PrintSettings.h"

#include <algorithm>
#include <cstdio>

namespace korvane {

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

std::string Line(std::string_view group, std::string_view value) {
    return CompactCaption(group) + "：" + std::string(value);
}

std::string LoadText(int value) {
    return std::to_string(value) + " " + std::string(caption::kLoadUnit);
}

std::string ConcreteLine(const DesignCase &conditions) {
    const int kind = conditions.concreteKind - code::kConcreteNormal;
    const std::string kindText =
        kind >= 0 && kind < static_cast<int>(caption::kConcreteKinds.size())
            ? CompactCaption(caption::kConcreteKinds[kind])
            : std::string("?");
    return "コンクリート" + Line(caption::kConcreteKindGroup, kindText) + "　" +
           Line(caption::kSlabThicknessGroup,
                std::to_string(conditions.slabThickness) + " " + std::string(caption::kLengthUnit));
}

std::string ClassLine(const DesignCase &conditions) {
    const auto &options = caption::kAlphaClassOptions;
    const auto found = std::find_if(options.begin(), options.end(), [&](const auto &option) {
        return option.code == conditions.alphaClass;
    });
    return Line(caption::kAlphaClassGroup, found != options.end() ? found->caption : "?");
}

// A catalogue coating gives each deck its own catalogue weight; "他" gives every deck the
// weight entered in the main window.
std::string CoatingLine(const DesignCase &conditions) {
    if (conditions.coatingCode == code::kCoatingOther)
        return Line(caption::kCoatingLabel, CoatingName(code::kCoatingOther)) + "　" +
               Line(caption::kUnitWeightLabel, LoadText(conditions.unitWeight)) + "（全デッキ）";
    return Line(caption::kCoatingLabel, CoatingName(conditions.coatingCode)) +
           "（各デッキのカタログ重量）";
}

} // namespace

std::string CompactCaption(std::string_view caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size();) {
        if (caption[i] == ' ') {
            ++i;
        } else if (caption.substr(i, kIdeographicSpace.size()) == kIdeographicSpace) {
            i += kIdeographicSpace.size();
        } else {
            text += caption[i++];
        }
    }
    return text;
}

std::vector<std::string> ConditionsText(const DesignCase &conditions) {
    return {ConcreteLine(conditions),
            Line(caption::kWorkLoadGroup, LoadText(conditions.workLoadValue)),
            Line(caption::kOtherLoadGroup, LoadText(conditions.otherLoadValue)),
            ClassLine(conditions), CoatingLine(conditions)};
}

std::string WeightText(double weight) {
    return RoundTripText(weight);
}

std::string ShoringHeading(int shoringCode) {
    const auto position =
        std::find(kShoringCodes.begin(), kShoringCodes.end(), shoringCode) - kShoringCodes.begin();
    if (position >= static_cast<std::ptrdiff_t>(kShoringCodes.size()))
        return {};
    return CompactCaption(caption::kShoringGroup) + " " +
           CompactCaption(caption::kShoringOptions[position]);
}

std::vector<std::string> ShoringHeadings() {
    std::vector<std::string> headings;
    for (const int shoring : kShoringCodes)
        headings.push_back(ShoringHeading(shoring));
    return headings;
}

std::string SpanCellText(const SpanTableCell &cell) {
    // A cell where no span passes still names the check that fails at the smallest span, so
    // that the screen and the page say why, as the CSV file does.
    std::string text = cell.maxSpan ? std::to_string(*cell.maxSpan) : std::string("－");
    if (cell.governing)
        text += std::string(" ") + CheckMark(*cell.governing);
    return text;
}

std::vector<std::string> SpanTableHeadings() {
    std::vector<std::string> headings{"デッキ", "重量 (N/㎡)"};
    for (std::string &shoring : ShoringHeadings())
        headings.push_back(std::move(shoring));
    return headings;
}

std::vector<std::string> SpanTableCells(const SpanTableRow &row) {
    std::vector<std::string> cells{row.deckLabel, WeightText(row.weight)};
    for (const SpanTableCell &cell : row.cells)
        cells.push_back(SpanCellText(cell));
    return cells;
}

std::optional<std::size_t> ShoringOfSpanTableColumn(int column) {
    const int shoring = column - kSpanTableFirstShoringColumn;
    if (shoring < 0 || shoring >= static_cast<int>(kShoringCodes.size()))
        return std::nullopt;
    return static_cast<std::size_t>(shoring);
}

std::string ProjectTitleLine(const DesignCase &conditions) {
    return "物件名：" + ShownProjectTitle(conditions.projectTitle);
}

std::string TableHeadingLine(const DesignCase &conditions, std::string_view date) {
    if (!HasProjectTitle(conditions.projectTitle))
        return std::string(date);
    return ProjectTitleLine(conditions) + "　　" + std::string(date);
}

std::string CsvDateText(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", year, month, day);
    return text;
}

void AppendCsvHeading(std::string &text, std::string_view tableName, const DesignCase &conditions,
                      std::string_view date) {
    // The title and the date are typed by people: neither may start a spreadsheet formula.
    AppendCsvRow(text, {std::string(tableName), CsvTextField(date)});
    AppendCsvRow(text, {CsvTextField(ProjectTitleLine(conditions))});
}

std::string SpanTableCsv(const std::vector<SpanTableRow> &rows, const DesignCase &conditions,
                         std::string_view date) {
    std::string text(kUtf8ByteOrderMark);
    AppendCsvHeading(text, kSpanTableTitle, conditions, date);
    for (const std::string &line : ConditionsText(conditions))
        AppendCsvRow(text, {line});
    AppendCsvRow(text, {});

    // The deck's own columns as the window heads them; each shoring option in two columns.
    std::vector<std::string> headings = SpanTableHeadings();
    headings.resize(kSpanTableFirstShoringColumn);
    for (const std::string &shoring : ShoringHeadings()) {
        headings.push_back(shoring + " 最大スパン (mm)");
        headings.push_back(shoring + " 決定要因");
    }
    AppendCsvRow(text, headings);

    // An empty span means that no span from the smallest calculable one passes; its mark is
    // then the check that fails there. An empty mark beside a span means the span is the
    // largest calculable one, so nothing above it could fail.
    for (const SpanTableRow &row : rows) {
        std::vector<std::string> fields = {row.deckLabel, WeightText(row.weight)};
        for (const SpanTableCell &cell : row.cells) {
            fields.push_back(cell.maxSpan ? std::to_string(*cell.maxSpan) : std::string());
            fields.push_back(cell.governing ? CheckMark(*cell.governing) : "");
        }
        AppendCsvRow(text, fields);
    }
    return text;
}

} // namespace korvane
