#pragma once
// The JSON that korvane-calc prints for a case: the record, the pre-check verdict, the
// results and the four checks. Field names are the program's own names; other tools rely
// on them.

#include <nlohmann/json.hpp>

namespace korvane {

class CInputData;
struct CCalcResult;
struct CheckVerdicts;
struct FileCase;
struct PreCheckFailure;

nlohmann::ordered_json RecordJson(const CInputData &record);
nlohmann::ordered_json ResultJson(const CCalcResult &result);
nlohmann::ordered_json ChecksJson(const CheckVerdicts &verdicts);
nlohmann::ordered_json PreCheckJson(const PreCheckFailure &failure);

// The whole object of one case, without the sheet items.
nlohmann::ordered_json CaseJson(const FileCase &fileCase);

} // namespace korvane
