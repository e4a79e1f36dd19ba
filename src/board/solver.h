// Solutions counted the way the game counts: one click per line slide, however many tiles move.
#pragma once

#include <atomic>
#include <optional>
#include <vector>

struct GameState;

namespace solver {

struct Cell {
    int row = 0;
    int col = 0;
    friend bool operator==(const Cell &, const Cell &) = default;
};

// An N x N board in reading order; 0 is the empty cell, 1 .. N*N - 1 the pieces.
struct Position {
    int n = 0;
    std::vector<int> tiles;

    static Position solved(int n);
    int at(int row, int col) const { return tiles[static_cast<size_t>(row * n + col)]; }
    Cell blank() const;
    bool isSolved() const;
    // The game's click: slides the line between the cell and the empty cell; false (and no change) off the line.
    bool click(Cell cell);
};

// The board in play; the empty cell counts as 0 even before the first move.
Position positionOf(const GameState &state);
// True for N from 3 to 7 with every piece once and an arrangement a scramble can reach.
bool isSolvable(const Position &position);

// Fewest clicks that solve a 3 x 3 or 4 x 4 board; nullopt for other sizes, bad positions or when cancelled.
std::optional<int> fewestClicks(const Position &position, const std::atomic<bool> *cancel = nullptr);
// A shortest solution of a 3 x 3 or 4 x 4 board; nullopt as for fewestClicks.
std::optional<std::vector<Cell>> shortestSolution(const Position &position,
                                                  const std::atomic<bool> *cancel = nullptr);
// A short solution of any solvable board in milliseconds: rows from the top, then columns from the left,
// two pieces at a time, and the last 3 x 3 corner in the fewest clicks. Empty when unsolvable.
std::vector<Cell> quickSolution(const Position &position);
// Shortest on 3 x 3, and on 4 x 4 when found within three million boards looked at (2 to 3 s of CPU);
// otherwise quick. Empty when solved, unsolvable or cancelled.
std::vector<Cell> solve(const Position &position, const std::atomic<bool> *cancel = nullptr);
// The first click of solve(); nullopt when there is none.
std::optional<Cell> nextClick(const Position &position, const std::atomic<bool> *cancel = nullptr);

} // namespace solver
