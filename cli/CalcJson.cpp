#include "cli/CalcJson.h"

#include "cli/FileCase.h"
#include "sheet/SheetContent.h"

#include <cstdio>

namespace korvane {

using Json = nlohmann::ordered_json;

Json RecordJson(const CInputData &r)
{
    return Json{
        {"versionText", r.versionText},     {"deckFamily", r.deckFamily},
        {"deckModel", r.deckModel},         {"thicknessCode", r.thicknessCode},
        {"coatingCode", r.coatingCode},     {"unitWeight", r.unitWeight},
        {"spanLength", r.spanLength},       {"shoringCode", r.shoringCode},
        {"alphaClass", r.alphaClass},       {"concreteKind", r.concreteKind},
        {"slabThickness", r.slabThickness}, {"workLoadValue", r.workLoadValue},
        {"otherLoadValue", r.otherLoadValue}, {"projectTitle", r.projectTitle},
        {"pageNumberPos", r.pageNumberPos}, {"pageText", r.pageText},
    };
}

Json ResultJson(const CCalcResult &r)
{
    return Json{
        {"concreteThickness", r.concreteThickness},
        {"concreteDensity", r.concreteDensity},
        {"deckDepth", r.deckDepth},
        {"deckWeight", r.deckWeight},
        {"plateThickness", r.plateThickness},
        {"span", r.span},
        {"effectiveSpan", r.effectiveSpan},
        {"totalLoad", r.totalLoad},
        {"workLoad", r.workLoad},
        {"deadLoad", r.deadLoad},
        {"sectionModulus", r.sectionModulus},
        {"inertia", r.inertia},
        {"moment", r.moment},
        {"stress", r.stress},
        {"fb", r.fb},
        {"fbAllow", r.fbAllow},
        {"deflectionLimit", r.deflectionLimit},
        {"ribBearingAllow", r.ribBearingAllow},
        {"deflectionCoef", r.deflectionCoef},
        {"deflection", r.deflection},
        {"ribBearingLoad", r.ribBearingLoad},
        {"deckLabel", r.deckLabel},
        {"thicknessTag", r.thicknessTag},
        {"alpha", r.alpha},
        {"beta", r.beta},
        {"outsideGuideline", r.outsideGuideline},
        {"maxSpan", r.maxSpan},
    };
}

Json ChecksJson(const CheckVerdicts &v)
{
    auto check = [](const char *name, const CheckVerdict &verdict) {
        return Json{{"name", name}, {"applies", verdict.applies}, {"passes", verdict.passes}};
    };
    Json bending = check("bending", v.bending);
    bending["stress"] = v.bendingStress;
    return Json::array({check("ribBearing", v.ribBearing), bending,
                        check("deflection", v.deflection), check("maxSpan", v.maxSpan)});
}

Json PreCheckJson(const PreCheckFailure &failure)
{
    return Json{
        {"message", failure.message},
        {"field", std::string(InputFieldName(failure.field))},
        {"corrected", failure.corrected ? Json(*failure.corrected) : Json()},
    };
}

Json CaseJson(const FileCase &c)
{
    Json json;
    json["file"] = c.file ? Json(*c.file) : Json();
    json["record"] = RecordJson(c.record);
    if (!(c.read == c.record))
        json["read"] = RecordJson(c.read);
    json["notices"] = c.notices;
    json["warnings"] = c.warnings;
    json["precheck"] = c.refusal ? PreCheckJson(*c.refusal) : Json();
    if (!c.refusal) {
        json["result"] = ResultJson(c.result.calculation);
        json["checks"] = ChecksJson(c.result.verdicts);
    }
    return json;
}

namespace {

bool NeedsEscape(char c) { return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20; }

void AppendEscaped(std::string &out, char c)
{
    switch (c) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\b':
        out += "\\b";
        return;
    case '\f':
        out += "\\f";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
        out += escaped;
    }
}

} // namespace

void AppendJsonString(std::string &out, std::string_view text)
{
    out += '"';
    std::size_t plainFrom = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!NeedsEscape(text[i]))
            continue;
        out.append(text, plainFrom, i - plainFrom);
        AppendEscaped(out, text[i]);
        plainFrom = i + 1;
    }
    out.append(text, plainFrom);
    out += '"';
}

std::string SheetItemsJson(const std::vector<SheetTextItem> &items)
{
    std::string out = "[";
    for (const SheetTextItem &item : items) {
        if (out.size() > 1)
            out += ',';
        out += "{\"item\":";
        AppendJsonString(out, item.label);
        out += ",\"text\":";
        AppendJsonString(out, item.text);
        out += ",\"verdict\":";
        if (item.verdict.empty())
            out += "null";
        else
            AppendJsonString(out, item.verdict);
        out += '}';
    }
    out += ']';
    return out;
}

} // namespace korvane
