#pragma once
// The JSON that korvane-calc prints for a case: the record, the pre-check verdict, the
// results and the four checks. Field names are the program's own names; other tools rely
// on them.

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class CInputData;
struct CCalcResult;
struct CheckVerdicts;
struct FileCase;
struct PreCheckFailure;
struct SheetTextItem;

nlohmann::ordered_json RecordJson(const CInputData &record);
nlohmann::ordered_json ResultJson(const CCalcResult &result);
nlohmann::ordered_json ChecksJson(const CheckVerdicts &verdicts);
nlohmann::ordered_json PreCheckJson(const PreCheckFailure &failure);

// The whole object of one case, without the sheet items.
nlohmann::ordered_json CaseJson(const FileCase &fileCase);

// The sheet items as a compact JSON array of {"item", "text", "verdict"} objects (verdict
// null where an item has none), written as the JSON library would write it.
std::string SheetItemsJson(const std::vector<SheetTextItem> &items);

// Appends a UTF-8 text as a JSON string, escaped as the JSON library escapes it.
void AppendJsonString(std::string &out, std::string_view text);

} // namespace korvane
