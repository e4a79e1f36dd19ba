// Positions, the game's click on them, and the public solver calls.
#include "board/solver.h"

#include "board/game_state.h"
#include "board/solver_internal.h"

#include <algorithm>

namespace solver {

Position Position::solved(int n)
{
    Position p{n, std::vector<int>(static_cast<size_t>(n * n))};
    for (int i = 0; i + 1 < n * n; ++i)
        p.tiles[static_cast<size_t>(i)] = i + 1;
    return p;
}

Cell Position::blank() const
{
    const auto it = std::find(tiles.begin(), tiles.end(), 0);
    const int index = static_cast<int>(it - tiles.begin());
    return Cell{index / n, index % n};
}

bool Position::isSolved() const
{
    for (int i = 0; i + 1 < n * n; ++i)
        if (tiles[static_cast<size_t>(i)] != i + 1)
            return false;
    return true;
}

bool Position::click(Cell cell)
{
    const Cell gap = blank();
    if (gap.row >= n || (cell.row == gap.row) == (cell.col == gap.col) || cell.row < 0 || cell.col < 0 || cell.row >= n
        || cell.col >= n)
        return false;
    const int dr = (cell.row > gap.row) - (cell.row < gap.row);
    const int dc = (cell.col > gap.col) - (cell.col < gap.col);
    for (Cell at = gap; at != cell; at = Cell{at.row + dr, at.col + dc})
        tiles[static_cast<size_t>(at.row * n + at.col)] = this->at(at.row + dr, at.col + dc);
    tiles[static_cast<size_t>(cell.row * n + cell.col)] = 0;
    return true;
}

Position positionOf(const GameState &state)
{
    const int n = state.size();
    Position p{n, std::vector<int>(static_cast<size_t>(n * n))};
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            p.tiles[static_cast<size_t>(r * n + c)] =
                state.Board(r, c).IsBlank ? 0 : state.Board(r, c).TileNumber;
    return p;
}

bool isSolvable(const Position &position)
{
    const int n = position.n;
    if (n < 3 || n > 7 || position.tiles.size() != static_cast<size_t>(n * n))
        return false;
    std::vector<int> sorted = position.tiles;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < n * n; ++i)
        if (sorted[static_cast<size_t>(i)] != i)
            return false;
    // A slide along a row keeps the reading order; one along a column passes n - 1 pieces. So on odd
    // sides the inversions stay even, and on even sides inversions plus the empty cell's row keep parity.
    int inversions = 0;
    for (size_t i = 0; i < position.tiles.size(); ++i)
        for (size_t j = i + 1; j < position.tiles.size(); ++j)
            inversions += position.tiles[i] && position.tiles[j] && position.tiles[i] > position.tiles[j];
    if (n % 2 == 1)
        return inversions % 2 == 0;
    return (inversions + position.blank().row) % 2 == (n - 1) % 2;
}

std::optional<std::vector<Cell>> shortestSolution(const Position &position, const std::atomic<bool> *cancel)
{
    if ((position.n != 3 && position.n != 4) || !isSolvable(position))
        return std::nullopt;
    return searchShortest(position, cancel);
}

std::optional<int> fewestClicks(const Position &position, const std::atomic<bool> *cancel)
{
    const auto clicks = shortestSolution(position, cancel);
    if (!clicks)
        return std::nullopt;
    return static_cast<int>(clicks->size());
}

std::vector<Cell> quickSolution(const Position &position)
{
    if (!isSolvable(position))
        return {};
    return mergeClicks(position, placePieces(position));
}

std::vector<Cell> solve(const Position &position, const std::atomic<bool> *cancel)
{
    if (!isSolvable(position))
        return {};
    if (position.n == 3 || position.n == 4) {
        // Enough for all but the hardest boards; a hint should not keep the player waiting.
        constexpr uint64_t budget = 3'000'000;
        if (auto clicks = searchShortest(position, cancel, budget))
            return *clicks;
        if (cancel && cancel->load())
            return {};
    }
    return quickSolution(position);
}

std::optional<Cell> nextClick(const Position &position, const std::atomic<bool> *cancel)
{
    const std::vector<Cell> clicks = solve(position, cancel);
    if (clicks.empty())
        return std::nullopt;
    return clicks.front();
}

} // namespace solver
