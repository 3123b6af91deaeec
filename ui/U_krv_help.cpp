// The main window's help and summary buttons and its help page requests.

#include "ui/U_krv.h"

#include "ui/Application.h"

#include <QPushButton>

#include <exception>

#if __has_include("ui/Uhelp.h")
#include "ui/Uhelp.h"
#define KORVANE_HAS_HELP_WINDOW 1
#endif
#if __has_include("ui/U_summary.h")
#include "ui/U_summary.h"
#define KORVANE_HAS_SUMMARY_WINDOW 1
#endif

using namespace korvane;

void TForm1::SetHelpWindow(TForm4 *help)
{
    m_help = help;
#ifdef KORVANE_HAS_HELP_WINDOW
    if (m_help)
        connect(m_help, &TForm4::closedByUser, this, [this] {
            BitBtn5->setText(QStringLiteral("HELP ON"));
            m_help->helpJustSwitchedOn = 0;
        });
#endif
}

void TForm1::BitBtn5Click()
{
#ifdef KORVANE_HAS_HELP_WINDOW
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
#endif
}

void TForm1::BitBtn6Click()
{
#ifdef KORVANE_HAS_SUMMARY_WINDOW
    if (m_summary)
        m_summary->ShowSummary();
#endif
}

void TForm1::ShowHelpPage(int page)
{
#ifdef KORVANE_HAS_HELP_WINDOW
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
    try {
        m_help->ShowHelpPage(page, family);
    } catch (const std::exception &error) {
        ShowGeneralError(QString::fromUtf8(error.what()));
    }
#else
    (void)page;
#endif
}
