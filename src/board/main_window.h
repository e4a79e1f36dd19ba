// Form1: the main window with its menus, board area, status bar and the game in play.
#pragma once

#include "board/board_rules.h"
#include "board/game_state.h"
#include "board/solver.h"
#include "dialogs/picture_box.h"
#include "imagery/number_pictures.h"
#include "platform/platform.h"
#include "platform/wave_player.h"
#include "prefs/preferences.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QThreadPool>
#include <array>
#include <atomic>
#include <memory>

class CellView;
class QAction;
class QDialog;
class QLabel;
class QStatusBar;
class QTimer;
struct ScoreBook;

enum class StatusPanel { BoardSize = 1, PictureName = 2, Clicks = 3 };

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(const Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    // Runs once when the window loads: stored preferences, then the score file.
    void Form_Load();
    // Opens the music and starts it when the Music preference is on.
    void startMusic();

    // What the set-up dialogs may ask of the main window.
    // Sets up `setup` as the game in play, all of it at once: board, tiles, score list, name shown.
    void startGame(const GameSetup &setup);
    // While a picture is previewed, the status bar names it; the game in play is not changed.
    void showPictureName(const QString &name);
    QString lastPictureFolder() const { return m_lastPictureFolder; }
    void rememberPictureFolder(const QString &folder) { m_lastPictureFolder = folder; }
    const Platform &platform() const { return m_platform; }

    // Board-size procedures: a new board of the game in play's kind, in solved order, the window
    // fitted around it.
    void ThreebyThree_Click();
    void FourbyFour_Click();
    void FiveByFive_Click();
    void SixbySix_Click();
    void SevenBySeven_Click();
    void SetupNewGame();
    void Initialize_Board();

    // Play.
    void NewGame_Click();
    void Scrambleboard();
    // The click on view Row K (col) arrives here with row = K - 1.
    void cellClicked(int row, int col);
    bool Winner() const;
    void CheckHighScore();
    // H during a game: the tile to click next stands out for a moment; the game is then not ranked.
    void showHint();

    // Menu handlers.
    void ShowPicBox_Click();
    void TopScores_Click();
    void ExitGame_Click();
    void Numbers_Click();
    void Pictures_Click();
    void MusicOn_Click();
    void MusicOff_Click();
    void SoundOn_Click();
    void SoundOff_Click();
    void BarOn_Click();
    void BarOff_Click();
    void HelpMe_Click();
    void AboutMe_Click();
    void AboutMusic_Click();
    // Every 1000 ms from the music device: starts the piece again once it has ended.
    void MMControl1_StatusUpdate();

    // What the window shows, for tests and screen readers.
    const GameState &game() const { return m_game; }
    const ScoreBook &scores() const { return *m_scores; }
    QAction *menuEntry(const QString &name) const;
    bool isChecked(const QString &name) const;
    QString panelText(StatusPanel panel) const;
    QWidget *boardArea() const { return m_picture1; }
    CellView *cellView(int row, int col) const;
    QStatusBar *statusBar1() const { return m_statusBar1; }
    Form2 *pictureBox() const { return m_form2; }
    // The outer window size in twips, as the board-size procedures and the status bar toggles set it.
    QSize outerSizeTwips() const { return m_outerTwips; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenus();
    void buildBoardArea();
    void buildStatusBar();
    void setUpBoard(int n);
    void setChecked(const QString &name, bool checked);
    void setPanelText(StatusPanel panel, const QString &text);
    template <typename Dialog> void openSetupDialog();
    void showGameInPlay();
    void setPreference(Preference preference, bool on);
    void SetUpScrambledBoard();
    bool MoveTile(int row, int col);
    void CountClick();
    void CelebrateWin();
    void DisableBoard();
    void showGoalPicture();
    void playSound(const QString &name, WavePlayer::Mode mode);
    PicFrm &picFrm();
    void setOuterSize(int widthTwips, int heightTwips);
    int statusBarHeightTwips() const;
    void Form_QueryUnload();
    bool ScoreFileExists();
    void CreateScoreFile();
    void LoadScores();
    void SaveScores();
    void AnnounceTopScore();
    bool numbersGame() const { return !m_game.Setup.picturesGame(); }
    void startFewestClicks();
    void abandonFewestClicks();
    void fewestClicksFound(quint64 generation, const std::vector<solver::Cell> &clicks);
    std::optional<solver::Cell> hintedClick() const;
    void endHint();

    Platform m_platform;
    GameState m_game;
    std::unique_ptr<PicFrm> m_picFrm;  // made on first use, dropped at shut-down
    std::unique_ptr<ScoreBook> m_scores;
    QString m_userScoreFolder;     // where the score file goes when the program's folder cannot be written
    bool m_scoreSaveWarned = false;  // the player is told only once that scores cannot be saved
    QString m_lastPictureFolder;
    std::array<std::array<CellView *, ViewGridSide>, ViewGridSide> m_cells{};
    ViewGrid m_views{};            // the same views, as the rules see them
    QWidget *m_picture1 = nullptr;
    QWidget *m_cellArea = nullptr;
    QStatusBar *m_statusBar1 = nullptr;
    QLabel *m_panels[3] = {};
    QPointer<Form2> m_form2;
    QList<QPointer<QDialog>> m_openSetups;  // the set-up dialogs on screen, the latest last
    QHash<QString, QAction *> m_menuEntries;  // the check marks are read on every click
    QSize m_outerTwips;
    int m_extraHeightTwips = 0;
    bool m_closing = false;
    bool m_hintUsed = false;       // a game helped by a hint is not ranked
    CellView *m_hinted = nullptr;
    QTimer *m_hintTimer = nullptr;
    // The fewest clicks of the scramble in play, worked out off the UI thread.
    QThreadPool m_solverPool;
    std::shared_ptr<std::atomic<bool>> m_solveCancel;
    quint64 m_solveGeneration = 0;  // a result of an abandoned scramble comes back with an older one
    solver::Position m_scramble;
    std::vector<solver::Cell> m_shortest;  // from m_scramble, once known
};
