// Form1's view of the solver's help: the fewest clicks on the count's panel, the hinted tile.
#include "ui/main_window.h"

#include "ui/cell_view.h"

#include <QLabel>
#include <QTimer>

namespace {
constexpr int HintMilliseconds = 500;
} // namespace

Form1::~Form1() = default;

void Form1::showFewestClicks()
{
    const std::optional<int> fewest = m_session.fewestClicks();
    const QString text =
        fewest ? QStringLiteral("Fewest clicks possible: %1").arg(*fewest) : QString();
    QLabel *panel = m_panels[static_cast<int>(StatusPanel::Clicks) - 1];
    panel->setToolTip(text);
    panel->setAccessibleDescription(text);
}

// The tile to click next stands out for a moment.
void Form1::showHint(Cell cell)
{
    endHint();
    m_hinted = cellView(cell.row, cell.col);
    m_hinted->setHinted(true);
    m_hinted->setAccessibleDescription(QStringLiteral("Hint: click this tile"));
    if (!m_hintTimer) {
        m_hintTimer = new QTimer(this);
        m_hintTimer->setSingleShot(true);
        connect(m_hintTimer, &QTimer::timeout, this, &Form1::endHint);
    }
    m_hintTimer->start(HintMilliseconds);
}

void Form1::endHint()
{
    if (!m_hinted)
        return;
    m_hinted->setHinted(false);
    m_hinted->setAccessibleDescription(QString());
    m_hinted = nullptr;
}
