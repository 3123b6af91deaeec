#include "ui/result/PrintSettingsDialog.h"

#include "core/PrintSettings.h"
#include "core/PrintSettingsEntry.h"
#include "core/TextCodec.h"
#include "ui/Controls.h"
#include "ui/Look.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace korvane;

namespace {

constexpr const auto &kPositionCodes = page_number::kPositions; // in the options' order

QString FromRecordText(const std::string &text) {
    return QString::fromStdString(text);
}

QRadioButton *MakeOption(const QString &caption, const QString &hint, QWidget *parent) {
    auto *option = new QRadioButton(caption, parent);
    option->setFont(WindowFont(13, true));
    option->setToolTip(hint);
    option->setStatusTip(hint);
    PaintOptionCaption(*option, false);
    return option;
}

// Index of the option of a position code; unknown codes stand for "無し".
std::size_t OptionIndexOf(int pageNumberPos) {
    for (std::size_t i = 0; i < kPositionCodes.size(); ++i)
        if (kPositionCodes[i] == pageNumberPos)
            return i;
    return 0;
}

} // namespace

PrintSettingsDialog::PrintSettingsDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("印刷用設定"));
    setFixedSize(464, 155);
    SetBackground(*this, kWindowGrey);
    CreateControls();
    NameObjects({{titleCaption, "titleCaption"},
                 {titleField, "titleField"},
                 {pageNumberGroup, "pageNumberGroup"},
                 {noPageNumberOption, "noPageNumberOption"},
                 {topLeftOption, "topLeftOption"},
                 {topCentreOption, "topCentreOption"},
                 {topRightOption, "topRightOption"},
                 {bottomLeftOption, "bottomLeftOption"},
                 {bottomCentreOption, "bottomCentreOption"},
                 {bottomRightOption, "bottomRightOption"},
                 {pageTextGroup, "pageTextGroup"},
                 {pageTextField, "pageTextField"},
                 {titleNote, "titleNote"},
                 {positionNote, "positionNote"},
                 {confirmButton, "confirmButton"},
                 {cancelButton, "cancelButton"}});
    ConnectSignals();
    Initialise();
}

void PrintSettingsDialog::CreateControls() {
    titleCaption = new QLabel(QStringLiteral("物件名"), this);
    titleCaption->setGeometry(10, 10, 50, 22);
    titleField = new korvane::EntryField(this);
    titleField->setGeometry(64, 10, 390, 22);
    titleField->setToolTip(QStringLiteral("計算書の表題を記述します"));
    titleField->installEventFilter(this);

    pageNumberGroup = new QGroupBox(QStringLiteral("ページ番号表示/位置"), this);
    pageNumberGroup->setGeometry(8, 38, 388, 66);
    const QString place = QStringLiteral("ページ番号位置");
    noPageNumberOption =
        MakeOption(QStringLiteral("無し"), QStringLiteral("ページ番号の記述無し"), pageNumberGroup);
    noPageNumberOption->setGeometry(10, 27, 60, 20);
    noPageNumberOption->setChecked(true);
    const std::array<const char *, 6> captions{"上-左", "上-中", "上-右",
                                               "下-左", "下-中", "下-右"};
    std::array<QRadioButton **, 6> cellOptions{&topLeftOption,      &topCentreOption,
                                               &topRightOption,     &bottomLeftOption,
                                               &bottomCentreOption, &bottomRightOption};
    for (int cell = 0; cell < 6; ++cell) {
        const QRect box(89 + (cell % 3) * 69, cell < 3 ? 16 : 37, 70, 22);
        auto *shape = new QFrame(pageNumberGroup); // the sketch of the page margins
        shape->setGeometry(box);
        shape->setFrameShape(QFrame::Box);
        SetBackground(*shape, kWindowGrey);
        *cellOptions[cell] = MakeOption(QString::fromUtf8(captions[cell]), place, pageNumberGroup);
        (*cellOptions[cell])->setGeometry(box.adjusted(6, 1, -1, -1));
    }

    pageTextGroup = new QGroupBox(QStringLiteral("表示内容"), pageNumberGroup);
    pageTextGroup->setGeometry(302, 10, 80, 50);
    pageTextField = new korvane::EntryField(pageTextGroup);
    pageTextField->setGeometry(5, 20, 70, 22);
    pageTextField->setAlignment(Qt::AlignCenter);
    pageTextField->setToolTip(QStringLiteral("ページ表示内容を設定します"));
    pageTextField->setEnabled(false);

    titleNote = new QLabel(QStringLiteral("物件名が不要な場合、何も入力しないで下さい。"), this);
    titleNote->setGeometry(10, 110, 290, 16);
    positionNote = new QLabel(QStringLiteral("ページ番号表示位置のキャンセルは無効です。"), this);
    positionNote->setGeometry(10, 130, 290, 16);

    confirmButton = new QPushButton(QStringLiteral("    設　定"), this);
    confirmButton->setGeometry(302, 116, 76, 28);
    confirmButton->setToolTip(QStringLiteral("設定終了"));
    cancelButton = new QPushButton(QStringLiteral(" キャンセル"), this);
    cancelButton->setGeometry(382, 116, 76, 28);
    cancelButton->setToolTip(QStringLiteral("設定を破棄します"));
}

void PrintSettingsDialog::ConnectSignals() {
    for (QRadioButton *option : PositionOptions())
        connect(option, &QRadioButton::clicked, this, &PrintSettingsDialog::PositionChosen);
    connect(confirmButton, &QPushButton::clicked, this, &PrintSettingsDialog::Confirm);
    connect(cancelButton, &QPushButton::clicked, this, &PrintSettingsDialog::Cancel);
}

void PrintSettingsDialog::Initialise() {
    titleField->setText(QString::fromUtf8(kTitlePlaceholder));
    pageTextField->setText(QString::fromUtf8(kDefaultPageText));
    RefreshPositionOptions();
}

std::array<QRadioButton *, 7> PrintSettingsDialog::PositionOptions() const {
    return {noPageNumberOption, topLeftOption,      topCentreOption,  topRightOption,
            bottomLeftOption,   bottomCentreOption, bottomRightOption};
}

int PrintSettingsDialog::PositionCodeOf(int optionIndex) {
    return kPositionCodes.at(static_cast<std::size_t>(optionIndex));
}

void PrintSettingsDialog::CheckPositionOption(int pageNumberPos) {
    PositionOptions()[OptionIndexOf(pageNumberPos)]->setChecked(true);
}

void PrintSettingsDialog::RefreshPositionOptions() {
    const auto options = PositionOptions();
    for (std::size_t i = 0; i < options.size(); ++i) {
        PaintOptionCaption(*options[i], options[i]->isChecked());
        if (options[i]->isChecked())
            m_settings.pageNumberPos = kPositionCodes[i];
    }
    pageTextField->setEnabled(!noPageNumberOption->isChecked());
}

void PrintSettingsDialog::ShowCaseSettings(const DesignCase &record) {
    titleField->setText(QString::fromStdString(record.projectTitle));
    m_settings.projectTitle = AsRecordText(titleField->text().toStdString());
    pageTextField->setEnabled(true);
    CheckPositionOption(record.pageNumberPos);
    pageTextField->setText(QString::fromStdString(record.pageText));
    m_settings.pageText = AsRecordText(pageTextField->text().toStdString());
    if (record.pageNumberPos == 0)
        pageTextField->setEnabled(false);
    RefreshPositionOptions();
}

QString PrintSettingsDialog::TypedPageText() const {
    return pageTextField->text();
}

void PrintSettingsDialog::TitleClicked() {
    if (titleField->text() == QString::fromUtf8(kTitlePlaceholder))
        titleField->clear();
}

void PrintSettingsDialog::PositionChosen() {
    RefreshPositionOptions();
}

void PrintSettingsDialog::Confirm() {
    done(QDialog::Accepted);
}

void PrintSettingsDialog::Cancel() {
    done(QDialog::Rejected);
}

void PrintSettingsDialog::done(int result) {
    titleField->setAttribute(Qt::WA_InputMethodEnabled, false);
    if (result == QDialog::Accepted)
        CommitSettings();
    else
        RevertSettings();
    titleField->setFocus();
    QDialog::done(result);
}

// The settings as entered, by the rule the browser page commits them with. Without a page
// number the page text field is greyed and not taken: the text before it stays.
void PrintSettingsDialog::CommitSettings() {
    const bool withPageNumber = pageTextField->isEnabled();
    m_settings = EnteredPrintSettings(
        titleField->text().toStdString(),
        withPageNumber ? pageTextField->text().toStdString() : m_settings.pageText,
        withPageNumber ? m_settings.pageNumberPos : page_number::kNone);
}

void PrintSettingsDialog::RevertSettings() {
    const PrintSettings &settings = m_settings;
    titleField->setText(FromRecordText(settings.projectTitle));
    pageTextField->setEnabled(true);
    pageTextField->setText(FromRecordText(settings.pageText));
    QRadioButton *target = PositionOptions()[OptionIndexOf(settings.pageNumberPos)];
    if (!target->isChecked()) {
        target->setChecked(true);
        PositionChosen();
    }
    if (noPageNumberOption->isChecked())
        pageTextField->setEnabled(false);
}

void PrintSettingsDialog::showEvent(QShowEvent *event) {
    titleField->setAttribute(Qt::WA_InputMethodEnabled, true);
    if (pageTextField->isEnabled())
        pageTextField->setText(FromRecordText(m_settings.pageText));
    titleField->setFocus();
    if (QWidget *over = parentWidget())
        move(over->window()->geometry().center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(event);
}

bool PrintSettingsDialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched == titleField && event->type() == QEvent::MouseButtonPress)
        TitleClicked();
    return QDialog::eventFilter(watched, event);
}
