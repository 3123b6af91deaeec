#pragma once
// Today's date as the printed sheet, the tables' page and the tables' CSV files show it.
// QtCore alone, so that korvane-calc's JSON run, whose printer sheet also carries the date,
// loads no drawing library.

#include <QDate>

#include <string>

namespace korvane {

// The day the programs take as today: the system clock's, or the day FixToday fixed.
QDate Today();

// Fixes the day Today() gives (a null date gives the clock's again), so that tests can hold
// dated outputs byte for byte whatever day they run on.
void FixToday(QDate day);

// Today's date in the system's short date format, for the printed footer.
std::string TodayShortDate();

// Today's date as the tables' CSV files carry it (CsvDateText): "2026/12/01" on every machine.
std::string TodayCsvDate();

} // namespace korvane
