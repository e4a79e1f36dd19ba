// Form1: the main window with its menus, board area, status bar and the game in play.
#pragma once

#include "board/board_rules.h"
#include "board/game_state.h"
#include "dialogs/picture_box.h"
#include "imagery/number_pictures.h"
#include "imagery/picture_clip.h"
#include "platform/platform.h"
#include "platform/wave_player.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class CellView;
class QAction;
class QLabel;
class QStatusBar;
class ScoreBook;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(const Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    // Runs once when the window loads: stored preferences, then the score file.
    void Form_Load();
    // Opens the music and starts it when the Music preference is on.
    void startMusic();

    // Board-size procedures: a new board in solved order, the window fitted around it.
    void ThreebyThree_Click();
    void FourbyFour_Click();
    void FiveByFive_Click();
    void SixbySix_Click();
    void SevenBySeven_Click();
    void SetupNewGame();
    void Initialize_Board();
    void Set_Background();

    // Play.
    void NewGame_Click();
    void Scrambleboard();
    void SetUpScrambledBoard();
    // The click on view Row K (col) arrives here with row = K - 1.
    void cellClicked(int row, int col);
    bool Winner() const;
    void CheckHighScore();

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

    // State read and written directly by the dialogs and the tests.
    GameState &game() { return m_game; }
    const GameState &game() const { return m_game; }
    PicFrm &picFrm();
    PicClipFrm &picClipFrm() { return m_picClipFrm; }
    ScoreBook &scores() { return *m_scores; }
    Platform &platform() { return m_platform; }
    QString LastPictureFolder;
    QString LastPictureDrive;

    // Menu entry by its name ("Numbers", "BarOff", ...).
    QAction *menuEntry(const QString &name) const;
    bool isChecked(const QString &name) const;
    void setChecked(const QString &name, bool checked);
    QString panelText(int panel) const;  // panels count from 1
    void setPanelText(int panel, const QString &text);
    QWidget *boardArea() const { return m_picture1; }
    CellView *cellView(int row, int col) const;
    QStatusBar *statusBar1() const { return m_statusBar1; }
    Form2 *pictureBox() const { return m_form2; }
    // The outer window size in twips, as the board-size procedures and the status bar toggles set it.
    QSize outerSizeTwips() const { return m_outerTwips; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenus();
    void buildBoardArea();
    void buildStatusBar();
    void setUpBoard(int n);
    void CutPicture();
    void AssignTileControls();
    void SetBlankCell();
    bool MoveTile(int row, int col);
    void CountClick();
    void CelebrateWin();
    void DisableBoard();
    void playSound(const QString &name, WavePlayer::Mode mode);
    void setOuterSize(int widthTwips, int heightTwips);
    int statusBarHeightTwips() const;
    void Form_QueryUnload();
    void createScoreBook();
    bool ScoreFileExists();
    void CreateScoreFile();
    void LoadScores();
    void SaveScores();
    void AnnounceTopScore();
    void keepRecordQuietly();
    bool numbersGame() const { return isChecked(QStringLiteral("Numbers")); }

    Platform m_platform;
    GameState m_game;
    std::unique_ptr<PicFrm> m_picFrm;  // made on first use, dropped at shut-down
    PicClipFrm m_picClipFrm;
    std::unique_ptr<ScoreBook> m_scores;
    QString m_userScoreFolder;     // where the score file goes when the program's folder cannot be written
    bool m_scoreSaveWarned = false;  // the player is told only once that scores cannot be saved
    ViewGrid m_views{};
    QWidget *m_picture1 = nullptr;
    QWidget *m_cellArea = nullptr;
    QStatusBar *m_statusBar1 = nullptr;
    QLabel *m_panels[3] = {};
    QPointer<Form2> m_form2;
    QHash<QString, QAction *> m_menuEntries;  // the check marks are read on every click
    QSize m_outerTwips;
    int m_extraHeightTwips = 0;
    bool m_centred = false;
    bool m_closing = false;
};
