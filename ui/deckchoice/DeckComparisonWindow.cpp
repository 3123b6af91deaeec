#include "ui/deckchoice/DeckComparisonWindow.h"

#include "core/DeckComparisonText.h"
#include "sheet/qt/TodayDate.h"
#include "ui/Controls.h"
#include "ui/GuardedRun.h"
#include "ui/Look.h"
#include "ui/MessageSeam.h"
#include "ui/WindowTitle.h"
#include "ui/deckchoice/DeckTableOutput.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvane {

namespace {

const QColor kFailingRed{204, 0, 0};
const QColor kSelectionBlue{196, 220, 244};

constexpr int kRowHeight = 20;
constexpr int kTextPixelSize = 13;
constexpr int kColumnPadding = 8; // beside the widest text of a column
// Room for the window manager's title bar and borders round the window.
const QSize kWindowFrameAllowance{16, 48};

// Keeps a cell's own text colour on a selected row, so that a failing check stays red.
class KeepTextColourDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant foreground = index.data(Qt::ForegroundRole);
        if (foreground.canConvert<QBrush>())
            option->palette.setBrush(QPalette::HighlightedText, foreground.value<QBrush>());
    }
};

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

// The cells of a row in column order, as DeckComparisonHeadings names the columns.
std::vector<ComparisonCell> Cells(const DeckComparisonRow &row) {
    return DeckComparisonCells(DeckComparisonTexts(row));
}

QTableWidgetItem *NewCell(const QString &text, bool failing, bool shownDeck) {
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    if (failing)
        item->setForeground(kFailingRed);
    if (shownDeck) {
        item->setBackground(kMarkedRowFill);
        item->setFont(WindowFont(kTextPixelSize, true));
    }
    return item;
}

QString HeadingText(const ColumnHeading &heading) {
    if (heading.bottom.empty())
        return Text(heading.top);
    return Text(heading.top) + QLatin1Char('\n') + Text(heading.bottom);
}

QStringList Texts(const std::vector<std::string> &texts) {
    QStringList list;
    for (const std::string &text : texts)
        list << Text(text);
    return list;
}

// The conditions above the table, half of them on each of two lines.
QString ConditionsInTwoLines(const QStringList &conditions) {
    const qsizetype firstLine = (conditions.size() + 1) / 2;
    const QString gap = QStringLiteral("　　");
    return conditions.mid(0, firstLine).join(gap) + QLatin1Char('\n') +
           conditions.mid(firstLine).join(gap);
}

// The page the comparison prints: the same rows and texts as the window, its deck marked.
PrintedTable ComparisonPage(const std::vector<DeckComparisonRow> &rows,
                            const std::vector<std::string> &conditions, int shownRow) {
    // Every row holds the case with its own deck; the project title is the case's.
    PrintedTable page =
        NewPrintedTable(QString::fromUtf8(kDeckComparisonTitle), rows.front().result.record);
    page.conditionLines = Texts(conditions);
    page.headings = Texts(DeckComparisonPageHeadings());
    for (const DeckComparisonRow &row : rows)
        page.rows << Texts(CellTexts(Cells(row)));
    page.markedRow = shownRow;
    return page;
}

QPushButton *NewButton(const QString &caption, QWidget *parent) {
    auto *button = new QPushButton(caption, parent);
    // Return on the table takes the deck; no button may catch it first.
    button->setAutoDefault(false);
    button->setMinimumWidth(96);
    return button;
}

} // namespace

DeckComparisonWindow::DeckComparisonWindow(std::vector<DeckComparisonRow> rows,
                                           DesignCase conditions, int shownRow, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_rows(std::move(rows)), m_case(std::move(conditions)),
      m_conditions(DeckComparisonConditions(m_case)), m_shownRow(shownRow) {
    setWindowTitle(WindowTitleOf(QString::fromUtf8(kDeckComparisonTitle)));
    CreateControls();
    NameObjects({{conditionsLabel, "conditionsLabel"},
                 {comparisonTable, "comparisonTable"},
                 {printButton, "printButton"},
                 {csvButton, "csvButton"},
                 {closeButton, "closeButton"}});
    FillTable();
    FitToTable();
    ConnectSignals();
}

DeckComparisonWindow::~DeckComparisonWindow() = default;

void DeckComparisonWindow::CreateControls() {
    SetBackground(*this, kWindowGrey);
    setFont(WindowFont(kTextPixelSize));
    auto *layout = new QVBoxLayout(this);

    conditionsLabel = new QLabel(ConditionsInTwoLines(Texts(m_conditions)), this);
    conditionsLabel->setFont(WindowFont(kTextPixelSize, true));

    comparisonTable = new QTableWidget(this);
    comparisonTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    comparisonTable->setSelectionMode(QAbstractItemView::SingleSelection);
    comparisonTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    comparisonTable->verticalHeader()->hide();
    comparisonTable->verticalHeader()->setDefaultSectionSize(kRowHeight);
    comparisonTable->installEventFilter(this);
    comparisonTable->setItemDelegate(new KeepTextColourDelegate(comparisonTable));
    // A light selection, so that the bold main-window deck and red failures still show.
    QPalette selection = comparisonTable->palette();
    selection.setColor(QPalette::Highlight, kSelectionBlue);
    selection.setColor(QPalette::HighlightedText, Qt::black);
    comparisonTable->setPalette(selection);

    printButton = NewButton(QStringLiteral("印刷"), this);
    csvButton = NewButton(QStringLiteral("CSV出力"), this);
    closeButton = NewButton(QStringLiteral("閉じる"), this);
    auto *usage = new QLabel(QString::fromUtf8(kDeckComparisonTakeNote), this);
    usage->setWordWrap(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton);
    buttons->addWidget(csvButton);
    buttons->addWidget(closeButton);

    QLabel *heading = NewTableHeading(m_case, this);
    heading->setFont(WindowFont(kTextPixelSize, true));
    layout->addWidget(heading);
    layout->addWidget(conditionsLabel);
    layout->addWidget(usage);
    layout->addWidget(comparisonTable);
    layout->addLayout(buttons);
}

void DeckComparisonWindow::FillTable() {
    const auto &headings = DeckComparisonHeadings();
    comparisonTable->setColumnCount(static_cast<int>(headings.size()));
    comparisonTable->setRowCount(static_cast<int>(m_rows.size()));
    QStringList headingTexts;
    for (const ColumnHeading &heading : headings)
        headingTexts << HeadingText(heading);
    comparisonTable->setHorizontalHeaderLabels(headingTexts);

    for (int row = 0; row < comparisonTable->rowCount(); ++row) {
        const std::vector<ComparisonCell> cells = Cells(m_rows[std::size_t(row)]);
        for (std::size_t column = 0; column < cells.size(); ++column)
            comparisonTable->setItem(
                row, int(column),
                NewCell(Text(cells[column].text), cells[column].failing, row == m_shownRow));
    }
    comparisonTable->resizeColumnsToContents();
    for (int column = 0; column < comparisonTable->columnCount(); ++column)
        comparisonTable->setColumnWidth(column,
                                        comparisonTable->columnWidth(column) + kColumnPadding);
    comparisonTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    comparisonTable->horizontalHeader()->setStretchLastSection(true);
    if (m_shownRow >= 0)
        comparisonTable->selectRow(m_shownRow);
}

// As wide as the table's columns and as high as its rows, within the screen's available area;
// the table scrolls in what is left.
void DeckComparisonWindow::FitToTable() {
    const int frame = 2 * comparisonTable->frameWidth();
    const int tableHeight = comparisonTable->horizontalHeader()->sizeHint().height() +
                            comparisonTable->verticalHeader()->length() + frame;
    const int otherHeight = sizeHint().height() - comparisonTable->sizeHint().height();
    QSize available(4096, 4096);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        available = screen->availableGeometry().size() - kWindowFrameAllowance;
    const bool scrolls = otherHeight + tableHeight > available.height();
    const int scrollBar = scrolls ? comparisonTable->verticalScrollBar()->sizeHint().width() : 0;
    comparisonTable->setMinimumWidth(comparisonTable->horizontalHeader()->length() + frame +
                                     scrollBar);
    comparisonTable->setMinimumHeight(std::min(tableHeight, 6 * kRowHeight));
    resize(QSize(sizeHint().width(), otherHeight + tableHeight).boundedTo(available));
}

void DeckComparisonWindow::ConnectSignals() {
    connect(comparisonTable, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { TakeRow(row); });
    connect(printButton, &QPushButton::clicked, this, &DeckComparisonWindow::PrintComparison);
    connect(csvButton, &QPushButton::clicked, this, &DeckComparisonWindow::ExportCsv);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool DeckComparisonWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == comparisonTable && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && comparisonTable->currentRow() >= 0) {
            TakeRow(comparisonTable->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DeckComparisonWindow::TakeRow(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    m_taken = TakenFromComparison(m_rows[std::size_t(row)]);
    m_takeNote = ComparisonTakeNote(m_rows[std::size_t(row)]);
    accept();
}

void DeckComparisonWindow::PrintComparison() {
    RunGuarded(this,
               [this] { PrintTable(this, ComparisonPage(m_rows, m_conditions, m_shownRow)); });
    comparisonTable->setFocus(); // the arrows and Return go on working on the rows
}

void DeckComparisonWindow::ExportCsv() {
    RunGuarded(this, [this] {
        korvane::ExportCsv(this, QString::fromUtf8(kDeckComparisonTitle) + QStringLiteral(".csv"),
                           DeckComparisonCsv(m_rows, m_case, TodayCsvDate()));
    });
    comparisonTable->setFocus();
}

} // namespace korvane
