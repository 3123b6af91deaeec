#pragma once
// The help window: one explanatory picture per input group of the main window, always the
// picture of the group the user touched last. It is created hidden at start-up and only
// hidden, never destroyed, when the user closes it.

#include "ui/help/HelpTopic.h"

#include <QString>
#include <QWidget>

class QCloseEvent;
class QScrollArea;

namespace korvane {
class EmfPicture;
class HelpImage;

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // Draws the first picture. A first picture that cannot be loaded leaves the window
    // blank; its error is raised from the event loop, so that the start-up goes on.
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the page of `topic`; the deck page shows the picture of `deckFamily`
    // (0 PXデッキ, 1 PXリッジデッキ). The picture is read at once but drawn only when the
    // window is visible or shows. Throws korvane::FileError when the picture cannot be
    // read: the deck page then leaves the window as it was, the other pages keep their new
    // caption, height and scroll range over an empty picture area.
    void ShowHelpPage(korvane::HelpTopic topic, int deckFamily);

    // Scrolls the picture by a mouse-wheel turn; one notch (120) scrolls 120 pixels, a turn
    // towards the user scrolls down.
    void ScrollByWheel(int wheelDelta);

    // Height of the scrollable picture area.
    int ScrollRange() const;
    // The picture area as drawn, with the current page's picture (drawn now if the window
    // has not shown it yet).
    const QImage &Picture() const;
    // Whether the current page's picture is on the picture area (it is drawn only when the
    // window shows or the picture is asked for).
    bool PictureDrawn() const { return m_pictureDrawn; }
    // Text of the error of the first picture, empty when it was drawn.
    QString FirstPictureError() const { return m_firstPictureError; }

    // After "HELP ON": the next page shown brings the window to the front and takes the
    // focus; later pages leave it where it is. Closing the window forgets it.
    void ComeToFrontWithNextPage() { m_justSwitchedOn = true; }
    // Whether "HELP ON" came and no page has been shown since (nor the window closed).
    bool JustSwitchedOn() const { return m_justSwitchedOn; }

signals:
    // The window has been closed (it is hidden); the main window's button then reads
    // "HELP ON".
    void ClosedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The controls, each with its member's name as object name (tests and tools find it so).
    QScrollArea *pictureScroller = nullptr;
    korvane::HelpImage *pictureView = nullptr;

    void Initialise();
    void ReportClosed();
    void SetScrollRange(int range);
    void FillBackground();
    void DrawPicture(const korvane::EmfPicture &picture, int height) const;
    void ScrollToTop();
    void SetPage(const QString &path, int height);
    void SetPage(const QString &path, int height, const QByteArray &emf);
    void DrawPagePicture() const;
    void DrawPagePicture(const QByteArray &emf) const;

    bool m_justSwitchedOn = false;
    // The picture of the page shown last: its file and its drawn height. Its bytes are not
    // kept: a page not seen yet reads its file again when first drawn.
    struct PagePicture {
        QString path;
        int height = 0;
    };
    PagePicture m_page;
    mutable bool m_pictureDrawn = false;

    QWidget *m_scrollContent = nullptr;
    QString m_firstPictureError;
};

} // namespace korvane
