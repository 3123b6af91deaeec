#pragma once
// Today's date as the printed sheet and the tables' page show it. QtCore alone, so that
// korvane-calc's JSON run, whose printer sheet also carries the date, loads no drawing library.

#include <string>

namespace korvane {

// Today's date in the system's short date format, for the printed footer.
std::string TodayShortDate();

// Today's date as the tables' CSV files carry it (CsvDateText): "2026/12/01" on every machine.
std::string TodayCsvDate();

} // namespace korvane
