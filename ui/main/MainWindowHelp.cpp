// The main window's help and summary buttons and its help page requests.

#include "ui/main/MainWindow.h"

#include "ui/GuardedRun.h"

#include <QPushButton>

#include <exception>

#include "ui/help/HelpWindow.h"
#include "ui/help/SummaryWindow.h"

using namespace korvane;

void MainWindow::SetHelpWindow(HelpWindow *help) {
    m_help = help;
    if (m_help)
        connect(m_help, &HelpWindow::ClosedByUser, this,
                [this] { helpButton->setText(QStringLiteral("HELP ON")); });
}

void MainWindow::SwitchHelp() {
    if (!m_help)
        return;
    if (!m_help->isVisible()) {
        m_help->show();
        helpButton->setText(QStringLiteral("HELP OFF"));
        m_help->ComeToFrontWithNextPage();
    } else {
        m_help->close();
        helpButton->setText(QStringLiteral("HELP ON")); // closing forgets "HELP ON"
    }
}

void MainWindow::ShowSummary() {
    if (!m_summary && !m_makeSummary)
        return;
    RunGuarded(this, [this] {
        if (!m_summary)
            m_summary = m_makeSummary();
        m_summary->ShowSummary();
    });
}

void MainWindow::ShowHelpPage(HelpTopic topic) {
    if (!m_help)
        return;
    int family = 0;
    if (topic == HelpTopic::kDeck)
        family = m_inputs.ReadCase().deckFamily;
    // A picture that cannot be loaded is reported, but the handler that asked for the page
    // goes on: a case being shown must not stop halfway because of a help picture.
    RunGuarded(this, [&] { m_help->ShowHelpPage(topic, family); });
}
