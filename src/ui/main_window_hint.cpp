// Form1's view of the solver's help: the fewest clicks on the count's panel.
#include "ui/main_window.h"

#include <QLabel>

Form1::~Form1() = default;

void Form1::showFewestClicks()
{
    const std::optional<int> fewest = m_session.fewestClicks();
    const QString text =
        //: Tooltip of the status bar's click panel: the fewest clicks that solve this scramble
        fewest ? tr("Fewest clicks possible: %1").arg(*fewest) : QString();
    QLabel *panel = m_panels[static_cast<int>(StatusPanel::Clicks) - 1];
    panel->setToolTip(text);
    panel->setAccessibleDescription(text);
}
