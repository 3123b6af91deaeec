#pragma once
// The usage notice: purpose, conditions of use and disclaimer of the program. A new window
// is made for each showing and frees itself when it closes.

#include <QDialog>

class QPushButton;

namespace korvane {

class UsageNotice : public QDialog {
    Q_OBJECT
public:
    explicit UsageNotice(QWidget *parent = nullptr);

    QPushButton *confirmButton = nullptr; // "確　認"

    void Confirm();
};

} // namespace korvane
