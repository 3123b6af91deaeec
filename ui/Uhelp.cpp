#include "ui/Uhelp.h"

#include "core/Errors.h"
#include "ui/DataFolder.h"
#include "ui/EmfPicture.h"
#include "ui/GuardedRun.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace korvane {

// The picture area: a fixed-size picture that the help pages draw on. It holds as many
// pixels as the screen shows in its place, so that the pictures are drawn sharp on a screen
// of a higher pixel density, with the same layout.
class HelpImage : public QWidget {
public:
    static constexpr int kWidth = 448;
    static constexpr int kHeight = 1143;

    explicit HelpImage(QWidget *parent) : QWidget(parent)
    {
        setFixedSize(kWidth, kHeight);
        SetPixelRatio(devicePixelRatioF());
    }

    QImage &Image() { return m_image; }

    // Whether the picture holds the pixels of `ratio`; a new picture (white) when not.
    bool SetPixelRatio(qreal ratio)
    {
        if (!m_image.isNull() && m_image.devicePixelRatio() == ratio)
            return false;
        m_image = QImage(QSize(kWidth, kHeight) * ratio, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        m_image.fill(Qt::white);
        return true;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_image);
    }

private:
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

QString PicturePath(const HelpPage &page)
{
    return DataFolder() + QString::fromUtf8(page.file);
}

// Shows the error with the general error display once the event loop runs again, so that
// the window that met it (perhaps still being made) goes on first.
void ReportFromEventLoop(QObject *context, const std::string &text)
{
    QMetaObject::invokeMethod(
        context, [text] { korvane::ShowGeneralError(QString::fromStdString(text)); },
        Qt::QueuedConnection);
}

} // namespace

TForm4::TForm4(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setWindowTitle(QString::fromUtf8(kFirstPicture.caption));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->verticalScrollBar()->setTracking(true);
    ScrollBox1->viewport()->installEventFilter(this);
    m_scrollContent = new QWidget;
    m_scrollContent->setAutoFillBackground(true);
    m_scrollContent->setPalette(pal);
    Image1 = new korvane::HelpImage(m_scrollContent);
    Image1->move(0, 0);
    ScrollBox1->setWidget(m_scrollContent);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox1);

    move(5, 5);
    resize(kWindowWidth, kFirstWindowHeight);
    try {
        FormCreate();
    } catch (const korvane::FileError &error) {
        // A constructor that threw would leave the program without its help window.
        m_firstPictureError = QString::fromUtf8(error.what());
        ReportFromEventLoop(this, error.what());
    }
}

void TForm4::FormCreate()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        if (y() + height() > screen->geometry().height())
            move(0, 0);
    }
    SetScrollRange(kFirstScrollRange);
    resize(kWindowWidth, kFirstWindowHeight);
    FillBackground();
    SetPage(PicturePath(kFirstPicture), kFirstPicture.height);
}

void TForm4::ShowHelpPage(int page, int deckFamily)
{
    if (page < 1 || page > 5)
        return;
    const HelpPage &row = page == 1 ? kDeckPages[deckFamily == 0 ? 0 : 1] : kOtherPages[page - 2];
    const QString path = PicturePath(row);
    // The deck page reads its picture before it changes anything, so that a picture that
    // cannot be read leaves the window as it was.
    QByteArray deckPicture;
    if (page == 1)
        deckPicture = EmfPicture::ReadFile(path);
    SetScrollRange(row.height + 13);
    resize(width(), kPageWindowHeight);
    FillBackground();
    setWindowTitle(QString::fromUtf8(row.caption));
    if (page == 1)
        SetPage(path, row.height, deckPicture);
    else
        SetPage(path, row.height);
    if (isVisible())
        DrawPagePicture();
    ScrollToTop();
    if (helpJustSwitchedOn == 1) {
        // The first page after "HELP ON" brings the help window to the front; later pages
        // leave the focus in the main window.
        raise();
        activateWindow();
        helpJustSwitchedOn = 0;
    }
}

void TForm4::ScrollBox1MouseWheel(int wheelDelta)
{
    QScrollBar *bar = ScrollBox1->verticalScrollBar();
    bar->setValue(bar->value() - wheelDelta);
}

int TForm4::ScrollRange() const { return m_scrollContent->height(); }

const QImage &TForm4::Picture() const
{
    DrawPagePicture();
    return Image1->Image();
}

void TForm4::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A screen of another pixel density needs the page drawn anew, with its pixels.
    if (Image1->SetPixelRatio(devicePixelRatioF())) {
        FillBackground();
        m_pictureDrawn = false;
    }
    try {
        DrawPagePicture();
    } catch (const korvane::FileError &error) {
        ReportFromEventLoop(this, error.what());
    }
}

void TForm4::SetPage(const QString &path, int height)
{
    m_page = {}; // a page whose picture cannot be read shows none, not the one before
    m_pictureDrawn = false;
    SetPage(path, height, EmfPicture::ReadFile(path));
}

void TForm4::SetPage(const QString &path, int height, const QByteArray &emf)
{
    m_page = {path, emf, height};
    m_pictureDrawn = false;
}

// The page's picture is converted and drawn only when it is seen (the window shows, or
// the picture is asked for), so that a hidden help window costs the start-up nothing.
void TForm4::DrawPagePicture() const
{
    if (m_pictureDrawn || m_page.emf.isEmpty())
        return;
    m_pictureDrawn = true; // a picture that cannot be converted is reported once
    DrawPicture(EmfPicture::Convert(m_page.path, m_page.emf), m_page.height);
}

void TForm4::closeEvent(QCloseEvent *event)
{
    FormCloseQuery();
    event->accept(); // the window hides; it lives until the program ends
}

void TForm4::FormCloseQuery()
{
    helpJustSwitchedOn = 0;
    emit closedByUser();
}

bool TForm4::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::Wheel) {
        ScrollBox1MouseWheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm4::SetScrollRange(int range)
{
    m_scrollContent->setFixedSize(korvane::HelpImage::kWidth, range);
}

void TForm4::FillBackground()
{
    QPainter painter(&Image1->Image());
    painter.fillRect(kClearedArea, kBackground);
    Image1->update();
}

void TForm4::DrawPicture(const EmfPicture &picture, int height) const
{
    QPainter painter(&Image1->Image());
    painter.setRenderHint(QPainter::Antialiasing);
    picture.Draw(painter, QRectF(0, 0, kPictureWidth, height));
    Image1->update();
}

void TForm4::ScrollToTop() { ScrollBox1->verticalScrollBar()->setValue(0); }
