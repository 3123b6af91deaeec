#include "cli/DeckTables.h"

#include "cli/CalcJson.h"
#include "core/CsvText.h"
#include "sheet/JsonWriter.h"

namespace korvane {

namespace {

void WriteDeck(JsonWriter &json, const OfferedDeck &deck, const std::string &label) {
    json.Key("deckFamily");
    json.Int(deck.family);
    json.Key("deckModel");
    json.Int(deck.model);
    json.Key("thicknessCode");
    json.Int(deck.thicknessCode);
    json.Key("deckLabel");
    json.String(label);
}

void AppendLine(std::string &out, JsonWriter &json) {
    json.EndLine();
    out += json.Text();
    json.Clear();
}

std::string NumberText(double value) {
    char buffer[32];
    return std::string(JsonNumberText(value, buffer));
}

std::vector<std::string> DeckFields(const OfferedDeck &deck, const std::string &label) {
    return {std::to_string(deck.family), std::to_string(deck.model),
            std::to_string(deck.thicknessCode), label};
}

} // namespace

void WriteSpanTable(std::string &out, JsonWriter &json, const std::vector<SpanTableRow> &rows) {
    for (const SpanTableRow &row : rows)
        for (const SpanTableCell &cell : row.cells) {
            json.StartObject();
            WriteDeck(json, row.deck, row.deckLabel);
            json.Key("shoringCode");
            json.Int(cell.shoringCode);
            json.Key("maxSpan");
            cell.maxSpan ? json.Int(*cell.maxSpan) : json.Null();
            json.Key("governing");
            cell.governing ? json.String(CheckKey(*cell.governing)) : json.Null();
            json.EndObject();
            AppendLine(out, json);
        }
}

void WriteSpanTableCsv(std::string &out, const std::vector<SpanTableRow> &rows) {
    out += kUtf8ByteOrderMark;
    AppendCsvRow(out, {"deckFamily", "deckModel", "thicknessCode", "deckLabel", "shoringCode",
                       "maxSpan", "governing"});
    for (const SpanTableRow &row : rows)
        for (const SpanTableCell &cell : row.cells) {
            std::vector<std::string> fields = DeckFields(row.deck, row.deckLabel);
            fields.push_back(std::to_string(cell.shoringCode));
            fields.push_back(cell.maxSpan ? std::to_string(*cell.maxSpan) : "");
            fields.push_back(cell.governing ? CheckKey(*cell.governing) : "");
            AppendCsvRow(out, fields);
        }
}

void WriteComparison(std::string &out, JsonWriter &json,
                     const std::vector<DeckComparisonRow> &rows) {
    for (const DeckComparisonRow &row : rows) {
        json.StartObject();
        WriteDeck(json, row.deck, row.deckLabel);
        // A deck beyond its calculable range was not checked: no checks, no utilisation.
        json.Key("checks");
        if (row.beyondSpanLimit) {
            json.StartArray();
            json.EndArray();
        } else {
            WriteChecks(json, row.result.verdicts, row.checks);
        }
        json.Key("largestUtilisation");
        row.beyondSpanLimit ? json.Null() : json.Number(row.largestUtilisation);
        json.Key("passes");
        json.Bool(row.passes);
        json.Key("weight");
        json.Number(row.weight);
        json.Key("leastShoring");
        row.leastShoring ? json.Int(*row.leastShoring) : json.Null();
        json.Key("beyondSpanLimit");
        row.beyondSpanLimit ? json.Int(*row.beyondSpanLimit) : json.Null();
        json.EndObject();
        AppendLine(out, json);
    }
}

void WriteComparisonCsv(std::string &out, const std::vector<DeckComparisonRow> &rows) {
    out += kUtf8ByteOrderMark;
    std::vector<std::string> headings = {"deckFamily", "deckModel", "thicknessCode", "deckLabel"};
    for (const CheckName check : kChecksInSheetOrder) {
        headings.push_back(std::string(CheckKey(check)) + "Passes");
        headings.push_back(std::string(CheckKey(check)) + "Utilisation");
    }
    for (const char *heading :
         {"largestUtilisation", "passes", "weight", "leastShoring", "beyondSpanLimit"})
        headings.push_back(heading);
    AppendCsvRow(out, headings);
    for (const DeckComparisonRow &row : rows) {
        std::vector<std::string> fields = DeckFields(row.deck, row.deckLabel);
        const bool checked = !row.beyondSpanLimit;
        for (const CheckUtilisation &check : row.checks) {
            const bool shown = checked && check.applies;
            fields.push_back(!shown ? "" : check.passes ? "true" : "false");
            fields.push_back(shown ? NumberText(check.utilisation) : "");
        }
        fields.push_back(checked ? NumberText(row.largestUtilisation) : "");
        fields.push_back(row.passes ? "true" : "false");
        fields.push_back(NumberText(row.weight));
        fields.push_back(row.leastShoring ? std::to_string(*row.leastShoring) : "");
        fields.push_back(row.beyondSpanLimit ? std::to_string(*row.beyondSpanLimit) : "");
        AppendCsvRow(out, fields);
    }
}

} // namespace korvane
