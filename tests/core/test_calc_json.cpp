// korvane-calc writes the sheet items itself; they must read exactly as the JSON library
// would have written them.

#include "cli/CalcJson.h"
#include "sheet/SheetContent.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(CalcJson, SheetItemsAreWrittenAsTheJsonLibraryWritesThem)
{
    const std::vector<SheetTextItem> items = {
        {"A2", "デッキプレート: PX75LA-07 (Z12)  t =0.7 mm", ""},
        {"E7", " ≦ fb/β = 188 N/mm2", "【 O.K.】"},
        {"H2", "物件名：\"本館\" \\ 別館\t\r\n\b\f\x01\x1f end", ""},
        {"N0", "", ""},
    };
    nlohmann::ordered_json expected = nlohmann::ordered_json::array();
    for (const auto &item : items)
        expected.push_back({{"item", item.label},
                            {"text", item.text},
                            {"verdict", item.verdict.empty() ? nlohmann::ordered_json()
                                                             : nlohmann::ordered_json(item.verdict)}});
    EXPECT_EQ(SheetItemsJson(items), expected.dump());
    EXPECT_EQ(SheetItemsJson({}), "[]");
}

} // namespace
} // namespace korvane
