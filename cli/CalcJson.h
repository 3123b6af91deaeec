#pragma once
// The JSON that korvane-calc prints for a case: the record, the pre-check verdict, the
// results, the four checks and the sheet items. Field names are the program's own names;
// other tools rely on them. Everything is streamed through one JsonWriter.

#include "core/DeckComparison.h"

#include <array>

namespace korvane {

class DesignCase;
class JsonWriter;
struct CalculationResult;
struct CheckVerdicts;
struct FileCase;
struct PreCheckFailure;
struct SheetContent;

void WriteRecord(JsonWriter &json, const DesignCase &record);
void WriteResult(JsonWriter &json, const CalculationResult &result);
void WriteChecks(JsonWriter &json, const CheckVerdicts &verdicts);
// The same with the utilisation of each check that applies, for the deck comparison.
void WriteChecks(JsonWriter &json, const CheckVerdicts &verdicts,
                 const std::array<CheckUtilisation, 4> &utilisations);
void WritePreCheck(JsonWriter &json, const PreCheckFailure &failure);

// The sheet's items as an array of {"item", "text", "verdict"} objects (verdict null where
// an item has none); an item's text is its runs joined. The D7 rule, without text, is left
// out.
void WriteSheetItems(JsonWriter &json, const SheetContent &sheet);

// The whole object of one case. `sheet` is the calculated case's sheet, written last; it
// is not used for a refused case.
void WriteCase(JsonWriter &json, const FileCase &fileCase, const SheetContent *sheet);

} // namespace korvane
