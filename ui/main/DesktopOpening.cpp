#include "ui/main/DesktopOpening.h"

#include "ui/GuardedRun.h"
#include "ui/files/DesignCaseFiles.h"
#include "ui/main/CaseFileCommands.h"
#include "ui/main/MainWindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <exception>
#include <filesystem>

namespace korvane {

namespace {

// Takes a drag that carries one local file and opens it when it is dropped.
class DataFileDropTarget : public QObject {
public:
    DataFileDropTarget(MainWindow &form, DesignCaseFiles &files)
        : QObject(&form), m_form(form), m_files(files) {}

protected:
    // The fields take drops of text themselves: a dropped file would end up as its path in
    // a field. A drag that carries one local file is therefore taken here, wherever it is
    // over the window; any other drag goes on to the field as before.
    bool eventFilter(QObject *watched, QEvent *event) override {
        const bool overWindow = watched == &m_form;
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (!DroppedDataFile(*drag->mimeData())) {
                if (overWindow)
                    drag->ignore();
                return overWindow;
            }
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            const auto path = DroppedDataFile(*drop->mimeData());
            if (!path)
                return overWindow;
            drop->acceptProposedAction();
            m_form.activateWindow();
            OpenDesignCaseShowingErrors(m_form, m_files, *path);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    MainWindow &m_form;
    DesignCaseFiles &m_files;
};

} // namespace

std::optional<std::string> DataFileArgument(int argc, char **argv) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || argument.empty() || argument[0] != '-')
            return argument;
    }
    return std::nullopt;
}

void OpenDesignCaseShowingErrors(MainWindow &form, DesignCaseFiles &files,
                                 const std::string &path) {
    try {
        OpenDesignCaseFile(form, files, path);
    } catch (const std::bad_alloc &) {
        ShowGeneralError(OutOfMemoryText());
    } catch (const std::exception &error) {
        ShowGeneralError(QString::fromUtf8(error.what()));
    }
}

namespace {

constexpr int kExposureWaitSteps = 250;
constexpr int kExposureWaitStepMs = 20;

// A message box shown before the window manager has put the main window on the screen may
// itself never appear: wait (a few seconds at most) until the main window is exposed.
void OpenOnceExposed(MainWindow &form, DesignCaseFiles &files, const std::string &path,
                     int stepsLeft) {
    const QWindow *window = form.windowHandle();
    if ((window && window->isExposed()) || stepsLeft <= 0) {
        OpenDesignCaseShowingErrors(form, files, path);
        return;
    }
    QTimer::singleShot(kExposureWaitStepMs, &form, [&form, &files, path, stepsLeft] {
        OpenOnceExposed(form, files, path, stepsLeft - 1);
    });
}

} // namespace

void OpenAtStart(MainWindow &form, DesignCaseFiles &files, const std::string &path) {
    // The caption and the save command's proposal want the full path; a name relative to
    // the folder the program was started in stays byte for byte what it was.
    std::error_code error;
    const std::string fullPath = std::filesystem::absolute(path, error).string();
    const std::string &chosen = error ? path : fullPath;
    // Queued behind the first filling, which the window's first showing has queued.
    QTimer::singleShot(0, &form, [&form, &files, chosen] {
        OpenOnceExposed(form, files, chosen, kExposureWaitSteps);
    });
}

std::optional<std::string> DroppedDataFile(const QMimeData &data) {
    if (!data.hasUrls() || data.urls().size() != 1)
        return std::nullopt;
    const QUrl url = data.urls().constFirst();
    if (!url.isLocalFile())
        return std::nullopt;
    // The path's bytes as the URL carries them: a name that is not UTF-8 stays percent
    // encoded in the URL and would not survive a detour through QString.
    const QByteArray bytes =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (bytes.isEmpty())
        return std::nullopt;
    return bytes.toStdString();
}

void AcceptDroppedDataFiles(MainWindow &form, DesignCaseFiles &files) {
    auto *target = new DataFileDropTarget(form, files);
    form.setAcceptDrops(true);
    form.installEventFilter(target);
    for (QWidget *child : form.findChildren<QWidget *>())
        if (child->acceptDrops())
            child->installEventFilter(target);
}

} // namespace korvane
