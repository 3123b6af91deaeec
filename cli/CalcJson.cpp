#include "cli/CalcJson.h"

#include "cli/FileCase.h"

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
        {"control", failure.control.empty() ? Json() : Json(failure.control)},
        {"corrected", failure.corrected ? Json(*failure.corrected) : Json()},
    };
}

Json CaseJson(const FileCase &c)
{
    Json json;
    json["file"] = c.file ? Json(*c.file) : Json();
    json["record"] = RecordJson(c.record);
    json["precheck"] = c.refusal ? PreCheckJson(*c.refusal) : Json();
    if (!c.refusal) {
        json["result"] = ResultJson(c.result);
        json["checks"] = ChecksJson(c.verdicts);
    }
    return json;
}

} // namespace korvane
