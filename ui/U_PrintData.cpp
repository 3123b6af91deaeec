#include "ui/U_PrintData.h"

#include "core/PrintSettings.h"
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

constexpr std::array<int, 7> kPositionCodes{0, 10, 11, 12, 20, 21, 22};

QString FromRecordText(const std::string &text)
{
    return QString::fromStdString(text);
}

// The text as the data file and the printer will hold it (code page 932).
std::string ToRecordText(const QString &text)
{
    return Cp932ToUtf8(Utf8ToCp932(text.toStdString()));
}

QRadioButton *MakeOption(const QString &caption, const QString &hint, QWidget *parent)
{
    auto *option = new QRadioButton(caption, parent);
    option->setFont(WindowFont(13, true));
    option->setToolTip(hint);
    option->setStatusTip(hint);
    PaintOptionCaption(*option, false);
    return option;
}

// Index of the option of a position code; unknown codes stand for "無し".
std::size_t OptionIndexOf(int pageNumberPos)
{
    for (std::size_t i = 0; i < kPositionCodes.size(); ++i)
        if (kPositionCodes[i] == pageNumberPos)
            return i;
    return 0;
}

} // namespace

TForm7::TForm7(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("印刷用設定"));
    setFixedSize(464, 155);
    SetBackground(*this, kWindowGrey);
    createControls();
    connectSignals();
    FormCreate();
}

void TForm7::createControls()
{
    Label1 = new QLabel(QStringLiteral("物件名"), this);
    Label1->setGeometry(10, 10, 50, 22);
    Edit1 = new korvane::EntryField(this);
    Edit1->setGeometry(64, 10, 390, 22);
    Edit1->setToolTip(QStringLiteral("計算書の表題を記述します"));
    Edit1->installEventFilter(this);

    GroupBox4 = new QGroupBox(QStringLiteral("ページ番号表示/位置"), this);
    GroupBox4->setGeometry(8, 38, 388, 66);
    const QString place = QStringLiteral("ページ番号位置");
    RadioButton1 = MakeOption(QStringLiteral("無し"), QStringLiteral("ページ番号の記述無し"),
                              GroupBox4);
    RadioButton1->setGeometry(10, 27, 60, 20);
    RadioButton1->setChecked(true);
    const std::array<const char *, 6> captions{"上-左", "上-中", "上-右",
                                               "下-左", "下-中", "下-右"};
    std::array<QRadioButton **, 6> cellOptions{&RadioButton2, &RadioButton3, &RadioButton4,
                                         &RadioButton5, &RadioButton6, &RadioButton7};
    for (int cell = 0; cell < 6; ++cell) {
        const QRect box(89 + (cell % 3) * 69, cell < 3 ? 16 : 37, 70, 22);
        auto *shape = new QFrame(GroupBox4); // the sketch of the page margins
        shape->setGeometry(box);
        shape->setFrameShape(QFrame::Box);
        SetBackground(*shape, kWindowGrey);
        *cellOptions[cell] = MakeOption(QString::fromUtf8(captions[cell]), place, GroupBox4);
        (*cellOptions[cell])->setGeometry(box.adjusted(6, 1, -1, -1));
    }

    GroupBox1 = new QGroupBox(QStringLiteral("表示内容"), GroupBox4);
    GroupBox1->setGeometry(302, 10, 80, 50);
    Edit2 = new korvane::EntryField(GroupBox1);
    Edit2->setGeometry(5, 20, 70, 22);
    Edit2->setAlignment(Qt::AlignCenter);
    Edit2->setToolTip(QStringLiteral("ページ表示内容を設定します"));
    Edit2->setEnabled(false);

    Label2 = new QLabel(QStringLiteral("物件名が不要な場合、何も入力しないで下さい。"), this);
    Label2->setGeometry(10, 110, 290, 16);
    Label3 = new QLabel(QStringLiteral("ページ番号表示位置のキャンセルは無効です。"), this);
    Label3->setGeometry(10, 130, 290, 16);

    BitBtn2 = new QPushButton(QStringLiteral("    設　定"), this);
    BitBtn2->setGeometry(302, 116, 76, 28);
    BitBtn2->setToolTip(QStringLiteral("設定終了"));
    BitBtn1 = new QPushButton(QStringLiteral(" キャンセル"), this);
    BitBtn1->setGeometry(382, 116, 76, 28);
    BitBtn1->setToolTip(QStringLiteral("設定を破棄します"));
}

void TForm7::connectSignals()
{
    for (QRadioButton *option : PositionOptions())
        connect(option, &QRadioButton::clicked, this, &TForm7::RadioButton1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm7::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm7::BitBtn1Click);
}

void TForm7::FormCreate()
{
    Edit1->setText(QString::fromUtf8(kTitlePlaceholder));
    Edit2->setText(QString::fromUtf8(kDefaultPageText));
    RefreshPositionOptions();
}

std::array<QRadioButton *, 7> TForm7::PositionOptions() const
{
    return {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
            RadioButton5, RadioButton6, RadioButton7};
}

int TForm7::PositionCodeOf(int optionIndex)
{
    return kPositionCodes.at(static_cast<std::size_t>(optionIndex));
}

void TForm7::CheckPositionOption(int pageNumberPos)
{
    PositionOptions()[OptionIndexOf(pageNumberPos)]->setChecked(true);
}

void TForm7::RefreshPositionOptions()
{
    const auto options = PositionOptions();
    for (std::size_t i = 0; i < options.size(); ++i) {
        PaintOptionCaption(*options[i], options[i]->isChecked());
        if (options[i]->isChecked())
            m_settings.pageNumberPos = kPositionCodes[i];
    }
    Edit2->setEnabled(!RadioButton1->isChecked());
}

void TForm7::Edit1Click()
{
    if (Edit1->text() == QString::fromUtf8(kTitlePlaceholder))
        Edit1->clear();
}

void TForm7::RadioButton1Click()
{
    RefreshPositionOptions();
}

void TForm7::BitBtn2Click()
{
    done(QDialog::Accepted);
}

void TForm7::BitBtn1Click()
{
    done(QDialog::Rejected);
}

void TForm7::done(int result)
{
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
    if (result == QDialog::Accepted)
        CommitSettings();
    else
        RevertSettings();
    Edit1->setFocus();
    QDialog::done(result);
}

void TForm7::CommitSettings()
{
    PrintSettings &settings = m_settings;
    const QString title = Edit1->text();
    if (title.isEmpty() || title == QString::fromUtf8(kTitlePlaceholder))
        settings.projectTitle = kTitlePlaceholder;
    else
        settings.projectTitle = ToRecordText(title);
    if (Edit2->isEnabled())
        settings.pageText = ToRecordText(Edit2->text());
    else
        settings.pageNumberPos = 0;
}

void TForm7::RevertSettings()
{
    const PrintSettings &settings = m_settings;
    Edit1->setText(FromRecordText(settings.projectTitle));
    Edit2->setEnabled(true);
    Edit2->setText(FromRecordText(settings.pageText));
    QRadioButton *target = PositionOptions()[OptionIndexOf(settings.pageNumberPos)];
    if (!target->isChecked()) {
        target->setChecked(true);
        RadioButton1Click();
    }
    if (RadioButton1->isChecked())
        Edit2->setEnabled(false);
}

void TForm7::showEvent(QShowEvent *event)
{
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, true);
    if (Edit2->isEnabled())
        Edit2->setText(FromRecordText(m_settings.pageText));
    Edit1->setFocus();
    if (QWidget *over = parentWidget())
        move(over->window()->geometry().center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(event);
}

bool TForm7::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::MouseButtonPress)
        Edit1Click();
    return QDialog::eventFilter(watched, event);
}
