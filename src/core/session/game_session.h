// The game in play without a window: set-up, New Game, clicks, the count, the win, the score check,
// the fewest clicks and the hint, the preferences and the music they decide.
#pragma once

#include "core/board/board.h"
#include "core/board/game_setup.h"
#include "core/platform/platform.h"
#include "core/platform/wave_player.h"
#include "core/prefs/preferences.h"
#include "core/scores/score_book.h"
#include "core/stats/game_record.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <optional>

class ScoreFile;

class GameSession : public QObject
{
    Q_OBJECT
public:
    explicit GameSession(const Platform &platform, QObject *parent = nullptr);
    ~GameSession() override;

    const Platform &platform() const { return m_platform; }
    const GameSetup &setup() const { return m_setup; }
    const Board &board() const { return m_board; }
    qint32 ClickCount() const { return m_clickCount; }
    // False before the first New Game and after a win: clicks and keys do nothing.
    bool takesClicks() const { return m_takesClicks; }
    // After a win the empty cell shows the last piece again.
    bool lastPieceShown() const { return m_board.lastPieceInGap || m_won; }
    bool hintUsed() const { return m_hintUsed; }
    // Known for 3 x 3 and 4 x 4 scrambles once the background search has finished.
    std::optional<int> fewestClicks() const;
    const ScoreBook &scores() const { return *m_scores; }
    bool preference(Preference preference) const;
    // Every game recorded, by this copy of the game and, as of the last save or refresh, others.
    const QList<GameRecord> &statistics() const { return m_statistics; }
    // Scrambled by New Game, not won: a game that the statistics will record.
    bool gameInProgress() const { return m_scrambled && m_takesClicks && !m_won; }

    // Start-up: the stored preferences, then the score file (created when there is none).
    void Form_Load();
    // Opens the tune and plays it when the Music preference is on.
    void startMusic();
    // Every 1000 ms from the music device: starts the piece again once it has ended.
    void MMControl1_StatusUpdate();
    // Stores a preference and does what it decides; a preference already so does nothing at all.
    void setPreference(Preference preference, bool on);

    // The game `setup`, all of it at once, in solved order. Neither the count nor whether the
    // board takes clicks changes.
    void startGame(const GameSetup &setup);
    // The game in play at another size.
    void setUpBoard(int n);
    void NewGame_Click();
    // A click on cell (row, col); off the board, on the empty cell or off its lines: nothing.
    void cellClicked(Cell cell);
    void arrowKey(ArrowKey key);
    // Undo slides back the line the last click slid, redo slides it again; each is a click. Only
    // the clicks of the game in play, and none once it is won.
    bool canUndo() const { return m_takesClicks && !m_undoable.empty(); }
    bool canRedo() const { return m_takesClicks && !m_redoable.empty(); }
    void undoClick();
    void redoClick();
    // The tile to click next, on a shortest way where one is known (3 x 3 and 4 x 4); the game is
    // then not ranked. Nothing while the board takes no clicks. On 4 x 4 off the known ways the
    // answer comes later by hintShown, from a search of this board, unless the board has changed
    // meanwhile.
    std::optional<Cell> showHint();
    // Takes the score file as it is now, records of other copies of the game included.
    void refreshScores();
    // Takes the statistics file as it is now, with the games this copy could not save yet.
    void refreshStatistics();
    // Takes every game of `board` out of the statistics, in the file too.
    void resetStatistics(const QString &board);
    // The playing time runs only while the main window is in use.
    void setWindowActive(bool active);

    QString lastPictureFolder() const { return m_lastPictureFolder; }
    void rememberPictureFolder(const QString &folder) { m_lastPictureFolder = folder; }

    // The program ends: the game in progress kept, no more searching, the music closed. A win
    // being celebrated keeps its record without a word.
    void Form_QueryUnload();
    // Writes the game in progress (scrambled by New Game, not won) to the kept game's file, or
    // removes that file when there is none. Also when the desktop session ends.
    void keepGame();
    // Takes up the kept game, its pictures decoded at `pictureSize`. A file that is damaged or
    // whose picture can no longer be shown is set aside as "<name>.bad", and the game stays as it
    // was.
    bool resumeKeptGame(QSize pictureSize);
    QString keptGamePath() const;

signals:
    void setUpChanged();
    void boardChanged();
    void clicksChanged();
    void newGameStarted();
    void fewestClicksChanged();
    void hintShown(Cell cell);
    void preferenceChanged(Preference preference, bool on);

private:
    void Scrambleboard();
    void afterSlide();
    void tickPlayingTime();
    void leaveGame();
    void recordGame(bool won);
    void saveStatistics(const QString &reset = {});
    void CountClick();
    void CelebrateWin();
    void CheckHighScore();
    void AnnounceTopScore();
    void CreateScoreFile();
    void SaveScores();
    ScoreFile scoreFile() const;
    void playSound(const QString &name, WavePlayer::Mode mode);
    void startFewestClicks();
    void startFewestClicks(const Board &scramble);
    void abandonFewestClicks();
    void fewestClicksFound(quint64 generation, const std::vector<Cell> &clicks);
    std::optional<Cell> knownClick() const;
    void searchHint();
    void abandonHint();
    void hintFound(quint64 generation, const std::vector<Cell> &clicks);
    using FoundHandler = void (GameSession::*)(quint64, const std::vector<Cell> &);
    void solveOnWorker(const Board &board, std::shared_ptr<std::atomic<bool>> cancel,
                       quint64 generation, FoundHandler found);
    void showWantedHint();

    Platform m_platform;
    GameSetup m_setup;
    Board m_board = Board::solved(4);
    qint32 m_clickCount = 0;
    bool m_takesClicks = false;
    bool m_won = false;
    bool m_hintUsed = false;      // a game helped by a hint is not ranked
    bool m_scrambled = false;     // by New Game since the last set-up or win: a game to keep
    std::vector<Cell> m_undoable; // where the empty cell was before each click, oldest first
    std::vector<Cell> m_redoable; // the clicks that redo clicks again, the next one last
    bool m_undoUsed = false;
    // The game in play for the statistics: its start, and its playing time so far.
    QDateTime m_started;
    qint64 m_playedMs = 0;
    qint64 m_playMark = 0; // the steady clock when the playing time was last brought up to date
    bool m_windowActive = true;
    QList<GameRecord> m_statistics;
    QList<GameRecord> m_unsavedGames; // kept for the next save when the file cannot be written
    bool m_statsSaveWarned = false;
    bool m_ending = false;
    bool m_music = true;
    bool m_sound = true;
    bool m_statusBar = true;
    std::unique_ptr<ScoreBook> m_scores;
    QString m_userScoreFolder;      // where scores go when the program's folder cannot be written
    bool m_scoreSaveWarned = false; // the player is told only once that scores cannot be saved
    QString m_lastPictureFolder;
    // The fewest clicks of the scramble in play, worked out off the UI thread.
    QThreadPool m_solverPool;
    std::shared_ptr<std::atomic<bool>> m_solveCancel;
    quint64 m_solveGeneration = 0; // a result of an abandoned scramble comes back with an older one
    Board m_scramble;
    std::optional<std::vector<Cell>> m_shortest; // from m_scramble, once known
    // A shortest way from a board the player reached off m_shortest, searched for a hint.
    std::shared_ptr<std::atomic<bool>> m_hintCancel;
    quint64 m_hintGeneration = 0; // a result for a board the player has left comes back older
    Board m_hintFrom;
    std::vector<Cell> m_hintWay;
    bool m_hintWanted = false; // H was pressed on this board and its answer is being searched
};
