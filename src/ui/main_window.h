// Form1: the main window. It shows the game session (board, count, menus, status bar) and forwards
// the player's clicks, keys and menu choices to it.
#pragma once

#include "core/board/board.h"
#include "core/prefs/preferences.h"
#include "core/session/game_session.h"
#include "ui/board_area.h"
#include "ui/picture_box.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

class CellView;
class QAction;
class QDialog;
class QLabel;
class QStatusBar;

enum class StatusPanel { BoardSize = 1, PictureName = 2, Clicks = 3 };

class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(const Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    GameSession &session() { return m_session; }
    const GameSession &session() const { return m_session; }

    // Runs once when the window loads: stored preferences, then the score file.
    void Form_Load();
    void startMusic() { m_session.startMusic(); }
    // The game kept when the program last ended, if there is one to take up.
    bool resumeKeptGame();

    // Board-size procedures: a new board of the game in play's kind, in solved order, the window
    // fitted around it.
    void ThreebyThree_Click() { m_session.setUpBoard(3); }
    void FourbyFour_Click() { m_session.setUpBoard(4); }
    void FiveByFive_Click() { m_session.setUpBoard(5); }
    void SixbySix_Click() { m_session.setUpBoard(6); }
    void SevenBySeven_Click() { m_session.setUpBoard(7); }

    // Menu handlers.
    void NewGame_Click() { m_session.NewGame_Click(); }
    void UndoClick_Click() { m_session.undoClick(); }
    void RedoClick_Click() { m_session.redoClick(); }
    void ShowPicBox_Click();
    void TopScores_Click();
    void Statistics_Click();
    void ExitGame_Click();
    void Numbers_Click();
    void Pictures_Click();
    void MusicOn_Click() { m_session.setPreference(Preference::Music, true); }
    void MusicOff_Click() { m_session.setPreference(Preference::Music, false); }
    void SoundOn_Click() { m_session.setPreference(Preference::Sound, true); }
    void SoundOff_Click() { m_session.setPreference(Preference::Sound, false); }
    void BarOn_Click() { m_session.setPreference(Preference::StatusBar, true); }
    void BarOff_Click() { m_session.setPreference(Preference::StatusBar, false); }
    void HelpMe_Click();
    void AboutMe_Click();
    void AboutMusic_Click();

    // While a picture is previewed, the status bar names it; the game in play is not changed.
    void showPictureName(const QString &name);

    // What the window shows, for tests and screen readers.
    QAction *menuEntry(const QString &name) const;
    bool isChecked(const QString &name) const;
    QString panelText(StatusPanel panel) const;
    BoardArea *boardArea() const { return m_picture1; }
    // 0 <= row, col < ViewGridSide.
    CellView *cellView(int row, int col) const;
    QStatusBar *statusBar1() const { return m_statusBar1; }
    Form2 *pictureBox() const { return m_form2; }
    // The outer window size in twips, as the board-size procedures and the status bar toggles set
    // it.
    QSize outerSizeTwips() const { return m_outerTwips; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenus();
    void buildBoardArea();
    void buildStatusBar();
    void connectSession();
    void setChecked(const QString &name, bool checked);
    void setPanelText(StatusPanel panel, const QString &text);
    static QString boardSizeText(int size);
    template<typename Dialog>
    void openSetupDialog();
    void showGameInPlay();
    void showSetUp();
    void showBoard();
    void showNewGame();
    void showPreference(Preference preference, bool on);
    void showFewestClicks();
    void showGoalPicture();
    void setOuterSize(int widthTwips, int heightTwips);
    int statusBarHeightTwips() const;

    GameSession m_session;
    BoardArea *m_picture1 = nullptr;
    QStatusBar *m_statusBar1 = nullptr;
    QLabel *m_panels[3] = {};
    QPointer<Form2> m_form2;
    QList<QPointer<QDialog>> m_openSetups; // the set-up dialogs on screen, the latest last
    QHash<QString, QAction *> m_menuEntries;
    QSize m_outerTwips;
    int m_extraHeightTwips = 0;
    bool m_closing = false;
};
