#include "ui/GuardedRun.h"

#include "core/Errors.h"
#include "ui/MessageSeam.h"

#include <QApplication>
#include <QWidget>

#include <exception>
#include <new>

namespace korvane {

void ShowGeneralError(const QString &text, QWidget *parent) {
    ShowMessage(parent ? parent : QApplication::activeWindow(), text);
}

QString OutOfMemoryText() {
    return QString::fromUtf8(kOutOfMemoryText);
}

bool RunGuarded(QWidget *parent, const std::function<void()> &handler) {
    try {
        handler();
        return true;
    } catch (const std::bad_alloc &) {
        ShowGeneralError(OutOfMemoryText(), parent);
    } catch (const std::exception &error) {
        ShowGeneralError(QString::fromUtf8(error.what()), parent);
    } catch (...) {
        ShowGeneralError(QStringLiteral("不明なエラーが発生しました。"), parent);
    }
    return false;
}

} // namespace korvane
