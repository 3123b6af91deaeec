#pragma once
// The deck comparison window (デッキ比較): every deck the main window offers, calculated
// with the main window's case, with each check's verdict and utilisation, the largest
// utilisation and the least shoring that makes every check pass. Passing decks come first,
// lightest first. Double-clicking a deck (or Return on it) puts it into the main window.

#include "core/DeckComparisonText.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace korvane {

class DeckComparisonWindow : public QDialog {
    Q_OBJECT
public:
    // `conditions` is the case compared (its conditions stand above the table); `shownRow`
    // is the row of the main window's deck (-1 when none), which stands out.
    DeckComparisonWindow(std::vector<DeckComparisonRow> rows, DesignCase conditions, int shownRow,
                         QWidget *parent = nullptr);
    ~DeckComparisonWindow() override;

    const std::vector<DeckComparisonRow> &Rows() const { return m_rows; }
    // What the row the user took (double-click or Return) puts into the main window: the
    // deck, and its least shoring where the case's shoring does not suffice; none when the
    // window was closed.
    const std::optional<TakenDeck> &Taken() const { return m_taken; }
    // What the main window says about the taken row's shoring; empty when it stays.
    const std::string &TakeNote() const { return m_takeNote; }
    // The row of the main window's deck; -1 when the table lacks it.
    int ShownDeckRow() const { return m_shownRow; }

    // Takes the deck of a table row and closes the window.
    void TakeRow(int row);
    void PrintComparison();
    void ExportCsv();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The controls, each with its member's name as object name (tests and tools find it so).
    QLabel *conditionsLabel = nullptr;
    QTableWidget *comparisonTable = nullptr;
    QPushButton *printButton = nullptr; // "印刷"
    QPushButton *csvButton = nullptr;   // "CSV出力"
    QPushButton *closeButton = nullptr; // "閉じる"

    void CreateControls();
    void FillTable();
    void FitToTable();
    void ConnectSignals();

    std::vector<DeckComparisonRow> m_rows;
    DesignCase m_case;
    std::vector<std::string> m_conditions; // the lines above the table
    std::optional<TakenDeck> m_taken;
    std::string m_takeNote;
    int m_shownRow = -1;
};

} // namespace korvane
