#pragma once
// The usage notice: purpose, conditions of use and disclaimer of the program. A new window
// is made for each showing and frees itself when it closes.

#include <QDialog>

class QPushButton;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);

    QPushButton *BitBtn1 = nullptr; // "確　認"

    void BitBtn1Click();
};
