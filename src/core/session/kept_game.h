// A game in progress kept between runs: its plain-text form, read back with every check a file
// from the disk needs.
#pragma once

#include "core/board/board.h"
#include "core/board/game_setup.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

// Larger files are not the game's: refused.
inline constexpr qint64 MaxKeptGameBytes = 4 << 20;

struct KeptGame
{
    Board board; // with the scrambler's record and whether the empty cell shows the last piece
    GameKind kind = GameKind::Numbers;
    int stock = -1;      // a stock picture's index; -1 otherwise
    QString pictureFile; // the player's own picture; empty otherwise
    qint32 clicks = 0;
    bool hintUsed = false;
    bool undoUsed = false;
    QDateTime started; // for the statistics, in coordinated universal time
    qint64 playedMs = 0;
    // Where the empty cell was before each click that can be undone, oldest first; undoing one
    // clicks that cell again.
    std::vector<Cell> undoable;
    // The cells that redoing clicks, the next one last.
    std::vector<Cell> redoable;

    // The board as the scramble left it: every click undone.
    Board scramble() const;
};

QByteArray keptGameBytes(const KeptGame &game);
// Nothing for text that is not a game this program could have written: another format, a size
// outside 3 to 7, a piece missing or twice, an arrangement no scramble reaches, a negative count,
// clicks to undo or redo that the board does not allow.
std::optional<KeptGame> readKeptGame(const QByteArray &bytes);
