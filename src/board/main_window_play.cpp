// Form1's play: New Game and the scramble, clicks on cells, the click count and the win.
#include "board/main_window.h"

#include "dialogs/picture_box.h"
#include "platform/cell_view.h"
#include "platform/wave_player.h"

#include <QKeyEvent>

void Form1::NewGame_Click()
{
    m_game.ClickCount = 0;
    setPanelText(StatusPanel::Clicks, QStringLiteral("0 Clicks"));
    endHint();
    m_hintUsed = false;
    Scrambleboard();
    startFewestClicks();
    if (m_game.Setup.picturesGame())
        showGoalPicture();
    else if (m_form2)
        m_form2->close();
    m_picture1->setEnabled(true);
}

void Form1::Scrambleboard()
{
    scrambleWalk(m_game, m_platform.random);
    SetUpScrambledBoard();
}

void Form1::SetUpScrambledBoard()
{
    ::SetUpScrambledBoard(m_game, picFrm());
}

void Form1::cellClicked(int row, int col)
{
    if (row > m_game.LastRow || col > m_game.LastCol)
        return;
    if (m_game.Board(row, col).IsBlank)
        return;
    if (!MoveTile(row, col))
        return;
    endHint();
    playSound(QStringLiteral("change.wav"), WavePlayer::Mode::Async);
    CountClick();
    if (Winner())
        CelebrateWin();
}

bool Form1::MoveTile(int row, int col)
{
    return ::MoveTile(m_game, row, col);
}

void Form1::CountClick()
{
    ++m_game.ClickCount;
    setPanelText(StatusPanel::Clicks, QString::number(m_game.ClickCount) + QStringLiteral(" Clicks"));
}

bool Form1::Winner() const
{
    return ::Winner(m_game);
}

void Form1::CelebrateWin()
{
    showLastPiece(m_game, picFrm());
    if (isChecked(QStringLiteral("SoundOn"))) {
        playSound(QStringLiteral("pop.wav"), WavePlayer::Mode::Sync);
        // The window may have been closed while the pop played: the program is ending, but a
        // new record is still kept.
        if (m_closing) {
            CheckHighScore();
            return;
        }
        playSound(QStringLiteral("gling.wav"), WavePlayer::Mode::Async);
    }
    DisableBoard();
    CheckHighScore();
}

void Form1::DisableBoard()
{
    m_picture1->setEnabled(false);
}

void Form1::playSound(const QString &name, WavePlayer::Mode mode)
{
    if (isChecked(QStringLiteral("SoundOn")))
        m_platform.waves.play(m_platform.file(name), mode);
}

void Form1::ShowPicBox_Click()
{
    if (m_game.Setup.picturesGame())
        showGoalPicture();
}

// The Picture Box with the goal picture of the game in play.
void Form1::showGoalPicture()
{
    if (!m_form2)
        m_form2 = new Form2(this);
    m_form2->setPicture(m_game.Setup.goalPicture);
    // A Picture Box the player had minimised comes back into view.
    m_form2->showNormal();
    m_form2->raise();
}

// H shows a hint. Arrow keys slide the tile next to the empty cell into it, as a click on that tile would.
void Form1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_H) {
        showHint();
        event->accept();
        return;
    }
    static const std::pair<int, ArrowKey> Keys[] = {
        {Qt::Key_Up, ArrowKey::Up}, {Qt::Key_Down, ArrowKey::Down},
        {Qt::Key_Left, ArrowKey::Left}, {Qt::Key_Right, ArrowKey::Right}};
    for (const auto &[qtKey, arrow] : Keys) {
        if (event->key() != qtKey)
            continue;
        if (m_picture1->isEnabled()) {
            if (const auto cell = cellForArrowKey(m_game, arrow))
                cellClicked(cell->first, cell->second);
        }
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
