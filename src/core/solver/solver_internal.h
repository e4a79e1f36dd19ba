// The solver's two searches, behind the public calls of solver.h.
#pragma once

#include "core/solver/solver.h"

#include <cstdint>

namespace solver {

// Iterative deepening with the walking and pattern tables; 3 x 3 and 4 x 4 only. nullopt when
// cancelled or after `budget` boards looked at (0: no limit).
std::optional<std::vector<Cell>>
searchShortest(const Board &position, const std::atomic<bool> *cancel, uint64_t budget = 0);
// Pieces placed a row at a time, then the last two rows a column at a time. Needs a solvable board.
std::vector<Cell> placePieces(const Board &position);
// Joins clicks in a row along the same line: they equal one click, or none.
std::vector<Cell> mergeClicks(const Board &position, const std::vector<Cell> &clicks);

} // namespace solver
