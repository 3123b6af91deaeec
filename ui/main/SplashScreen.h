#pragma once
// The splash: a small borderless window shown while the main window is being created.

#include <QWidget>

namespace korvane {

class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace korvane
