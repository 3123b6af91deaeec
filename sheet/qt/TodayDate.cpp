#include "sheet/qt/TodayDate.h"

#include <QDate>
#include <QLocale>

namespace korvane {

std::string TodayShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

} // namespace korvane
