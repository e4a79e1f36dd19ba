// Quick solutions for any board: a few pieces at a time, each step the fewest clicks that keep the
// rest.
#include "core/solver/solver_internal.h"

#include <array>
#include <cstdint>

namespace solver {

namespace {

// Pieces to bring to their cells, the empty cell left anywhere.
struct Goal
{
    std::vector<int> pieces;  // at most two
    std::vector<int> targets; // cell of each piece, in reading order
};

// Breadth-first search over the cells of the empty cell and the goal's pieces, in clicks that
// never pass a locked cell. The other pieces count for nothing, so each search is small.
class GoalSearch
{
public:
    GoalSearch(const Board &position, const std::vector<char> &locked, const Goal &goal)
        : m_n(position.n)
        , m_cells(m_n * m_n)
        , m_locked(locked)
        , m_goal(goal)
    {
        m_start = {position.blank().row * m_n + position.blank().col, 0, 0};
        for (size_t i = 0; i < goal.pieces.size(); ++i)
            for (int cell = 0; cell < m_cells; ++cell)
                if (position.tiles[static_cast<size_t>(cell)] == goal.pieces[i])
                    m_start[i + 1] = cell;
    }

    std::vector<Cell> run()
    {
        size_t states = static_cast<size_t>(m_cells);
        for (size_t i = 0; i < m_goal.pieces.size(); ++i)
            states *= static_cast<size_t>(m_cells);
        m_parent.assign(states, -1);
        m_click.assign(states, 0);
        const int first = index(m_start);
        m_parent[static_cast<size_t>(first)] = first;
        std::vector<int> queue{first};
        for (size_t next = 0; next < queue.size(); ++next) {
            if (reached(queue[next]))
                return path(queue[next]);
            expand(queue[next], queue);
        }
        return {}; // cannot happen on a solvable board
    }

private:
    using Cells = std::array<int, 3>; // the empty cell, then the pieces

    int index(const Cells &cells) const
    {
        int result = 0;
        for (size_t i = m_goal.pieces.size() + 1; i-- > 0;)
            result = result * m_cells + cells[i];
        return result;
    }
    Cells cellsOf(int state) const
    {
        Cells cells{};
        for (size_t i = 0; i <= m_goal.pieces.size(); ++i, state /= m_cells)
            cells[i] = state % m_cells;
        return cells;
    }
    bool reached(int state) const
    {
        const Cells cells = cellsOf(state);
        for (size_t i = 0; i < m_goal.pieces.size(); ++i)
            if (cells[i + 1] != m_goal.targets[i])
                return false;
        return true;
    }

    void expand(int state, std::vector<int> &queue)
    {
        const Cells cells = cellsOf(state);
        constexpr std::array<std::array<int, 2>, 4> ways{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
        for (const auto &way : ways) {
            Cells moved = cells;
            int row = cells[0] / m_n, col = cells[0] % m_n;
            for (;;) {
                row += way[0];
                col += way[1];
                const int cell = row * m_n + col;
                if (row < 0 || col < 0 || row >= m_n || col >= m_n
                    || m_locked[static_cast<size_t>(cell)])
                    break;
                const int toward = cell - way[0] * m_n - way[1];
                for (size_t i = 1; i <= m_goal.pieces.size(); ++i)
                    if (moved[i] == cell)
                        moved[i] = toward;
                moved[0] = cell;
                const int next = index(moved);
                if (m_parent[static_cast<size_t>(next)] < 0) {
                    m_parent[static_cast<size_t>(next)] = state;
                    m_click[static_cast<size_t>(next)] = static_cast<uint8_t>(cell);
                    queue.push_back(next);
                }
            }
        }
    }

    std::vector<Cell> path(int state) const
    {
        std::vector<Cell> clicks;
        for (; m_parent[static_cast<size_t>(state)] != state;
             state = m_parent[static_cast<size_t>(state)]) {
            const int cell = m_click[static_cast<size_t>(state)];
            clicks.insert(clicks.begin(), Cell{cell / m_n, cell % m_n});
        }
        return clicks;
    }

    int m_n, m_cells;
    const std::vector<char> &m_locked;
    const Goal &m_goal;
    Cells m_start{};
    std::vector<int> m_parent;
    std::vector<uint8_t> m_click;
};

} // namespace

namespace {

// The bottom-right 3 x 3 corner as a board of its own, once everything else is home.
Board cornerOf(const Board &board)
{
    const int n = board.n, offset = n - 3;
    Board corner{3, std::vector<int>(9)};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const int piece = board.at(offset + r, offset + c);
            const int home = piece - 1;
            corner.tiles[static_cast<size_t>(r * 3 + c)] =
                piece == 0 ? 0 : (home / n - offset) * 3 + (home % n - offset) + 1;
        }
    return corner;
}

} // namespace

std::vector<Cell> placePieces(const Board &position)
{
    const int n = position.n;
    Board board = position;
    std::vector<char> locked(static_cast<size_t>(n * n), 0);
    std::vector<Cell> clicks;
    auto play = [&](Cell click) {
        board.click(click);
        clicks.push_back(click);
    };
    auto place = [&](std::vector<int> cells) {
        Goal goal{{}, cells};
        for (int cell : cells)
            goal.pieces.push_back(cell + 1);
        for (Cell click : GoalSearch(board, locked, goal).run())
            play(click);
        for (int cell : cells)
            locked[static_cast<size_t>(cell)] = 1;
    };
    // Rows from the top, then columns from the left, two pieces at a time. The last two of a row or
    // column always go in together: alone, the first of them would block the way of the second.
    for (int row = 0; row + 3 < n; ++row) {
        for (int col = 0; col + 2 < n; col += 2)
            place(col + 3 < n ? std::vector<int>{row * n + col, row * n + col + 1}
                              : std::vector<int>{row * n + col});
        place({row * n + n - 2, row * n + n - 1});
    }
    for (int col = 0; col + 3 < n; ++col) {
        place({(n - 3) * n + col});
        place({(n - 2) * n + col, (n - 1) * n + col});
    }
    // The last 3 x 3 corner is small enough to finish in the fewest clicks.
    for (Cell click : searchShortest(cornerOf(board), nullptr).value_or(std::vector<Cell>{}))
        play(Cell{click.row + n - 3, click.col + n - 3});
    return clicks;
}

std::vector<Cell> mergeClicks(const Board &position, const std::vector<Cell> &clicks)
{
    struct Slide
    {
        Cell from, to;
        bool across() const { return from.row == to.row; }
    };
    std::vector<Slide> kept;
    Cell gap = position.blank();
    for (Cell to : clicks) {
        Slide slide{gap, to};
        // The empty cell stays on its line, so two slides along it are one slide from the first
        // start.
        if (!kept.empty() && kept.back().across() == slide.across()) {
            slide.from = kept.back().from;
            kept.pop_back();
        }
        if (!(slide.from == slide.to))
            kept.push_back(slide);
        gap = to;
    }
    std::vector<Cell> merged;
    for (const Slide &slide : kept)
        merged.push_back(slide.to);
    return merged;
}

} // namespace solver
