#pragma once
// The program's windows, created in start-up order and living until the program ends.

#include <memory>

class TForm1;
class TForm3;
class TForm6;
class QWidget;

namespace korvane {

struct ProgramWindows {
    ProgramWindows();
    ~ProgramWindows();

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<QWidget> summary; // TSummary
    std::unique_ptr<QWidget> help;    // TForm4
    std::unique_ptr<TForm6> form6;
    std::unique_ptr<TForm3> form3;
};

// Creates the main window (which runs its start-up), the summary window, the help window,
// the data-file dialog holder and the result window, in that order, and links them.
std::unique_ptr<ProgramWindows> CreateProgramWindows();

} // namespace korvane
