// The session's play: set-up, New Game and the scramble, clicks and keys, the count, the win and
// the score check.
#include "core/session/game_session.h"

#include "core/platform/clock.h"
#include "core/platform/message_boxes.h"
#include "core/platform/music_device.h"
#include "core/platform/program_control.h"
#include "core/scores/score_file.h"
#include "core/scores/score_rules.h"
#include "core/solver/solver_patterns.h"
#include "core/stats/stats_file.h"

#include <algorithm>

namespace {
// A board left alone longer than this stops the playing time until the next click.
constexpr qint64 IdleMs = 2 * 60 * 1000;
} // namespace

GameSession::GameSession(const Platform &platform, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_scores(std::make_unique<ScoreBook>())
    , m_userScoreFolder(platform.dataFolder.isEmpty() ? userScoreFolder() : platform.dataFolder)
{
    solver::usePatternFile(m_platform.file(QStringLiteral("patterns.bin")));
}

void GameSession::Form_Load()
{
    if (!preferenceOn(m_platform.settings, Preference::StatusBar))
        setPreference(Preference::StatusBar, false);
    m_lastPictureFolder = m_platform.programFolder;
    m_sound = preferenceOn(m_platform.settings, Preference::Sound);
    m_music = preferenceOn(m_platform.settings, Preference::Music);
    emit preferenceChanged(Preference::Sound, m_sound);
    emit preferenceChanged(Preference::Music, m_music);

    const ScoreFile file = scoreFile();
    if (file.exists())
        *m_scores = file.load();
    else
        CreateScoreFile();
}

void GameSession::startGame(const GameSetup &setup)
{
    leaveGame(); // recorded as the game it was
    m_setup = setup;
    setUpBoard(setup.size);
}

void GameSession::setUpBoard(int n)
{
    leaveGame();
    abandonFewestClicks();
    m_setup.size = n;
    m_board = Board::solved(n);
    m_won = false;
    m_scrambled = false;
    m_undoable.clear();
    m_redoable.clear();
    emit setUpChanged();
    emit boardChanged();
}

void GameSession::NewGame_Click()
{
    leaveGame();
    m_started = m_platform.clock.now();
    m_playedMs = 0;
    m_playMark = m_platform.clock.steadyMs();
    m_undoUsed = false;
    m_clickCount = 0;
    m_hintUsed = false;
    m_won = false;
    m_scrambled = true;
    m_undoable.clear();
    m_redoable.clear();
    Scrambleboard();
    startFewestClicks();
    m_takesClicks = true;
    emit clicksChanged();
    emit newGameStarted();
    emit boardChanged();
}

void GameSession::Scrambleboard()
{
    scrambleWalk(m_board, m_platform.random);
}

void GameSession::cellClicked(Cell cell)
{
    const Cell from = m_board.blank();
    if (!m_takesClicks || !m_board.contains(cell) || !MoveTile(m_board, cell))
        return;
    m_undoable.push_back(from);
    m_redoable.clear();
    afterSlide();
}

// Clicking where the empty cell was slides the line back: an undo is a click like any other.
void GameSession::undoClick()
{
    if (!canUndo())
        return;
    m_undoUsed = true;
    m_redoable.push_back(m_board.blank());
    MoveTile(m_board, m_undoable.back());
    m_undoable.pop_back();
    afterSlide();
}

void GameSession::redoClick()
{
    if (!canRedo())
        return;
    m_undoable.push_back(m_board.blank());
    MoveTile(m_board, m_redoable.back());
    m_redoable.pop_back();
    afterSlide();
}

void GameSession::afterSlide()
{
    abandonHint();
    tickPlayingTime();
    emit boardChanged();
    playSound(QStringLiteral("change.wav"), WavePlayer::Mode::Async);
    CountClick();
    if (Winner(m_board))
        CelebrateWin();
}

void GameSession::arrowKey(ArrowKey key)
{
    if (!m_takesClicks)
        return;
    if (const auto cell = cellForArrowKey(m_board, key))
        cellClicked(*cell);
}

void GameSession::CountClick()
{
    ++m_clickCount;
    emit clicksChanged();
}

void GameSession::CelebrateWin()
{
    recordGame(true);
    m_won = true;
    m_scrambled = false;
    emit boardChanged();
    if (m_sound) {
        playSound(QStringLiteral("pop.wav"), WavePlayer::Mode::Sync);
        // The program may have been told to end while the pop played; a new record is still kept.
        if (m_ending) {
            CheckHighScore();
            saveStatistics();
            return;
        }
        playSound(QStringLiteral("gling.wav"), WavePlayer::Mode::Async);
    }
    m_takesClicks = false;
    emit boardChanged();
    CheckHighScore();
    saveStatistics();
}

void GameSession::playSound(const QString &name, WavePlayer::Mode mode)
{
    if (m_sound)
        m_platform.waves.play(m_platform.file(name), mode);
}

ScoreFile GameSession::scoreFile() const
{
    return ScoreFile(m_platform.programFolder, m_userScoreFolder);
}

void GameSession::CreateScoreFile()
{
    *m_scores = ScoreBook::empty();
    SaveScores();
}

void GameSession::SaveScores()
{
    const ScoreFile::SaveResult result = scoreFile().save(*m_scores);
    // The records stay in memory for this run either way; the player hears about it once.
    if (result.ok() || m_scoreSaveWarned)
        return;
    m_scoreSaveWarned = true;
    m_platform.messages.show(
        tr("The top scores cannot be saved, so new records last only until Tessary "
           "closes. Tessary tried to write them to:\n")
        + result.tried.join(QLatin1Char('\n')));
}

void GameSession::CheckHighScore()
{
    // A game won with a hint is not ranked, as a game on a picture of one's own is not.
    if (m_hintUsed)
        return;
    if (!recordTopScore(*m_scores, scoreFile(), m_setup.SkillLevel, m_board.n, m_clickCount))
        return;
    if (m_ending)
        SaveScores();
    else
        AnnounceTopScore();
}

void GameSession::AnnounceTopScore()
{
    m_platform.messages.show(tr("You got a new top score for this board!"));
    SaveScores();
}

void GameSession::refreshScores()
{
    scoreFile().refresh(*m_scores);
}

void GameSession::Form_QueryUnload()
{
    if (m_ending)
        return;
    m_ending = true;
    keepGame();
    abandonFewestClicks();
    m_platform.music.command(QStringLiteral("close"));
    m_platform.program.end();
}

void GameSession::tickPlayingTime()
{
    const qint64 now = m_platform.clock.steadyMs();
    if (m_windowActive)
        m_playedMs += std::clamp<qint64>(now - m_playMark, 0, IdleMs);
    m_playMark = now;
}

void GameSession::setWindowActive(bool active)
{
    tickPlayingTime();
    m_windowActive = active;
}

// A game left unfinished by New Game or a new set-up goes into the statistics.
void GameSession::leaveGame()
{
    if (!gameInProgress())
        return;
    m_scrambled = false;
    recordGame(false);
    saveStatistics();
}

void GameSession::recordGame(bool won)
{
    tickPlayingTime();
    GameRecord record;
    record.started = m_started;
    record.size = m_board.n;
    record.picture = m_setup.picturesGame() ? m_setup.shownName : QStringLiteral("Numbers");
    record.clicks = m_clickCount;
    record.playedMs = m_playedMs;
    record.won = won;
    record.hint = m_hintUsed;
    record.undo = m_undoUsed;
    record.fewest = fewestClicks();
    m_unsavedGames << record;
}

void GameSession::saveStatistics(const QString &reset)
{
    const StatsFile file(m_userScoreFolder);
    if (const auto saved = file.save(m_unsavedGames, reset)) {
        m_statistics = *saved;
        m_unsavedGames.clear();
        return;
    }
    // Kept in memory for this run, tried again with the next game; the player hears of it once.
    refreshStatistics();
    if (m_statsSaveWarned || m_ending)
        return;
    m_statsSaveWarned = true;
    m_platform.messages.show(
        tr("The statistics cannot be saved, so the games played last only until "
           "Tessary closes. Tessary tried to write them to:\n")
        + file.path());
}

void GameSession::refreshStatistics()
{
    m_statistics = StatsFile(m_userScoreFolder).load() + m_unsavedGames;
}

void GameSession::resetStatistics(const QString &board)
{
    m_unsavedGames.removeIf([&board](const GameRecord &r) { return r.board() == board; });
    saveStatistics(board);
    m_statistics.removeIf([&board](const GameRecord &r) { return r.board() == board; });
}
