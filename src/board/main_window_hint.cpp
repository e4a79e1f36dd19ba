// Form1's help from the solver: the fewest clicks of a scramble, and the hint on H.
#include "board/main_window.h"

#include "platform/cell_view.h"

#include <QLabel>
#include <QTimer>

namespace {
constexpr int HintMilliseconds = 500;
} // namespace

Form1::~Form1()
{
    // The search notices the flag within milliseconds, so this wait is short.
    abandonFewestClicks();
    m_solverPool.waitForDone();
}

// Only 3 x 3 and 4 x 4 boards have a proven fewest count; the search can take seconds on 4 x 4.
void Form1::startFewestClicks()
{
    abandonFewestClicks();
    QLabel *panel = m_panels[static_cast<int>(StatusPanel::Clicks) - 1];
    panel->setToolTip(QString());
    panel->setAccessibleDescription(QString());
    m_scramble = solver::positionOf(m_game);
    if (m_scramble.n != 3 && m_scramble.n != 4)
        return;
    m_solverPool.setMaxThreadCount(1);
    m_solveCancel = std::make_shared<std::atomic<bool>>(false);
    m_solverPool.start([this, cancel = m_solveCancel, generation = m_solveGeneration, scramble = m_scramble] {
        const auto clicks = solver::shortestSolution(scramble, cancel.get());
        if (!clicks || cancel->load())
            return;
        QMetaObject::invokeMethod(
            this, [this, generation, found = *clicks] { fewestClicksFound(generation, found); },
            Qt::QueuedConnection);
    });
}

void Form1::abandonFewestClicks()
{
    if (m_solveCancel)
        m_solveCancel->store(true);
    m_solveCancel.reset();
    ++m_solveGeneration;
    m_shortest.clear();
}

void Form1::fewestClicksFound(quint64 generation, const std::vector<solver::Cell> &clicks)
{
    if (generation != m_solveGeneration)
        return;
    m_shortest = clicks;
    const QString text = QStringLiteral("Fewest clicks possible: %1").arg(clicks.size());
    QLabel *panel = m_panels[static_cast<int>(StatusPanel::Clicks) - 1];
    panel->setToolTip(text);
    panel->setAccessibleDescription(text);
}

// The known shortest way while the player is on it; otherwise a fresh answer that never keeps the
// window waiting: the shortest search on 3 x 3 takes milliseconds, on 4 x 4 it may take seconds.
std::optional<solver::Cell> Form1::hintedClick() const
{
    const solver::Position now = solver::positionOf(m_game);
    solver::Position along = m_scramble;
    for (const solver::Cell &click : m_shortest) {
        if (along.tiles == now.tiles)
            return click;
        along.click(click);
    }
    if (now.n == 3)
        return solver::nextClick(now);
    const std::vector<solver::Cell> quick = solver::quickSolution(now);
    if (quick.empty())
        return std::nullopt;
    return quick.front();
}

void Form1::showHint()
{
    if (!m_picture1->isEnabled())
        return;
    const auto click = hintedClick();
    if (!click)
        return;
    endHint();
    m_hintUsed = true;
    m_hinted = cellView(click->row, click->col);
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
