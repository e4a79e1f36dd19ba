// Positions, the game's click on them, and the public solver calls.
#include "core/solver/solver.h"

#include "core/solver/solver_internal.h"

namespace solver {

std::optional<std::vector<Cell>> shortestSolution(const Board &position,
                                                  const std::atomic<bool> *cancel)
{
    if ((position.n != 3 && position.n != 4) || !isSolvable(position))
        return std::nullopt;
    return searchShortest(position, cancel);
}

std::optional<int> fewestClicks(const Board &position, const std::atomic<bool> *cancel)
{
    const auto clicks = shortestSolution(position, cancel);
    if (!clicks)
        return std::nullopt;
    return static_cast<int>(clicks->size());
}

std::vector<Cell> quickSolution(const Board &position)
{
    if (!isSolvable(position))
        return {};
    return mergeClicks(position, placePieces(position));
}

std::vector<Cell> solve(const Board &position, const std::atomic<bool> *cancel)
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

std::optional<Cell> nextClick(const Board &position, const std::atomic<bool> *cancel)
{
    const std::vector<Cell> clicks = solve(position, cancel);
    if (clicks.empty())
        return std::nullopt;
    return clicks.front();
}

} // namespace solver
