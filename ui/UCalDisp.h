#pragma once
// The result window: the calculation sheet on screen, printing and the print settings.

#include <QWidget>

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);
};
