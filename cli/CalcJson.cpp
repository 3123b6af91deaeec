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
void Field(JsonWriter &json, const JsonFixedText &key, int value) {
    json.Key(key);
    json.Int(value);
}

void Field(JsonWriter &json, const JsonFixedText &key, double value) {
    json.Key(key);
    json.Number(value);
}

void Field(JsonWriter &json, const JsonFixedText &key, std::string_view text) {
    json.Key(key);
    json.String(text);
}

void Field(JsonWriter &json, const JsonFixedText &key, bool value) {
    json.Key(key);
    json.Bool(value);
}

void FieldOrNull(JsonWriter &json, const JsonFixedText &key,
                 const std::optional<std::string> &text) {
    json.Key(key);
    if (text)
        json.String(*text);
    else
        json.Null();
}

void WriteTexts(JsonWriter &json, const JsonFixedText &key, const std::vector<std::string> &texts) {
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
    Field(json, FixedText<"name">(), std::string_view(CheckKey(check)));
    Field(json, FixedText<"applies">(), verdict.applies);
    Field(json, FixedText<"passes">(), verdict.passes);
    if (check == CheckName::bending)
        Field(json, FixedText<"stress">(), verdicts.bendingStress);
    if (utilisations && verdict.applies)
        Field(json, FixedText<"utilisation">(),
              (*utilisations)[static_cast<std::size_t>(check)].utilisation);
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
    Field(json, FixedText<"versionText">(), r.versionText);
    Field(json, FixedText<json_key::kDeckFamily>(), r.deckFamily);
    Field(json, FixedText<json_key::kDeckModel>(), r.deckModel);
    Field(json, FixedText<json_key::kThicknessCode>(), r.thicknessCode);
    Field(json, FixedText<"coatingCode">(), r.coatingCode);
    Field(json, FixedText<"unitWeight">(), r.unitWeight);
    Field(json, FixedText<"spanLength">(), r.spanLength);
    Field(json, FixedText<json_key::kShoringCode>(), r.shoringCode);
    Field(json, FixedText<"alphaClass">(), r.alphaClass);
    Field(json, FixedText<"concreteKind">(), r.concreteKind);
    Field(json, FixedText<"slabThickness">(), r.slabThickness);
    Field(json, FixedText<"workLoadValue">(), r.workLoadValue);
    Field(json, FixedText<"otherLoadValue">(), r.otherLoadValue);
    Field(json, FixedText<"projectTitle">(), r.projectTitle);
    Field(json, FixedText<"pageNumberPos">(), r.pageNumberPos);
    Field(json, FixedText<"pageText">(), r.pageText);
    json.EndObject();
}

void WriteResult(JsonWriter &json, const CalculationResult &r) {
    json.StartObject();
    Field(json, FixedText<"concreteThickness">(), r.concreteThickness);
    Field(json, FixedText<"concreteDensity">(), r.concreteDensity);
    Field(json, FixedText<"deckDepth">(), r.deckDepth);
    Field(json, FixedText<"deckWeight">(), r.deckWeight);
    Field(json, FixedText<"plateThickness">(), r.plateThickness);
    Field(json, FixedText<"span">(), r.span);
    Field(json, FixedText<"effectiveSpan">(), r.effectiveSpan);
    Field(json, FixedText<"totalLoad">(), r.totalLoad);
    Field(json, FixedText<"workLoad">(), r.workLoad);
    Field(json, FixedText<"deadLoad">(), r.deadLoad);
    Field(json, FixedText<"sectionModulus">(), r.sectionModulus);
    Field(json, FixedText<"inertia">(), r.inertia);
    Field(json, FixedText<"moment">(), r.moment);
    Field(json, FixedText<"stress">(), r.stress);
    Field(json, FixedText<"fb">(), r.fb);
    Field(json, FixedText<"fbAllow">(), r.fbAllow);
    Field(json, FixedText<"deflectionLimit">(), r.deflectionLimit);
    Field(json, FixedText<"ribBearingAllow">(), r.ribBearingAllow);
    Field(json, FixedText<"deflectionCoef">(), r.deflectionCoef);
    Field(json, FixedText<"deflection">(), r.deflection);
    Field(json, FixedText<"ribBearingLoad">(), r.ribBearingLoad);
    Field(json, FixedText<json_key::kDeckLabel>(), r.deckLabel);
    Field(json, FixedText<"thicknessTag">(), r.thicknessTag);
    Field(json, FixedText<"alpha">(), r.alpha);
    Field(json, FixedText<"beta">(), r.beta);
    Field(json, FixedText<"outsideGuideline">(), r.outsideGuideline);
    Field(json, FixedText<json_key::kMaxSpan>(), r.maxSpan);
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
    Field(json, FixedText<"message">(), failure.message);
    Field(json, FixedText<"field">(), InputFieldName(failure.field));
    FieldOrNull(json, FixedText<"corrected">(), failure.corrected);
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
        Field(json, FixedText<"item">(), item.label);
        Field(json, FixedText<"text">(), text);
        json.Key(FixedText<"verdict">());
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
    FieldOrNull(json, FixedText<"file">(), c.file);
    json.Key(FixedText<"record">());
    WriteRecord(json, c.record);
    if (!(c.read == c.record)) {
        json.Key(FixedText<"read">());
        WriteRecord(json, c.read);
    }
    WriteTexts(json, FixedText<"notices">(), c.notices);
    WriteTexts(json, FixedText<"warnings">(), c.warnings);
    json.Key(FixedText<"precheck">());
    if (c.refusal) {
        WritePreCheck(json, *c.refusal);
    } else {
        json.Null();
        json.Key(FixedText<"result">());
        WriteResult(json, c.result.calculation);
        json.Key(FixedText<"checks">());
        WriteChecks(json, c.result.verdicts);
        if (sheet) {
            json.Key(FixedText<"sheet">());
            WriteSheetItems(json, *sheet);
        }
    }
    json.EndObject();
}

} // namespace korvane
