#include "ui/main/UsageNotice.h"

#include "ui/Look.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace korvane;

namespace {

const char *const kNoticeText =
    "本プログラムは、フラットデッキを床型枠として使用する場合の施工時（コンクリート打設時）"
    "の構造検討を行うものです。デッキプレートを梁フランジ間に単純支持された部材として、"
    "曲げ応力度、たわみ、リブの支圧荷重および最大スパンを確認します。\n"
    "\n"
    "【ご利用の条件】\n"
    "・構造設計の知識を持つ技術者の方がご使用下さい。\n"
    "・計算結果は、設計者ご自身の責任において内容をご確認の上ご使用下さい。\n"
    "・入力値は計算可能な範囲内で設定して下さい。\n"
    "・本プログラムの改変、再配布はご遠慮下さい。\n"
    "\n"
    "【免責事項】\n"
    "本プログラムの使用により生じたいかなる損害についても、提供者は責任を負いかねます。"
    "本プログラムの内容は予告なく変更することがあります。";

} // namespace

UsageNotice::UsageNotice(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose); // closing frees the notice
    setWindowTitle(QStringLiteral("ご確認下さい"));
    setFixedSize(402, 312);
    SetBackground(*this, kWindowGrey);

    auto *heading = new QLabel(QStringLiteral("「Korvane for win」のご利用について"), this);
    heading->setGeometry(0, 0, 402, 30);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(WindowFont(14, true));
    heading->setStyleSheet(QStringLiteral("background: rgb(0,0,128); color: white;"));

    auto *maker = new QLabel(QStringLiteral("提供：Arvel_DeckPlate 技術サポート"), this);
    maker->setGeometry(12, 36, 378, 18);
    maker->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *text = new QPlainTextEdit(QString::fromUtf8(kNoticeText), this);
    text->setGeometry(12, 58, 378, 206);
    text->setReadOnly(true);
    text->setFont(WindowFont(11));
    text->setFocusPolicy(Qt::NoFocus);

    confirmButton = new QPushButton(QStringLiteral("確　認"), this);
    confirmButton->setGeometry(161, 274, 80, 28);
    confirmButton->setDefault(true);
    connect(confirmButton, &QPushButton::clicked, this, &UsageNotice::Confirm);

    if (parent) {
        const QRect over = parent->window()->geometry();
        move(over.center() - QPoint(width() / 2, height() / 2));
    }
}

void UsageNotice::Confirm() {
    close();
}
