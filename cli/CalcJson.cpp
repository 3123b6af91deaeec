#include "cli/CalcJson.h"

#include "cli/FileCase.h"
#include "cli/JsonKeys.h"
#include "core/DeckComparison.h"
#include "core/InputField.h"
#include "sheet/JsonWriter.h"
#include "sheet/SheetContent.h"

namespace korvane {

namespace {

// Fields of the record and the result, in the order they are printed.
void Field(JsonWriter &json, std::string_view key, int value) {
    json.Key(key);
    json.Int(value);
}

void Field(JsonWriter &json, std::string_view key, double value) {
    json.Key(key);
    json.Number(value);
}

void Field(JsonWriter &json, std::string_view key, std::string_view text) {
    json.Key(key);
    json.String(text);
}

void Field(JsonWriter &json, std::string_view key, bool value) {
    json.Key(key);
    json.Bool(value);
}

void FieldOrNull(JsonWriter &json, std::string_view key, const std::optional<std::string> &text) {
    json.Key(key);
    if (text)
        json.String(*text);
    else
        json.Null();
}

void WriteTexts(JsonWriter &json, std::string_view key, const std::vector<std::string> &texts) {
    json.Key(key);
    json.StartArray();
    for (const std::string &text : texts)
        json.String(text);
    json.EndArray();
}

void WriteCheck(JsonWriter &json, CheckName check, const CheckVerdicts &verdicts,
                const std::array<CheckUtilisation, 4> *utilisations) {
    const CheckVerdict &verdict = VerdictOf(verdicts, check);
    json.StartObject();
    Field(json, "name", std::string_view(CheckKey(check)));
    Field(json, "applies", verdict.applies);
    Field(json, "passes", verdict.passes);
    if (check == CheckName::bending)
        Field(json, "stress", verdicts.bendingStress);
    if (utilisations && verdict.applies)
        Field(json, "utilisation", (*utilisations)[static_cast<std::size_t>(check)].utilisation);
    json.EndObject();
}

void WriteCheckList(JsonWriter &json, const CheckVerdicts &verdicts,
                    const std::array<CheckUtilisation, 4> *utilisations) {
    json.StartArray();
    for (const CheckName check : kChecksInSheetOrder)
        WriteCheck(json, check, verdicts, utilisations);
    json.EndArray();
}

} // namespace

void WriteRecord(JsonWriter &json, const DesignCase &r) {
    json.StartObject();
    Field(json, "versionText", r.versionText);
    Field(json, json_key::kDeckFamily, r.deckFamily);
    Field(json, json_key::kDeckModel, r.deckModel);
    Field(json, json_key::kThicknessCode, r.thicknessCode);
    Field(json, "coatingCode", r.coatingCode);
    Field(json, "unitWeight", r.unitWeight);
    Field(json, "spanLength", r.spanLength);
    Field(json, json_key::kShoringCode, r.shoringCode);
    Field(json, "alphaClass", r.alphaClass);
    Field(json, "concreteKind", r.concreteKind);
    Field(json, "slabThickness", r.slabThickness);
    Field(json, "workLoadValue", r.workLoadValue);
    Field(json, "otherLoadValue", r.otherLoadValue);
    Field(json, "projectTitle", r.projectTitle);
    Field(json, "pageNumberPos", r.pageNumberPos);
    Field(json, "pageText", r.pageText);
    json.EndObject();
}

void WriteResult(JsonWriter &json, const CalculationResult &r) {
    json.StartObject();
    Field(json, "concreteThickness", r.concreteThickness);
    Field(json, "concreteDensity", r.concreteDensity);
    Field(json, "deckDepth", r.deckDepth);
    Field(json, "deckWeight", r.deckWeight);
    Field(json, "plateThickness", r.plateThickness);
    Field(json, "span", r.span);
    Field(json, "effectiveSpan", r.effectiveSpan);
    Field(json, "totalLoad", r.totalLoad);
    Field(json, "workLoad", r.workLoad);
    Field(json, "deadLoad", r.deadLoad);
    Field(json, "sectionModulus", r.sectionModulus);
    Field(json, "inertia", r.inertia);
    Field(json, "moment", r.moment);
    Field(json, "stress", r.stress);
    Field(json, "fb", r.fb);
    Field(json, "fbAllow", r.fbAllow);
    Field(json, "deflectionLimit", r.deflectionLimit);
    Field(json, "ribBearingAllow", r.ribBearingAllow);
    Field(json, "deflectionCoef", r.deflectionCoef);
    Field(json, "deflection", r.deflection);
    Field(json, "ribBearingLoad", r.ribBearingLoad);
    Field(json, json_key::kDeckLabel, r.deckLabel);
    Field(json, "thicknessTag", r.thicknessTag);
    Field(json, "alpha", r.alpha);
    Field(json, "beta", r.beta);
    Field(json, "outsideGuideline", r.outsideGuideline);
    Field(json, json_key::kMaxSpan, r.maxSpan);
    json.EndObject();
}

void WriteChecks(JsonWriter &json, const CheckVerdicts &verdicts) {
    WriteCheckList(json, verdicts, nullptr);
}

void WriteChecks(JsonWriter &json, const CheckVerdicts &verdicts,
                 const std::array<CheckUtilisation, 4> &utilisations) {
    WriteCheckList(json, verdicts, &utilisations);
}

void WritePreCheck(JsonWriter &json, const PreCheckFailure &failure) {
    json.StartObject();
    Field(json, "message", failure.message);
    Field(json, "field", InputFieldName(failure.field));
    FieldOrNull(json, "corrected", failure.corrected);
    json.EndObject();
}

void WriteSheetItems(JsonWriter &json, const SheetContent &sheet) {
    std::string text;
    json.StartArray();
    for (const SheetItem &item : sheet.items) {
        if (item.runs.empty())
            continue;
        text.clear();
        AppendJoinedRuns(item.runs, text);
        json.StartObject();
        Field(json, "item", item.label);
        Field(json, "text", text);
        json.Key("verdict");
        if (item.verdict.empty())
            json.Null();
        else
            json.String(item.verdict);
        json.EndObject();
    }
    json.EndArray();
}

void WriteCase(JsonWriter &json, const FileCase &c, const SheetContent *sheet) {
    json.StartObject();
    FieldOrNull(json, "file", c.file);
    json.Key("record");
    WriteRecord(json, c.record);
    if (!(c.read == c.record)) {
        json.Key("read");
        WriteRecord(json, c.read);
    }
    WriteTexts(json, "notices", c.notices);
    WriteTexts(json, "warnings", c.warnings);
    json.Key("precheck");
    if (c.refusal) {
        WritePreCheck(json, *c.refusal);
    } else {
        json.Null();
        json.Key("result");
        WriteResult(json, c.result.calculation);
        json.Key("checks");
        WriteChecks(json, c.result.verdicts);
        if (sheet) {
            json.Key("sheet");
            WriteSheetItems(json, *sheet);
        }
    }
    json.EndObject();
}

} // namespace korvane
