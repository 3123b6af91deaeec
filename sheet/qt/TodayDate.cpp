#include "sheet/qt/TodayDate.h"

#include "core/DeckTableText.h"

#include <QDate>
#include <QLocale>

namespace korvane {

std::string TodayShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string TodayCsvDate() {
    const QDate today = QDate::currentDate();
    return CsvDateText(today.year(), today.month(), today.day());
}

} // namespace korvane
