#pragma once
// Helpers shared by the window tests: answering message boxes and modal windows, a private
// per-user data folder, and a main window that is ready as after start-up.

#include "WidgetByName.h"
#include "core/PrintSettings.h"
#include "ui/Application.h"
#include "ui/MessageSeam.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace korvane::testing {

// Records every message box instead of showing it.
class MessageRecorder {
public:
    MessageRecorder() {
        m_previous =
            SetMessageHandler([this](QWidget *, const QString &text, const QString &title) {
                texts << text;
                titles << title;
            });
    }
    ~MessageRecorder() { SetMessageHandler(m_previous); }
    QStringList texts;
    QStringList titles;

private:
    MessageHandler m_previous;
};

// Records the class of every modal window and closes it as its user would: confirming it,
// or cancelling it when `cancel` is set.
class ModalRecorder {
public:
    explicit ModalRecorder(bool cancel = false) {
        m_previous = SetModalHandler([this, cancel](QDialog &dialog) {
            shown << QString::fromLatin1(dialog.metaObject()->className());
            if (cancel) {
                dialog.reject();
                return int(QDialog::Rejected);
            }
            dialog.accept();
            return int(QDialog::Accepted);
        });
    }
    ~ModalRecorder() { SetModalHandler(m_previous); }
    QStringList shown;

private:
    ModalHandler m_previous;
};

// Points the user's application-data folder at a fresh temporary folder.
class TemporaryAppData {
public:
    TemporaryAppData() {
        m_saved = qgetenv("APPDATA");
        qputenv("APPDATA", m_dir.path().toLocal8Bit());
    }
    ~TemporaryAppData() { qputenv("APPDATA", m_saved); }
    QString Path() const { return m_dir.path(); }
    QString UserFolder() const { return m_dir.path() + QStringLiteral("/Arvel_DeckPlate"); }
    QString MarkerFile() const { return UserFolder() + QStringLiteral("/korvane.dat"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

// A main window after start-up and its first filling, shown and active, with the notice
// of a first start answered. The print values live in the new window's print settings, so
// nothing an earlier test changed reaches it.
inline std::unique_ptr<MainWindow> MakeReadyForm() {
    SplashMilliseconds() = 0;
    ModalRecorder notices;
    auto form = std::make_unique<MainWindow>();
    form->InitialIdle();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("main window did not become active");
    return form;
}

// Ends the test program, naming the window, when one modal window stays up longer than any
// test needs: a test that forgot to answer a dialog, or a dialog the test did not expect,
// would otherwise wait until ctest gives up minutes later. A modal run keeps the event loop
// going, so the watch still ticks while the test is stuck in it.
class ModalWatchdog {
public:
    static constexpr int kPatienceMilliseconds = 10000;

    ModalWatchdog() {
        m_timer.setInterval(250);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Check(); });
        m_timer.start();
    }

private:
    void Check() {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != m_modal) {
            m_modal = modal;
            m_since.start();
            return;
        }
        if (!modal || m_since.elapsed() < kPatienceMilliseconds)
            return;
        std::fprintf(stderr,
                     "FAIL: the modal window %s \"%s\" was left waiting for %d s: the test "
                     "never answers it\n",
                     modal->metaObject()->className(), qPrintable(modal->windowTitle()),
                     kPatienceMilliseconds / 1000);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }

    QTimer m_timer;
    QPointer<QWidget> m_modal;
    QElapsedTimer m_since;
};

} // namespace korvane::testing

// Runs a Qt Test class under the program's own application object, with the modal watchdog.
#define KORVANE_UI_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char **argv) {                                                              \
        korvane::Application app(argc, argv);                                                      \
        korvane::testing::ModalWatchdog watchdog;                                                  \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
