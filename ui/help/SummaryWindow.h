#pragma once
// The summary window: the program's description of its evaluation methods, limits and
// symbols, read from "Summary.rtf" in the data folder. One window for the whole run; it is
// created hidden and its close box only hides it.

#include <QWidget>

class QTextBrowser;

namespace korvane {

class SummaryWindow : public QWidget {
    Q_OBJECT

public:
    explicit SummaryWindow(QWidget *parent = nullptr);

    // Loads "Summary.rtf" into summaryView, replacing what it held, and shows the window in
    // front. Throws korvane::FileError, naming the file, when it cannot be read; the window
    // is then not shown.
    void ShowSummary();

private:
    // The controls, each with its member's name as object name (tests and tools find it so).
    QTextBrowser *summaryView = nullptr;
};

} // namespace korvane
