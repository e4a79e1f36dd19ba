// The session's help and preferences: the fewest clicks worked out in the background, the hint,
// the three preferences and the looping music.
#include "core/session/game_session.h"

#include "core/platform/music_device.h"
#include "core/solver/solver.h"

GameSession::~GameSession()
{
    // The search notices the flag within milliseconds, so this wait is short.
    abandonFewestClicks();
    m_solverPool.waitForDone();
}

std::optional<int> GameSession::fewestClicks() const
{
    if (!m_shortest)
        return std::nullopt;
    return static_cast<int>(m_shortest->size());
}

// Only 3 x 3 and 4 x 4 boards have a proven fewest count; the search can take seconds on 4 x 4.
void GameSession::startFewestClicks()
{
    startFewestClicks(m_board);
}

void GameSession::startFewestClicks(const Board &scramble)
{
    abandonFewestClicks();
    m_scramble = scramble;
    if (m_scramble.n != 3 && m_scramble.n != 4)
        return;
    m_solveCancel = std::make_shared<std::atomic<bool>>(false);
    solveOnWorker(m_scramble, m_solveCancel, m_solveGeneration, &GameSession::fewestClicksFound);
}

// The shortest way from `board`, searched on the worker and handed to `found` on this thread
// unless `cancel` is set first.
void GameSession::solveOnWorker(const Board &board, std::shared_ptr<std::atomic<bool>> cancel,
                                quint64 generation, FoundHandler found)
{
    m_solverPool.setMaxThreadCount(1);
    m_solverPool.start([this, board, cancel, generation, found] {
        const auto clicks = solver::shortestSolution(board, cancel.get());
        if (!clicks || cancel->load())
            return;
        QMetaObject::invokeMethod(
            this, [this, generation, found, way = *clicks] { (this->*found)(generation, way); },
            Qt::QueuedConnection);
    });
}

void GameSession::abandonFewestClicks()
{
    abandonHint();
    if (m_solveCancel)
        m_solveCancel->store(true);
    m_solveCancel.reset();
    ++m_solveGeneration;
    if (m_shortest) {
        m_shortest.reset();
        emit fewestClicksChanged();
    }
}

void GameSession::fewestClicksFound(quint64 generation, const std::vector<Cell> &clicks)
{
    if (generation != m_solveGeneration)
        return;
    m_shortest = clicks;
    emit fewestClicksChanged();
    showWantedHint();
}

// The next click of a known shortest way through the board in play: the scramble's, or the one
// last searched for a hint.
std::optional<Cell> GameSession::knownClick() const
{
    auto along = [this](Board board, const std::vector<Cell> &way) -> std::optional<Cell> {
        for (const Cell &click : way) {
            if (board == m_board)
                return click;
            board.click(click);
        }
        return std::nullopt;
    };
    if (const auto click = along(m_scramble, m_shortest.value_or(std::vector<Cell>{})))
        return click;
    return along(m_hintFrom, m_hintWay);
}

// On 3 x 3 a shortest search takes milliseconds and runs at once; on 4 x 4 it runs on the worker,
// and on larger boards the quick solution answers.
std::optional<Cell> GameSession::showHint()
{
    if (!m_takesClicks)
        return std::nullopt;
    // Asking is enough to leave the ranking: the answer may come after the next click.
    m_hintUsed = true;
    std::optional<Cell> click = knownClick();
    if (!click && m_board.n == 4) {
        m_hintWanted = true;
        // The scramble's own search, still running, answers for the scramble.
        if (!(m_board == m_scramble && m_solveCancel && !m_shortest))
            searchHint();
        return std::nullopt;
    }
    if (!click && m_board.n == 3)
        click = solver::nextClick(m_board);
    if (!click && m_board.n > 4) {
        const std::vector<Cell> quick = solver::quickSolution(m_board);
        if (!quick.empty())
            click = quick.front();
    }
    if (click)
        emit hintShown(*click);
    return click;
}

void GameSession::searchHint()
{
    if (m_hintCancel && m_hintFrom == m_board)
        return; // already searching this board
    abandonHint();
    m_hintWanted = true;
    m_hintFrom = m_board;
    m_hintCancel = std::make_shared<std::atomic<bool>>(false);
    solveOnWorker(m_board, m_hintCancel, m_hintGeneration, &GameSession::hintFound);
}

// The board has changed: an answer for the old one is never shown.
void GameSession::abandonHint()
{
    m_hintWanted = false;
    if (m_hintCancel)
        m_hintCancel->store(true);
    m_hintCancel.reset();
    ++m_hintGeneration;
}

void GameSession::hintFound(quint64 generation, const std::vector<Cell> &clicks)
{
    if (generation != m_hintGeneration)
        return;
    m_hintCancel.reset();
    m_hintWay = clicks;
    showWantedHint();
}

void GameSession::showWantedHint()
{
    if (!m_hintWanted || !m_takesClicks)
        return;
    if (const auto click = knownClick()) {
        m_hintWanted = false;
        emit hintShown(*click);
    }
}

bool GameSession::preference(Preference preference) const
{
    switch (preference) {
    case Preference::Music: return m_music;
    case Preference::Sound: return m_sound;
    case Preference::StatusBar: return m_statusBar;
    }
    return false;
}

// The music's device command goes before the setting is stored.
void GameSession::setPreference(Preference preference, bool on)
{
    bool &value = preference == Preference::Music   ? m_music
                  : preference == Preference::Sound ? m_sound
                                                    : m_statusBar;
    if (value == on)
        return;
    value = on;
    if (preference == Preference::Music)
        m_platform.music.command(on ? QStringLiteral("play") : QStringLiteral("stop"));
    storePreference(m_platform.settings, preference, on);
    emit preferenceChanged(preference, on);
}

void GameSession::startMusic()
{
    m_platform.music.setFileName(m_platform.file(QStringLiteral("fallmorn.mid")));
    m_platform.music.setStatusUpdate([this] { MMControl1_StatusUpdate(); });
    m_platform.music.command(QStringLiteral("open"));
    if (m_music)
        m_platform.music.command(QStringLiteral("play"));
}

void GameSession::MMControl1_StatusUpdate()
{
    const qint32 position = m_platform.music.position();
    const qint32 length = m_platform.music.length();
    // A length of 0 means the device does not know it yet (or has no piece): nothing to loop.
    if (length > 0 && position >= length) {
        m_platform.music.command(QStringLiteral("next"));
        // Switched off just as the piece ended: rewind, but do not start it against the choice.
        if (m_music)
            m_platform.music.command(QStringLiteral("play"));
    }
}
