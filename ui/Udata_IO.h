#pragma once
// Holder of the open and save dialogs of design cases.

#include <QWidget>

class TForm6 : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);
};
