#include "cli/DeckTables.h"

#include "cli/CalcJson.h"
#include "cli/JsonKeys.h"
#include "sheet/JsonWriter.h"

namespace korvane {

namespace {

void WriteDeck(JsonWriter &json, const OfferedDeck &deck, const std::string &label) {
    json.Key(FixedText<json_key::kDeckFamily>());
    json.Int(deck.family);
    json.Key(FixedText<json_key::kDeckModel>());
    json.Int(deck.model);
    json.Key(FixedText<json_key::kThicknessCode>());
    json.Int(deck.thicknessCode);
    json.Key(FixedText<json_key::kDeckLabel>());
    json.String(label);
}

void AppendLine(std::string &out, JsonWriter &json) {
    json.EndLine();
    out += json.Text();
    json.Clear();
}

} // namespace

void WriteSpanTable(std::string &out, JsonWriter &json, const std::vector<SpanTableRow> &rows) {
    for (const SpanTableRow &row : rows)
        for (const SpanTableCell &cell : row.cells) {
            json.StartObject();
            WriteDeck(json, row.deck, row.deckLabel);
            json.Key(FixedText<json_key::kShoringCode>());
            json.Int(cell.shoringCode);
            json.Key(FixedText<json_key::kMaxSpan>());
            cell.maxSpan ? json.Int(*cell.maxSpan) : json.Null();
            json.Key("governing");
            cell.governing ? json.String(CheckKey(*cell.governing)) : json.Null();
            json.EndObject();
            AppendLine(out, json);
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

} // namespace korvane
