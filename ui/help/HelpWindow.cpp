#include "ui/help/HelpWindow.h"

#include "core/Errors.h"
#include "ui/Controls.h"
#include "ui/DataFolder.h"
#include "ui/GuardedRun.h"
#include "ui/help/EmfPicture.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace korvane;

namespace korvane {

// The picture area: a fixed-size picture that the help pages draw on. It holds as many
// pixels as the screen shows in its place, so that the pictures are drawn sharp on a screen
// of a higher pixel density, with the same layout. The pixels (2 MB) are made when a page is
// first drawn, so that a help window that is never shown holds none.
class HelpImage : public QWidget {
public:
    static constexpr int kWidth = 448;
    static constexpr int kHeight = 1143;

    HelpImage(QWidget *parent, const QColor &background)
        : QWidget(parent), m_ratio(devicePixelRatioF()), m_background(background) {
        setFixedSize(kWidth, kHeight);
    }

    // The picture, made in the background colour when it is not there yet.
    QImage &Image() {
        if (m_image.isNull()) {
            m_image = QImage(QSize(kWidth, kHeight) * m_ratio, QImage::Format_RGB32);
            m_image.setDevicePixelRatio(m_ratio);
            m_image.fill(m_background);
        }
        return m_image;
    }

    // Whether the picture is to hold the pixels of another `ratio`; its pixels are dropped
    // then, and made anew in the background colour when next needed.
    bool SetPixelRatio(qreal ratio) {
        if (ratio == m_ratio)
            return false;
        m_ratio = ratio;
        m_image = QImage();
        return true;
    }

    // Clears the picture to the background colour (a picture not made yet is that already).
    void Clear(const QRect &area) {
        if (m_image.isNull())
            return;
        QPainter painter(&m_image);
        painter.fillRect(area, m_background);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        if (m_image.isNull())
            return; // the area behind shows the same background colour
        QPainter painter(this);
        painter.drawImage(0, 0, m_image);
    }

private:
    qreal m_ratio;
    QColor m_background;
    QImage m_image;
};

} // namespace korvane

namespace {

using korvane::EmfPicture;

const QColor kBackground(240, 242, 242);
constexpr int kWindowWidth = 468;
constexpr int kPageWindowHeight = 600;
constexpr int kPictureWidth = 437;
// The part of the picture area that each page clears before it draws.
constexpr QRect kClearedArea(0, 0, 450, 1143);

struct HelpPage {
    const char *caption;
    const char *file;
    int height; // drawn height of the picture; the scroll range is 13 more
};

constexpr HelpPage kFirstPicture{"選択項目のHELP表示", "KR_tag0.emf", 229};
constexpr int kFirstScrollRange = 261;
constexpr int kFirstWindowHeight = 299;

// Page 1 has one picture per deck family: [0] PXデッキ, [1] PXリッジデッキ.
constexpr HelpPage kDeckPages[2] = {
    {"デッキ種類", "KR_tag1.emf", 953},
    {"デッキ種類", "KR_tag1_2.emf", 1122},
};
constexpr HelpPage kOtherPages[4] = {
    {"スパン", "KR_tag2.emf", 607},
    {"支持梁/施工状況", "KR_tag3.emf", 607},
    {"コンクリート", "KR_tag4.emf", 607},
    {"荷　重", "KR_tag5.emf", 607},
};

QString PicturePath(const HelpPage &page) {
    return DataFolder() + QString::fromUtf8(page.file);
}

// Shows the error with the general error display once the event loop runs again, so that
// the window that met it (perhaps still being made) goes on first.
void ReportFromEventLoop(QObject *context, const std::string &text) {
    QMetaObject::invokeMethod(
        context, [text] { korvane::ShowGeneralError(QString::fromStdString(text)); },
        Qt::QueuedConnection);
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QString::fromUtf8(kFirstPicture.caption));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);

    pictureScroller = new QScrollArea(this);
    pictureScroller->setObjectName(QStringLiteral("pictureScroller"));
    pictureScroller->setFrameShape(QFrame::NoFrame);
    pictureScroller->setWidgetResizable(false);
    pictureScroller->verticalScrollBar()->setTracking(true);
    pictureScroller->viewport()->installEventFilter(this);
    m_scrollContent = new QWidget;
    m_scrollContent->setAutoFillBackground(true);
    m_scrollContent->setPalette(pal);
    pictureView = new korvane::HelpImage(m_scrollContent, kBackground);
    pictureView->setObjectName(QStringLiteral("pictureView"));
    pictureView->move(0, 0);
    pictureScroller->setWidget(m_scrollContent);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pictureScroller);

    move(5, 5);
    resize(kWindowWidth, kFirstWindowHeight);
    try {
        Initialise();
    } catch (const korvane::FileError &error) {
        // A constructor that threw would leave the program without its help window.
        m_firstPictureError = QString::fromUtf8(error.what());
        ReportFromEventLoop(this, error.what());
    }
}

void HelpWindow::Initialise() {
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        if (y() + height() > screen->geometry().height())
            move(0, 0);
    }
    SetScrollRange(kFirstScrollRange);
    resize(kWindowWidth, kFirstWindowHeight);
    FillBackground();
    SetPage(PicturePath(kFirstPicture), kFirstPicture.height);
}

void HelpWindow::ShowHelpPage(korvane::HelpTopic topic, int deckFamily) {
    const bool deckPage = topic == korvane::HelpTopic::kDeck;
    const HelpPage &row = deckPage ? kDeckPages[deckFamily == 0 ? 0 : 1]
                                   : kOtherPages[int(topic) - int(korvane::HelpTopic::kSpan)];
    const QString path = PicturePath(row);
    // The deck page reads its picture before it changes anything, so that a picture that
    // cannot be read leaves the window as it was.
    QByteArray deckPicture;
    if (deckPage)
        deckPicture = EmfPicture::ReadFile(path);
    SetScrollRange(row.height + 13);
    resize(width(), kPageWindowHeight);
    FillBackground();
    setWindowTitle(QString::fromUtf8(row.caption));
    if (deckPage)
        SetPage(path, row.height, deckPicture);
    else
        SetPage(path, row.height);
    ScrollToTop();
    if (m_justSwitchedOn) {
        // The first page after "HELP ON" brings the help window to the front; later pages
        // leave the focus in the main window.
        raise();
        activateWindow();
        m_justSwitchedOn = false;
    }
}

void HelpWindow::ScrollByWheel(int wheelDelta) {
    korvane::ScrollByWheel(*pictureScroller, wheelDelta);
}

int HelpWindow::ScrollRange() const {
    return m_scrollContent->height();
}

const QImage &HelpWindow::Picture() const {
    DrawPagePicture();
    return pictureView->Image();
}

void HelpWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // A screen of another pixel density needs the page drawn anew, with its pixels.
    if (pictureView->SetPixelRatio(devicePixelRatioF())) {
        FillBackground();
        m_pictureDrawn = false;
    }
    try {
        DrawPagePicture();
    } catch (const korvane::FileError &error) {
        ReportFromEventLoop(this, error.what());
    }
}

void HelpWindow::SetPage(const QString &path, int height) {
    m_page = {}; // a page whose picture cannot be read shows none, not the one before
    m_pictureDrawn = false;
    SetPage(path, height, EmfPicture::ReadFile(path));
}

// A page seen now is drawn from the bytes just read. A hidden window keeps only where the
// picture is, so that it holds no picture file while the inputs change.
void HelpWindow::SetPage(const QString &path, int height, const QByteArray &emf) {
    m_page = {path, height};
    m_pictureDrawn = false;
    if (isVisible())
        DrawPagePicture(emf);
}

// The page's picture is read again, converted and drawn only when it is seen (the window
// shows, or the picture is asked for), so that a hidden help window costs the start-up
// nothing.
void HelpWindow::DrawPagePicture() const {
    if (m_pictureDrawn || m_page.path.isEmpty())
        return;
    m_pictureDrawn = true; // a picture that cannot be read or converted is reported once
    DrawPagePicture(EmfPicture::ReadFile(m_page.path));
}

void HelpWindow::DrawPagePicture(const QByteArray &emf) const {
    m_pictureDrawn = true;
    DrawPicture(EmfPicture::Convert(m_page.path, emf), m_page.height);
}

void HelpWindow::closeEvent(QCloseEvent *event) {
    ReportClosed();
    event->accept(); // the window hides; it lives until the program ends
}

void HelpWindow::ReportClosed() {
    m_justSwitchedOn = false;
    emit ClosedByUser();
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == pictureScroller->viewport() && event->type() == QEvent::Wheel) {
        ScrollByWheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::SetScrollRange(int range) {
    m_scrollContent->setFixedSize(korvane::HelpImage::kWidth, range);
}

void HelpWindow::FillBackground() {
    pictureView->Clear(kClearedArea);
    pictureView->update();
}

void HelpWindow::DrawPicture(const EmfPicture &picture, int height) const {
    QPainter painter(&pictureView->Image());
    painter.setRenderHint(QPainter::Antialiasing);
    picture.Draw(painter, QRectF(0, 0, kPictureWidth, height));
    pictureView->update();
}

void HelpWindow::ScrollToTop() {
    pictureScroller->verticalScrollBar()->setValue(0);
}
