// Form1's board: the window fitted to the board in play, the board area redrawn from the session,
// keys forwarded, and the Picture Box beside a picture game.
#include "ui/main_window.h"

#include "core/board/board_geometry.h"
#include "ui/cell_view.h"
#include "ui/window_placement.h"

#include <QKeyEvent>
#include <cmath>

void Form1::connectSession()
{
    connect(&m_session, &GameSession::setUpChanged, this, &Form1::showSetUp);
    connect(&m_session, &GameSession::boardChanged, this, &Form1::showBoard);
    connect(&m_session, &GameSession::clicksChanged, this, [this] {
        //: The status bar's click panel: the slides of a row or column so far in this game.
        //: English keeps "1 Clicks" as the game always has. Little room.
        setPanelText(StatusPanel::Clicks, tr("%n Clicks", nullptr, m_session.ClickCount()));
    });
    connect(&m_session, &GameSession::newGameStarted, this, &Form1::showNewGame);
    connect(&m_session, &GameSession::fewestClicksChanged, this, &Form1::showFewestClicks);
    connect(&m_session, &GameSession::hintShown, m_picture1, &BoardArea::flashHint);
    connect(&m_session, &GameSession::preferenceChanged, this, &Form1::showPreference);
}

// A new set-up: the board area and window fitted to its size, its pictures, its name.
void Form1::showSetUp()
{
    const GameSetup &setup = m_session.setup();
    m_picture1->Initialize_Board(setup);
    const BoardSizeInfo &info = boardSizeInfo(setup.size);
    const CellView *first = cellView(0, 0);
    const WindowTwips w =
        windowTwips(setup.size, !isChecked(QStringLiteral("BarOff")), statusBarHeightTwips(),
                    first->width() * TwipsPerPixel, first->height() * TwipsPerPixel);
    m_picture1->setFixedSize(twipsToPixels(w.boardWidth), twipsToPixels(w.boardHeight));
    m_picture1->fitCells();
    m_extraHeightTwips = info.extraWindowHeight;
    setOuterSize(w.outerWidth, w.outerHeight);
    setPanelText(StatusPanel::BoardSize, boardSizeText(setup.size));
    showPictureName(setup.shownName);
    // An open Picture Box must not go on showing the picture of the game before.
    if (m_form2) {
        if (setup.picturesGame())
            m_form2->setPicture(setup.goalPicture);
        else
            m_form2->close();
    }
    showGameInPlay();
}

void Form1::showBoard()
{
    m_picture1->showBoard(m_session.board(), m_session.lastPieceShown());
    m_picture1->setEnabled(m_session.takesClicks());
    menuEntry(QStringLiteral("UndoClick"))->setEnabled(m_session.canUndo());
    menuEntry(QStringLiteral("RedoClick"))->setEnabled(m_session.canRedo());
}

bool Form1::resumeKeptGame()
{
    const int side = static_cast<int>(std::lround(GoalPictureSide * devicePixelRatioF()));
    return m_session.resumeKeptGame(QSize(side, side));
}

void Form1::showNewGame()
{
    if (m_session.setup().picturesGame())
        showGoalPicture();
    else if (m_form2)
        m_form2->close();
}

void Form1::ShowPicBox_Click()
{
    if (m_session.setup().picturesGame())
        showGoalPicture();
}

// The Picture Box with the goal picture of the game in play.
void Form1::showGoalPicture()
{
    if (!m_form2)
        m_form2 = new Form2(this);
    m_form2->setPicture(m_session.setup().goalPicture);
    // A Picture Box the player had minimised comes back into view.
    m_form2->showNormal();
    m_form2->raise();
}

// H shows a hint. Arrow keys slide the tile next to the empty cell into it, as a click on that
// tile would.
void Form1::keyPressEvent(QKeyEvent *event)
{
    static const std::pair<int, ArrowKey> Keys[] = {{Qt::Key_Up, ArrowKey::Up},
                                                    {Qt::Key_Down, ArrowKey::Down},
                                                    {Qt::Key_Left, ArrowKey::Left},
                                                    {Qt::Key_Right, ArrowKey::Right}};
    if (event->key() == Qt::Key_H) {
        m_session.showHint();
        event->accept();
        return;
    }
    for (const auto &[qtKey, arrow] : Keys) {
        if (event->key() == qtKey) {
            m_session.arrowKey(arrow);
            event->accept();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}
