#pragma once
// The help window: one explanatory picture per input group of the main window, always the
// picture of the group the user touched last. It is created hidden at start-up and only
// hidden, never destroyed, when the user closes it.

#include <QString>
#include <QWidget>

class QCloseEvent;
class QScrollArea;

namespace korvane {
class EmfPicture;
class HelpImage;
} // namespace korvane

class TForm4 : public QWidget {
    Q_OBJECT

public:
    // Draws the first picture. A first picture that cannot be loaded leaves the window
    // blank; its error is raised from the event loop, so that the start-up goes on.
    explicit TForm4(QWidget *parent = nullptr);

    // Draws help page `page` (1 to 5); page 1 shows the picture of `deckFamily`
    // (0 PXデッキ, 1 PXリッジデッキ). Throws korvane::FileError when the picture cannot be
    // loaded: page 1 then leaves the window as it was, pages 2 to 5 keep their new caption,
    // height and scroll range over an empty picture area.
    void ShowHelpPage(int page, int deckFamily);

    // Scrolls the picture by a mouse-wheel turn; one notch (120) scrolls 120 pixels, a turn
    // towards the user scrolls down.
    void ScrollBox1MouseWheel(int wheelDelta);

    // Height of the scrollable picture area.
    int ScrollRange() const;
    // The picture area as drawn.
    const QImage &Picture() const;
    // Text of the error of the first picture, empty when it was drawn.
    QString FirstPictureError() const { return m_firstPictureError; }

    // 1 from "HELP ON" until the next page is drawn (which then takes the focus) or the
    // window closes; 0 otherwise.
    int helpJustSwitchedOn = 0;

    QScrollArea *ScrollBox1 = nullptr;
    korvane::HelpImage *Image1 = nullptr;

signals:
    // The window has been closed (it is hidden); the main window's button then reads
    // "HELP ON".
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormCloseQuery();
    void SetScrollRange(int range);
    void FillBackground();
    void DrawPicture(const korvane::EmfPicture &picture, int height);
    void ScrollToTop();

    QWidget *m_scrollContent = nullptr;
    QString m_firstPictureError;
};
