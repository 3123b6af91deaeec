#include "core/CsvText.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(CsvText, QuotesOnlyFieldsThatNeedItAndEndsRowsWithCrLf) {
    std::string text;
    AppendCsvRow(text, {"PX75LA-07", "3250", "曲げ"});
    AppendCsvRow(text, {"a,b", "say \"O.K.\"", "two\nlines", ""});
    EXPECT_EQ(text, "PX75LA-07,3250,曲げ\r\n\"a,b\",\"say \"\"O.K.\"\"\",\"two\nlines\",\r\n");
}

} // namespace
} // namespace korvane
