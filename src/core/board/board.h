// The board: a plain value of tile numbers with the game's click, used by play, scramble and
// solver.
#pragma once

#include <QMetaType>
#include <QtGlobal>
#include <optional>
#include <vector>

class RandomSource;

struct Cell
{
    int row = 0;
    int col = 0;
    friend bool operator==(const Cell &, const Cell &) = default;
};
Q_DECLARE_METATYPE(Cell)

inline constexpr int ScrambleSteps = 3000;

// An N x N board in reading order: 0 is the empty cell, 1 .. N*N - 1 the pieces.
struct Board
{
    int n = 0;
    std::vector<int> tiles;
    // The scrambler's record of the empty cell; player moves leave it stale, and the next scramble
    // walks on from the record.
    qint16 BlankRow = 0;
    qint16 BlankCol = 0;
    // Set up and no tile moved since: the empty cell still shows the last piece.
    bool lastPieceInGap = true;

    // Pieces in reading order, the empty cell bottom-right.
    static Board solved(int n);
    int LastRow() const { return n - 1; }
    int LastCol() const { return n - 1; }
    bool contains(Cell cell) const;
    // 0 <= row, col < n.
    int at(int row, int col) const { return tiles[static_cast<size_t>(row * n + col)]; }
    int TileNumber(Cell cell) const { return at(cell.row, cell.col); }
    bool IsBlank(Cell cell) const { return TileNumber(cell) == 0; }
    Cell blank() const;
    bool isSolved() const;
    // The game's click: slides the line between the cell and the empty cell, so the clicked cell
    // becomes the empty one. False, and no change, for a cell off the empty cell's row and column.
    bool click(Cell cell);
    // Moves the tile at `cell` into an orthogonally adjacent empty cell, if there is one.
    void SlideIntoBlank(Cell cell);
    friend bool operator==(const Board &a, const Board &b)
    {
        return a.n == b.n && a.tiles == b.tiles;
    }
};

// Returns true when a line of tiles moved; the clicked cell is then the empty cell.
inline bool MoveTile(Board &board, Cell cell)
{
    return board.click(cell);
}

// True when pieces 1 .. N*N - 1 are in reading order; the bottom-right cell is then the empty one.
inline bool Winner(const Board &board)
{
    return board.isSolved();
}

// The random walk of the empty cell's record, `steps` draws of the random source; steps that would
// leave the board do nothing.
void scrambleWalk(Board &board, RandomSource &random, int steps = ScrambleSteps);

// The cell whose tile an arrow key slides into the empty cell, if any. The key names the way the
// tile moves: Up brings up the tile below the empty cell.
enum class ArrowKey { Up, Down, Left, Right };
std::optional<Cell> cellForArrowKey(const Board &board, ArrowKey key);

// True for N from 3 to 7 with every piece once and an arrangement a scramble can reach.
bool isSolvable(const Board &board);
