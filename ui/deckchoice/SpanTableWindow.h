#pragma once
// The maximum-span table window (最大スパン表): for the main window's conditions, the largest
// span of every offered deck with each shoring option and the check that stops it, a chart
// of the spans against the plate thickness, printing and CSV output. Double-clicking a cell
// takes its deck, shoring and span into the main window.

#include "core/DeckTableText.h"
#include "core/DesignCase.h"
#include "core/SpanTable.h"
#include "ui/deckchoice/DeckTableOutput.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace korvane {

class SpanChartView;

class SpanTableWindow : public QDialog {
    Q_OBJECT
public:
    // `markedRow` is the row of the main window's deck (-1 when none of the rows).
    SpanTableWindow(std::vector<SpanTableRow> rows, DesignCase conditions, int markedRow,
                    QWidget *parent = nullptr);

    // The first table column holding a shoring option; the ones before it name the deck.
    static constexpr int kFirstShoringColumn = kSpanTableFirstShoringColumn;

    const std::vector<SpanTableRow> &Rows() const { return m_rows; }
    int MarkedRow() const { return m_markedRow; }
    // What the user took by a double-click (or Return) on a cell; none when closed otherwise.
    const std::optional<TakenDeck> &Choice() const { return m_choice; }

    void ChooseCell(int row, int column);
    void PrintTable();
    void ExportCsv();

    // The page the print command prints.
    PrintedTable PrintedPage() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The controls, each with its member's name as object name (tests and tools find it so).
    QLabel *conditionsLabel = nullptr;
    QTableWidget *spanTable = nullptr;
    SpanChartView *spanChart = nullptr;
    QPushButton *printButton = nullptr; // "印刷"
    QPushButton *csvButton = nullptr;   // "CSV出力"
    QPushButton *closeButton = nullptr; // "閉じる"

    void CreateControls();
    void FillTable();
    void ConnectSignals();
    void FitToScreen();

    std::vector<SpanTableRow> m_rows;
    DesignCase m_conditions;
    int m_markedRow = -1;
    std::optional<TakenDeck> m_choice;
};

} // namespace korvane
