// Form1's frame: menus, board area, status bar, window sizing and shut-down.
#include "ui/main_window.h"

#include "core/board/board_geometry.h"
#include "ui/cell_view.h"
#include "ui/picture_box.h"
#include "ui/window_placement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

Form1::Form1(const Platform &platform, QWidget *parent) : QMainWindow(parent), m_session(platform)
{
    setObjectName(QStringLiteral("Form1"));
    // The caption is the product name and one space, as players have always seen it.
    //: The main window's title: the program's name and one space; keep the name
    setWindowTitle(tr("Tessary "));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    buildMenus();
    buildBoardArea();
    buildStatusBar();
    connectSession();
    centreOnFirstShow(*this);
    // Logging out may end the program without closing its window.
    connect(qApp, &QGuiApplication::commitDataRequest, &m_session, &GameSession::keepGame);
}

namespace {
// One row per menu, entry or separator, in menu order. A row with a caption and no handler is a
// menu of its own; a row without a caption is a separator. Captions are translated when the menus
// are built.
struct MenuRow
{
    const char *parent; // the menu it goes in; "" for the menu bar
    const char *name;
    const char *caption;
    void (Form1::*handler)() = nullptr;
    bool checkable = false;
    const char *keys = ""; // the desktop's usual keys, "; " between two
};

const MenuRow MenuRows[] = {
    //: The menu bar's first menu; & marks the mnemonic letter (Alt+F)
    {"", "FileMenu", QT_TRANSLATE_NOOP("Form1", "&File")},
    //: File menu: scrambles the board and starts counting clicks
    {"FileMenu", "NewGame", QT_TRANSLATE_NOOP("Form1", "New Game"), &Form1::NewGame_Click, false,
     "Ctrl+N"},
    //: File menu: takes back the last click (a click slides a whole row or column)
    {"FileMenu", "UndoClick", QT_TRANSLATE_NOOP("Form1", "Undo Click"), &Form1::UndoClick_Click,
     false, "Ctrl+Z"},
    //: File menu: makes the click taken back again
    {"FileMenu", "RedoClick", QT_TRANSLATE_NOOP("Form1", "Redo Click"), &Form1::RedoClick_Click,
     false, "Ctrl+Shift+Z; Ctrl+Y"},
    {"FileMenu", "b1", nullptr},
    //: File menu: a submenu holding Music, Sound and Status Bar
    {"FileMenu", "prefs", QT_TRANSLATE_NOOP("Form1", "Preferences")},
    //: Preferences submenu: the background tune, with On and Off below it
    {"prefs", "MusicMenu", QT_TRANSLATE_NOOP("Form1", "Music")},
    //: Checkable entry under Music, Sound and Status Bar: switched on
    {"MusicMenu", "MusicOn", QT_TRANSLATE_NOOP("Form1", "On"), &Form1::MusicOn_Click, true},
    //: Checkable entry under Music, Sound and Status Bar: switched off
    {"MusicMenu", "MusicOff", QT_TRANSLATE_NOOP("Form1", "Off"), &Form1::MusicOff_Click, true},
    //: Preferences submenu: the sound effects, with On and Off below it
    {"prefs", "SoundMenu", QT_TRANSLATE_NOOP("Form1", "Sound")},
    {"SoundMenu", "SoundOn", QT_TRANSLATE_NOOP("Form1", "On"), &Form1::SoundOn_Click, true},
    {"SoundMenu", "SoundOff", QT_TRANSLATE_NOOP("Form1", "Off"), &Form1::SoundOff_Click, true},
    //: Preferences submenu: shows or hides the status bar, with On and Off below it
    {"prefs", "StatusBar", QT_TRANSLATE_NOOP("Form1", "Status Bar")},
    {"StatusBar", "BarOn", QT_TRANSLATE_NOOP("Form1", "On"), &Form1::BarOn_Click, true},
    {"StatusBar", "BarOff", QT_TRANSLATE_NOOP("Form1", "Off"), &Form1::BarOff_Click, true},
    {"FileMenu", "b3", nullptr},
    //: File menu: opens the Picture Box, a window with the goal picture of a picture game
    {"FileMenu", "ShowPicBox", QT_TRANSLATE_NOOP("Form1", "Show Picture Box"),
     &Form1::ShowPicBox_Click},
    {"FileMenu", "b9", nullptr},
    //: File menu: the fewest clicks per board, kept as records
    {"FileMenu", "TopScores", QT_TRANSLATE_NOOP("Form1", "Top Scores"), &Form1::TopScores_Click},
    //: File menu: the games played, won, best and median clicks and times
    {"FileMenu", "Statistics", QT_TRANSLATE_NOOP("Form1", "Statistics"), &Form1::Statistics_Click},
    {"FileMenu", "b12", nullptr},
    //: File menu: ends the program
    {"FileMenu", "ExitGame", QT_TRANSLATE_NOOP("Form1", "Exit"), &Form1::ExitGame_Click, false,
     "Ctrl+Q"},
    //: The menu bar's second menu, the kind of game; & marks the mnemonic letter (Alt+G)
    {"", "GameMenu", QT_TRANSLATE_NOOP("Form1", "&Game")},
    //: Game menu: opens Number Setup, a game with numbered tiles
    {"GameMenu", "Numbers", QT_TRANSLATE_NOOP("Form1", "Numbers"), &Form1::Numbers_Click, true},
    {"GameMenu", "b5", nullptr},
    //: Game menu: opens Picture Setup, a game with a picture cut into tiles
    {"GameMenu", "Pictures", QT_TRANSLATE_NOOP("Form1", "Pictures"), &Form1::Pictures_Click, true},
    //: The menu bar's last menu; & marks the mnemonic letter (Alt+H)
    {"", "HelpMenu", QT_TRANSLATE_NOOP("Form1", "&Help")},
    //: Help menu: opens the help window
    {"HelpMenu", "HelpMe", QT_TRANSLATE_NOOP("Form1", "Help"), &Form1::HelpMe_Click, false, "F1"},
    {"HelpMenu", "b6", nullptr},
    {"HelpMenu", "AboutMe", QT_TRANSLATE_NOOP("Form1", "About Tessary"), &Form1::AboutMe_Click},
    {"HelpMenu", "b7", nullptr},
    //: Help menu: about the background tune
    {"HelpMenu", "AboutMusic", QT_TRANSLATE_NOOP("Form1", "About The Music"),
     &Form1::AboutMusic_Click},
};
} // namespace

void Form1::buildMenus()
{
    QHash<QString, QMenu *> menus;
    for (const MenuRow &row : MenuRows) {
        const QString name = QString::fromLatin1(row.name);
        QMenu *parent = menus.value(QString::fromLatin1(row.parent));
        if (!row.caption) {
            parent->addSeparator()->setObjectName(name);
        } else if (!row.handler) {
            QMenu *menu =
                parent ? parent->addMenu(tr(row.caption)) : menuBar()->addMenu(tr(row.caption));
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            menus.insert(name, menu);
        } else {
            QAction *action = parent->addAction(tr(row.caption));
            action->setObjectName(name);
            action->setCheckable(row.checkable);
            action->setShortcuts(QKeySequence::listFromString(QLatin1String(row.keys)));
            m_menuEntries.insert(name, action);
            // A checkable entry flips its own mark before `triggered`; the handlers decide the
            // marks themselves, so the flip is undone first.
            connect(action, &QAction::triggered, this, [this, action, handler = row.handler] {
                if (action->isCheckable()) {
                    const QSignalBlocker block(action);
                    action->setChecked(!action->isChecked());
                }
                (this->*handler)();
            });
        }
    }
    setChecked(QStringLiteral("BarOn"), true);
    setChecked(QStringLiteral("Numbers"), true);
}

void Form1::buildBoardArea()
{
    m_picture1 = new BoardArea(this);
    connect(m_picture1, &BoardArea::cellClicked, &m_session, &GameSession::cellClicked);
    // No clicks until the first New Game.
    m_picture1->setEnabled(false);
    setCentralWidget(m_picture1);
}

void Form1::buildStatusBar()
{
    m_statusBar1 = new QStatusBar(this);
    m_statusBar1->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar1->setSizeGripEnabled(false);
    //: The status bar's click panel before the first game; little room
    const QString initial[3] = {boardSizeText(3), shownNameText(QString::fromLatin1(NoPictureName)),
                                tr("# Clicks")};
    const int stretch[3] = {2, 2, 3};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(initial[i], m_statusBar1);
        m_panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        m_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_panels[i]->setAccessibleName(m_panels[i]->text());
        m_panels[i]->setMinimumWidth(10);
        m_statusBar1->addWidget(m_panels[i], stretch[i]);
    }
    setStatusBar(m_statusBar1);
}

QString Form1::boardSizeText(int size)
{
    //: The status bar's board-size panel: 3x3 .. 7x7; little room
    return tr("%1x%1").arg(size);
}

QAction *Form1::menuEntry(const QString &name) const
{
    return m_menuEntries.value(name);
}

bool Form1::isChecked(const QString &name) const
{
    const QAction *action = menuEntry(name);
    return action && action->isChecked();
}

void Form1::setChecked(const QString &name, bool checked)
{
    if (QAction *action = menuEntry(name))
        action->setChecked(checked);
}

QString Form1::panelText(StatusPanel panel) const
{
    return m_panels[static_cast<int>(panel) - 1]->text();
}

void Form1::setPanelText(StatusPanel panel, const QString &text)
{
    QLabel *label = m_panels[static_cast<int>(panel) - 1];
    label->setText(text);
    label->setAccessibleName(text);
}

CellView *Form1::cellView(int row, int col) const
{
    return m_picture1->cellView(row, col);
}

int Form1::statusBarHeightTwips() const
{
    return m_statusBar1->sizeHint().height() * TwipsPerPixel;
}

// The outer size includes a frame allowance (120 twips wide, the size's extra height); what is
// left is the board area and the status bar, and the menu bar sits above them.
void Form1::setOuterSize(int widthTwips, int heightTwips)
{
    m_outerTwips = QSize(widthTwips, heightTwips);
    const int clientWidth = twipsToPixels(widthTwips - FrameWidthAllowance);
    const int menuHeight = menuBar()->heightForWidth(clientWidth) > 0
                               ? menuBar()->heightForWidth(clientWidth)
                               : menuBar()->sizeHint().height();
    const int clientHeight = twipsToPixels(heightTwips - m_extraHeightTwips) + menuHeight;
    setFixedSize(clientWidth, clientHeight);
}

void Form1::ExitGame_Click()
{
    close();
}

// The playing time runs while the window is in use: active and not minimised.
void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowStateChange)
        m_session.setWindowActive(isActiveWindow() && !isMinimized());
    QMainWindow::changeEvent(event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closing)
        return;
    m_closing = true;
    m_picture1->dropPictures();
    m_session.Form_QueryUnload();
}
