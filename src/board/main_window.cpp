// Form1's frame: menus, board area, status bar, board set-up, window sizing and shut-down.
#include "board/main_window.h"

#include "board/board_geometry.h"
#include "dialogs/picture_box.h"
#include "platform/cell_view.h"
#include "platform/music_device.h"
#include "platform/program_control.h"
#include "scores/score_book.h"
#include "platform/window_placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

Form1::Form1(const Platform &platform, QWidget *parent) : QMainWindow(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tessary "));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    buildMenus();
    buildBoardArea();
    buildStatusBar();
    createScoreBook();
    LastPictureFolder = m_platform.programFolder;
    LastPictureDrive = m_platform.programFolder;
}

Form1::~Form1() = default;

namespace {
struct MenuEntry {
    const char *name;
    const char *caption;  // nullptr for a separator
};
} // namespace

void Form1::buildMenus()
{
    // A checkable QAction flips its own mark before `triggered`; the handlers decide the marks
    // themselves, so the flip is undone first.
    auto add = [this](QMenu *menu, const MenuEntry &entry, void (Form1::*handler)(), bool checkable = false) {
        QAction *action = menu->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setCheckable(checkable);
        m_menuEntries.insert(action->objectName(), action);
        connect(action, &QAction::triggered, this, [this, action, handler] {
            if (action->isCheckable()) {
                const QSignalBlocker block(action);
                action->setChecked(!action->isChecked());
            }
            (this->*handler)();
        });
        return action;
    };
    auto separator = [](QMenu *menu, const char *name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };
    auto submenu = [](QMenu *parent, const char *name, const char *caption) {
        QMenu *menu = parent->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    add(file, {"NewGame", "New Game"}, &Form1::NewGame_Click);
    separator(file, "b1");
    QMenu *prefs = submenu(file, "prefs", "Preferences");
    QMenu *music = submenu(prefs, "MusicMenu", "Music");
    add(music, {"MusicOn", "On"}, &Form1::MusicOn_Click, true);
    add(music, {"MusicOff", "Off"}, &Form1::MusicOff_Click, true);
    QMenu *sound = submenu(prefs, "SoundMenu", "Sound");
    add(sound, {"SoundOn", "On"}, &Form1::SoundOn_Click, true);
    add(sound, {"SoundOff", "Off"}, &Form1::SoundOff_Click, true);
    QMenu *bar = submenu(prefs, "StatusBar", "Status Bar");
    add(bar, {"BarOn", "On"}, &Form1::BarOn_Click, true)->setChecked(true);
    add(bar, {"BarOff", "Off"}, &Form1::BarOff_Click, true);
    separator(file, "b3");
    add(file, {"ShowPicBox", "Show Picture Box"}, &Form1::ShowPicBox_Click);
    separator(file, "b9");
    add(file, {"TopScores", "Top Scores"}, &Form1::TopScores_Click);
    separator(file, "b12");
    add(file, {"ExitGame", "Exit"}, &Form1::ExitGame_Click);

    QMenu *game = menuBar()->addMenu(QStringLiteral("&Game"));
    game->setObjectName(QStringLiteral("GameMenu"));
    add(game, {"Numbers", "Numbers"}, &Form1::Numbers_Click, true)->setChecked(true);
    separator(game, "b5");
    add(game, {"Pictures", "Pictures"}, &Form1::Pictures_Click, true);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    add(help, {"HelpMe", "Help"}, &Form1::HelpMe_Click);
    separator(help, "b6");
    add(help, {"AboutMe", "About Tessary"}, &Form1::AboutMe_Click);
    separator(help, "b7");
    add(help, {"AboutMusic", "About The Music"}, &Form1::AboutMusic_Click);
}

void Form1::buildBoardArea()
{
    auto *frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(BoardBorderPixels);
    m_picture1 = frame;
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAutoFillBackground(true);
    // The views live inside the border; those beyond the board are cut off by this inner area.
    m_cellArea = new QWidget(m_picture1);
    m_cellArea->setObjectName(QStringLiteral("CellArea"));
    for (int r = 0; r < ViewGridSide; ++r) {
        for (int c = 0; c < ViewGridSide; ++c) {
            auto *view = new CellView(m_cellArea);
            view->setObjectName(QStringLiteral("Row%1_%2").arg(r + 1).arg(c));
            view->setGeometry(twipsToPixels(CellLeftStep * c), twipsToPixels(CellTopStep * r),
                              twipsToPixels(CellWidth), twipsToPixels(CellHeight));
            connect(view, &CellView::clicked, this, [this, r, c] { cellClicked(r, c); });
            m_views[static_cast<size_t>(r)][static_cast<size_t>(c)] = view;
        }
    }
    // No clicks until the first New Game.
    m_picture1->setEnabled(false);
    setCentralWidget(m_picture1);
}

void Form1::buildStatusBar()
{
    m_statusBar1 = new QStatusBar(this);
    m_statusBar1->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar1->setSizeGripEnabled(false);
    const char *initial[3] = {"3x3", "N/A", "# Clicks"};
    const int stretch[3] = {2, 2, 3};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(QString::fromLatin1(initial[i]), m_statusBar1);
        m_panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        m_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_panels[i]->setAccessibleName(m_panels[i]->text());
        m_panels[i]->setMinimumWidth(10);
        m_statusBar1->addWidget(m_panels[i], stretch[i]);
    }
    setStatusBar(m_statusBar1);
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

QString Form1::panelText(int panel) const
{
    return m_panels[panel - 1]->text();
}

void Form1::setPanelText(int panel, const QString &text)
{
    m_panels[panel - 1]->setText(text);
    m_panels[panel - 1]->setAccessibleName(text);
}

CellView *Form1::cellView(int row, int col) const
{
    return static_cast<CellView *>(m_views[static_cast<size_t>(row)][static_cast<size_t>(col)]);
}

PicFrm &Form1::picFrm()
{
    if (!m_picFrm)
        m_picFrm = std::make_unique<PicFrm>(devicePixelRatioF());
    return *m_picFrm;
}

void Form1::ThreebyThree_Click() { setUpBoard(3); }
void Form1::FourbyFour_Click() { setUpBoard(4); }
void Form1::FiveByFive_Click() { setUpBoard(5); }
void Form1::SixbySix_Click() { setUpBoard(6); }
void Form1::SevenBySeven_Click() { setUpBoard(7); }

// The common body of the five board-size procedures.
void Form1::setUpBoard(int n)
{
    const BoardSizeInfo &info = boardSizeInfo(n);
    m_game.TilePictures.assign(1, Picture{});
    m_game.Board.resize(1, 1);
    m_game.BlankRow = 0;
    m_game.BlankCol = 0;
    m_game.LastCol = static_cast<qint16>(n - 1);
    m_game.LastRow = static_cast<qint16>(n - 1);
    if (isChecked(QStringLiteral("Pictures"))) {
        m_game.TilePictures.assign(static_cast<size_t>(n * n), Picture{});
        CutPicture();
    } else {
        m_game.SkillLevel = SkillNumbers;
    }
    SetupNewGame();

    const CellView *first = cellView(0, 0);
    const WindowTwips w = windowTwips(n, !isChecked(QStringLiteral("BarOff")), statusBarHeightTwips(),
                                      first->width() * TwipsPerPixel, first->height() * TwipsPerPixel);
    m_picture1->setFixedSize(twipsToPixels(w.boardWidth), twipsToPixels(w.boardHeight));
    m_cellArea->setGeometry(m_picture1->contentsRect());
    m_extraHeightTwips = info.extraWindowHeight;
    setOuterSize(w.outerWidth, w.outerHeight);
    setPanelText(1, QString::fromLatin1(info.panelText));
}

void Form1::SetupNewGame()
{
    Initialize_Board();
    m_game.Board.resize(m_game.LastRow + 1, m_game.LastCol + 1);
    AssignTileControls();
    Set_Background();
    LoadTilePictures(m_game, numbersGame(), picFrm());
    SetBlankCell();
}

void Form1::Initialize_Board()
{
    const bool pictures = isChecked(QStringLiteral("Pictures"));
    for (int i = 0; i < ViewGridSide; ++i)
        for (int k = 0; k < ViewGridSide; ++k)
            resetView(*m_views[static_cast<size_t>(k)][static_cast<size_t>(i)], pictures);
}

void Form1::AssignTileControls()
{
    ::AssignTileControls(m_game, m_views);
}

void Form1::SetBlankCell()
{
    ::SetBlankCell(m_game);
}

void Form1::Set_Background()
{
    m_game.BackgroundPicture = picFrm().Image3();
}

void Form1::CutPicture()
{
    std::vector<Picture> pieces = cutPicture(m_picClipFrm.PicClip1, m_game.LastCol + 1);
    for (size_t k = 0; k < pieces.size() && k < m_game.TilePictures.size(); ++k) {
        m_picClipFrm.TempPic = pieces[k].image;
        m_game.TilePictures[k] = pieces[k];
    }
}

int Form1::statusBarHeightTwips() const
{
    return m_statusBar1->sizeHint().height() * TwipsPerPixel;
}

// The outer size includes the design's frame allowance (120 twips wide, the size's extra height);
// what is left is the board area and the status bar, and the menu bar sits above them.
void Form1::setOuterSize(int widthTwips, int heightTwips)
{
    m_outerTwips = QSize(widthTwips, heightTwips);
    const int clientWidth = twipsToPixels(widthTwips - FrameWidthAllowance);
    const int menuHeight = menuBar()->heightForWidth(clientWidth) > 0 ? menuBar()->heightForWidth(clientWidth)
                                                                      : menuBar()->sizeHint().height();
    const int clientHeight = twipsToPixels(heightTwips - m_extraHeightTwips) + menuHeight;
    setFixedSize(clientWidth, clientHeight);
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    centreOnScreen(*this);
}

void Form1::ExitGame_Click()
{
    close();
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closing)
        return;
    m_closing = true;
    Form_QueryUnload();
}

void Form1::Form_QueryUnload()
{
    m_picFrm.reset();
    m_platform.music.command(QStringLiteral("close"));
    m_platform.program.end();
}
