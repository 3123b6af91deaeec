// The main window's help and summary buttons and its help page requests.

#include "ui/U_krv.h"

#include "ui/GuardedRun.h"

#include <QPushButton>

#include <exception>

#include "ui/U_summary.h"
#include "ui/Uhelp.h"

using namespace korvane;

void TForm1::SetHelpWindow(TForm4 *help)
{
    m_help = help;
    if (m_help)
        connect(m_help, &TForm4::closedByUser, this, [this] {
            BitBtn5->setText(QStringLiteral("HELP ON"));
            m_help->helpJustSwitchedOn = 0;
        });
}

void TForm1::BitBtn5Click()
{
    if (!m_help)
        return;
    if (!m_help->isVisible()) {
        m_help->show();
        BitBtn5->setText(QStringLiteral("HELP OFF"));
        m_help->helpJustSwitchedOn = 1;
    } else {
        m_help->close();
        BitBtn5->setText(QStringLiteral("HELP ON"));
        m_help->helpJustSwitchedOn = 0;
    }
}

void TForm1::BitBtn6Click()
{
    if (m_summary)
        RunGuarded(this, [this] { m_summary->ShowSummary(); });
}

void TForm1::ShowHelpPage(int page)
{
    if (!m_help)
        return;
    int family = 0;
    if (page == 1) {
        CInputData record;
        ReadInputData(*this, record);
        family = record.deckFamily;
    }
    // A picture that cannot be loaded is reported, but the handler that asked for the page
    // goes on: a case being shown must not stop halfway because of a help picture.
    RunGuarded(this, [&] { m_help->ShowHelpPage(page, family); });
}
