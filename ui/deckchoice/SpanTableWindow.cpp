#include "ui/deckchoice/SpanTableWindow.h"

#include "core/DeckTableText.h"
#include "sheet/qt/TodayDate.h"
#include "ui/Controls.h"
#include "ui/GuardedRun.h"
#include "ui/Look.h"
#include "ui/MessageSeam.h"
#include "ui/WindowTitle.h"
#include "ui/deckchoice/SpanChart.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace korvane {

namespace {

// Room for the window manager's title bar and borders round the window.
const QSize kWindowFrameAllowance{16, 48};
// The least the table and the chart shrink to on a small screen: the table scrolls, the
// chart draws smaller.
const QSize kSmallestTable{240, 160};
const QSize kSmallestChart{280, 200};

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

QStringList Texts(const std::vector<std::string> &texts) {
    QStringList list;
    for (const std::string &text : texts)
        list << Text(text);
    return list;
}

QStringList Headings() {
    return Texts(SpanTableHeadings());
}

QStringList RowTexts(const SpanTableRow &row) {
    return Texts(SpanTableCells(row));
}

QPushButton *MakeButton(const QString &text, QWidget *parent) {
    auto *button = new QPushButton(text, parent);
    button->setFont(WindowFont(12, true));
    button->setMinimumWidth(96);
    button->setAutoDefault(false); // Return belongs to the table's cells
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

SpanTableWindow::SpanTableWindow(std::vector<SpanTableRow> rows, DesignCase conditions,
                                 int markedRow, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_rows(std::move(rows)), m_conditions(std::move(conditions)), m_markedRow(markedRow) {
    setObjectName(QStringLiteral("spanTableWindow"));
    setWindowTitle(WindowTitleOf(QString::fromUtf8(kSpanTableTitle)));
    CreateControls();
    NameObjects({{conditionsLabel, "conditionsLabel"},
                 {spanTable, "spanTable"},
                 {spanChart, "spanChart"},
                 {printButton, "printButton"},
                 {csvButton, "csvButton"},
                 {closeButton, "closeButton"}});
    FillTable();
    ConnectSignals();
    FitToScreen();
}

// The window the table and chart want where the screen has room for it; within the screen's
// available area otherwise, the table scrolling and the chart shrinking in what is left.
void SpanTableWindow::FitToScreen() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize available = screen->availableGeometry().size() - kWindowFrameAllowance;
    const QSize wanted = sizeHint().expandedTo(minimumSizeHint());
    if (wanted.width() <= available.width() && wanted.height() <= available.height())
        return;
    spanTable->setMinimumSize(kSmallestTable);
    spanChart->setMinimumSize(kSmallestChart);
    resize(wanted.boundedTo(available));
}

void SpanTableWindow::CreateControls() {
    SetBackground(*this, kWindowGrey);
    auto *layout = new QVBoxLayout(this);

    QLabel *heading = NewTableHeading(m_conditions, this);
    heading->setFont(WindowFont(12, true));
    layout->addWidget(heading);
    conditionsLabel = new QLabel(Texts(ConditionsText(m_conditions)).join(QLatin1Char('\n')), this);
    conditionsLabel->setFont(WindowFont(12));
    layout->addWidget(conditionsLabel);

    auto *body = new QHBoxLayout;
    spanTable = new QTableWidget(this);
    spanTable->setFont(WindowFont(12));
    spanTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    spanTable->setSelectionMode(QAbstractItemView::SingleSelection);
    spanTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    spanTable->verticalHeader()->hide();
    spanTable->verticalHeader()->setDefaultSectionSize(20);
    spanTable->setToolTip(QStringLiteral("ダブルクリックでデッキ・支保工・スパンを入力画面へ"));
    body->addWidget(spanTable);

    spanChart = new SpanChartView(m_rows, this);
    spanChart->setMinimumSize(500, 480);
    body->addWidget(spanChart, 1);
    layout->addLayout(body, 1);

    auto *takeNote = new QLabel(QString::fromUtf8(kSpanTableTakeNote), this);
    takeNote->setWordWrap(true);
    takeNote->setFont(WindowFont(12));
    layout->addWidget(takeNote);

    auto *buttons = new QHBoxLayout;
    printButton = MakeButton(QStringLiteral("印刷"), this);
    csvButton = MakeButton(QStringLiteral("CSV出力"), this);
    closeButton = MakeButton(QStringLiteral("閉じる"), this);
    buttons->addWidget(printButton);
    buttons->addWidget(csvButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
}

void SpanTableWindow::FillTable() {
    const QStringList headings = Headings();
    spanTable->setColumnCount(int(headings.size()));
    spanTable->setHorizontalHeaderLabels(headings);
    spanTable->setRowCount(int(m_rows.size()));
    QFont marked = WindowFont(12, true);
    for (int r = 0; r < int(m_rows.size()); ++r) {
        const QStringList texts = RowTexts(m_rows[r]);
        for (int c = 0; c < int(texts.size()); ++c) {
            auto *item = new QTableWidgetItem(texts[c]);
            item->setTextAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            if (r == m_markedRow) {
                item->setFont(marked);
                item->setBackground(kMarkedRowFill);
            }
            spanTable->setItem(r, c, item);
        }
    }
    spanTable->resizeColumnsToContents();
    int width = spanTable->frameWidth() * 2 + 20; // room for the vertical scroll bar
    for (int c = 0; c < spanTable->columnCount(); ++c) {
        spanTable->setColumnWidth(c, spanTable->columnWidth(c) + 8);
        width += spanTable->columnWidth(c);
    }
    spanTable->setMinimumWidth(width);
    spanTable->setMinimumHeight(480);
    if (m_markedRow >= 0) {
        // Current for the keys, not selected: the selection colour would hide the mark.
        spanTable->setCurrentCell(m_markedRow, 0, QItemSelectionModel::NoUpdate);
        spanTable->scrollToItem(spanTable->item(m_markedRow, 0),
                                QAbstractItemView::PositionAtCenter);
    }
}

void SpanTableWindow::ConnectSignals() {
    connect(spanTable, &QTableWidget::cellDoubleClicked, this, &SpanTableWindow::ChooseCell);
    spanTable->installEventFilter(this);
    connect(printButton, &QPushButton::clicked, this, &SpanTableWindow::PrintTable);
    connect(csvButton, &QPushButton::clicked, this, &SpanTableWindow::ExportCsv);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

// Return on a cell takes it as a double-click does; the dialog's default button must not.
bool SpanTableWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == spanTable && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && spanTable->currentRow() >= 0) {
            ChooseCell(spanTable->currentRow(), spanTable->currentColumn());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SpanTableWindow::ChooseCell(int row, int column) {
    if (row < 0 || row >= int(m_rows.size()))
        return;
    m_choice = TakenFromSpanTable(m_rows[row], ShoringOfSpanTableColumn(column));
    accept();
}

PrintedTable SpanTableWindow::PrintedPage() const {
    PrintedTable page = NewPrintedTable(QString::fromUtf8(kSpanTableTitle), m_conditions);
    page.conditionLines = Texts(ConditionsText(m_conditions));
    page.headings = Headings();
    for (const SpanTableRow &row : m_rows)
        page.rows << RowTexts(row);
    page.markedRow = m_markedRow;
    return page;
}

void SpanTableWindow::PrintTable() {
    RunGuarded(this, [this] {
        korvane::PrintTable(this, PrintedPage(), [this](QPainter &painter, const QRectF &area) {
            DrawSpanChart(painter, area, m_rows);
        });
    });
}

void SpanTableWindow::ExportCsv() {
    RunGuarded(this, [this] {
        korvane::ExportCsv(this, QStringLiteral("最大スパン表.csv"),
                           SpanTableCsv(m_rows, m_conditions, TodayCsvDate()));
    });
}

} // namespace korvane
