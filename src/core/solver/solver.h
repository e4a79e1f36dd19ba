// Solutions counted the way the game counts: one click per line slide, however many tiles move.
#pragma once

#include "core/board/board.h"

#include <atomic>
#include <optional>
#include <vector>

namespace solver {

// Fewest clicks that solve a 3 x 3 or 4 x 4 board; nullopt for other sizes, bad positions or when
// cancelled.
std::optional<int> fewestClicks(const Board &position, const std::atomic<bool> *cancel = nullptr);
// A shortest solution of a 3 x 3 or 4 x 4 board; nullopt as for fewestClicks.
std::optional<std::vector<Cell>> shortestSolution(const Board &position,
                                                  const std::atomic<bool> *cancel = nullptr);
// A short solution of any solvable board in milliseconds: rows from the top, then columns from the
// left, two pieces at a time, and the last 3 x 3 corner in the fewest clicks. Empty when
// unsolvable.
std::vector<Cell> quickSolution(const Board &position);
// Shortest on 3 x 3, and on 4 x 4 when found within three million boards looked at (about 1 s of
// CPU); otherwise quick. Empty when solved, unsolvable or cancelled.
std::vector<Cell> solve(const Board &position, const std::atomic<bool> *cancel = nullptr);
// The first click of solve(); nullopt when there is none.
std::optional<Cell> nextClick(const Board &position, const std::atomic<bool> *cancel = nullptr);

} // namespace solver
