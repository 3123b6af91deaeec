#include "sheet/qt/TodayDate.h"

#include "core/DeckTableText.h"

#include <QLocale>

namespace korvane {

namespace {

QDate &FixedDay() {
    static QDate day;
    return day;
}

} // namespace

QDate Today() {
    return FixedDay().isValid() ? FixedDay() : QDate::currentDate();
}

void FixToday(QDate day) {
    FixedDay() = day;
}

std::string TodayShortDate() {
    return QLocale::system().toString(Today(), QLocale::ShortFormat).toStdString();
}

std::string TodayCsvDate() {
    const QDate today = Today();
    return CsvDateText(today.year(), today.month(), today.day());
}

} // namespace korvane
