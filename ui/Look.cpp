#include "ui/Look.h"

#include "sheet/qt/FontFamily.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace korvane {

void InstallWindowFonts() {
    QApplication::setFont(WindowFont(12));
}

QFont WindowFont(int pixelSize, bool bold) {
    static const QString family = InstalledFamilyOrGothic(QString::fromUtf8(kWindowFace));
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void PaintOptionCaption(QAbstractButton &option, bool chosen) {
    QPalette palette = option.palette();
    const QColor &colour = chosen ? kChosenCrimson : kOptionNavy;
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    option.setPalette(palette);
}

void SetBackground(QWidget &widget, const QColor &colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace korvane

namespace korvane {

QFont TitleSerifFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

} // namespace korvane
