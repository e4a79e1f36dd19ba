// Shortest solutions on 3 x 3 and 4 x 4 boards: iterative deepening on clicks.
#include "core/solver/solver_internal.h"
#include "core/solver/solver_patterns.h"
#include "core/solver/solver_walk.h"

#include <algorithm>
#include <array>
#include <climits>

namespace solver {

namespace {

enum class Axis { None, Vertical, Horizontal };

constexpr size_t Lookups = 2 * PatternTableCount; // each table read straight and mirrored
using Patterns = std::array<int, Lookups>;

template<int N>
class Deepening
{
public:
    Deepening(const Board &position, const std::vector<PatternTable> *tables,
              const std::atomic<bool> *cancel, uint64_t budget)
        : m_tables(tables)
        , m_cancel(cancel)
        , m_budget(budget)
    {
        std::vector<int> rowClass(N * N), colClass(N * N);
        for (int cell = 0; cell < N * N; ++cell) {
            const int piece = position.tiles[static_cast<size_t>(cell)];
            m_tiles[static_cast<size_t>(cell)] = static_cast<int8_t>(piece);
            m_where[static_cast<size_t>(piece)] = static_cast<int8_t>(cell);
            if (piece == 0)
                m_blank = cell;
            rowClass[static_cast<size_t>(cell)] = piece == 0 ? -1 : (piece - 1) / N;
            // Read across: the cell (r, c) stands at (c, r), and a piece's goal column is its
            // class.
            colClass[static_cast<size_t>(cell % N * N + cell / N)] =
                piece == 0 ? -1 : (piece - 1) % N;
        }
        m_vertical = m_walk.stateOf(rowClass);
        m_horizontal = m_walk.stateOf(colClass);
        if constexpr (N == PatternTable::Side)
            for (size_t i = 0; i < m_patterns.size(); ++i)
                m_patterns[i] = lookUp(i, -1);
    }

    std::optional<std::vector<Cell>> run()
    {
        const int h = estimate(Axis::None, INT_MAX, m_patterns);
        for (m_bound = h;; m_bound = m_nextBound) {
            m_nextBound = INT_MAX;
            if (deepen(0, h, Axis::None))
                return m_path;
            if (m_cancelled)
                return std::nullopt;
        }
    }

private:
    // The largest of several lower bounds; stops early once one exceeds `enough`. `patterns` gets
    // the pattern entries of this board, worked out from those of the board one click before.
    int estimate(Axis last, int enough, Patterns &patterns) const
    {
        // Vertical clicks never change a piece's column nor horizontal ones its row, so the two
        // bounds add.
        const int v = m_walk.distance(m_vertical), h = m_walk.distance(m_horizontal);
        int bound = v + h;
        // A shortest solution alternates the axes, so neither kind of click can be much in the
        // minority.
        if (last == Axis::Vertical)
            bound = std::max({bound, 2 * v, 2 * h - 1});
        else if (last == Axis::Horizontal)
            bound = std::max({bound, 2 * h, 2 * v - 1});
        else
            bound = std::max(bound, 2 * std::max(v, h) - 1);
        if constexpr (N == PatternTable::Side) {
            for (size_t i = 0; i < patterns.size() && bound <= enough; ++i) {
                patterns[i] = lookUp(i, m_patterns[i]);
                bound = std::max(bound, patterns[i]);
            }
        }
        return bound;
    }

    // Entry i is table i / 2, read straight for even i and across the main diagonal for odd i: the
    // mirrored board is solved by the mirrored clicks, so a table answers for the mirrored pattern
    // too. `before` is the entry one click ago, or -1 for none.
    int lookUp(size_t i, int before) const
    {
        const PatternTable &table = (*m_tables)[i / 2];
        const bool mirrored = i % 2 == 1;
        auto mirror = [](int cell) { return cell % N * N + cell / N; };
        int cells[N * N];
        cells[0] = mirrored ? mirror(m_where[0]) : m_where[0];
        const std::vector<int> &pieces = table.pieces();
        for (size_t k = 0; k < pieces.size(); ++k)
            cells[k + 1] = mirrored
                               ? mirror(m_where[static_cast<size_t>(mirror(pieces[k] - 1) + 1)])
                               : m_where[static_cast<size_t>(pieces[k])];
        return before < 0 ? table.distance(cells) : table.distanceAfter(cells, before);
    }

    // Moves the empty cell to `to`, in its row or column, sliding the pieces between one cell each.
    void slide(int to)
    {
        const bool vertical = to % N == m_blank % N;
        const int stride = vertical ? N : 1;
        const bool forward = to > m_blank;
        const int step = forward ? stride : -stride;
        int &state = vertical ? m_vertical : m_horizontal;
        for (int cell = m_blank + step;; cell += step) {
            const int piece = m_tiles[static_cast<size_t>(cell)];
            m_tiles[static_cast<size_t>(cell - step)] = static_cast<int8_t>(piece);
            m_where[static_cast<size_t>(piece)] = static_cast<int8_t>(cell - step);
            state = m_walk.step(state, forward, vertical ? (piece - 1) / N : (piece - 1) % N);
            if (cell == to)
                break;
        }
        m_tiles[static_cast<size_t>(to)] = 0;
        m_where[0] = static_cast<int8_t>(to);
        m_blank = to;
    }

    bool stopped()
    {
        if ((++m_nodes & 0x3ffu) == 0
            && ((m_cancel && m_cancel->load(std::memory_order_relaxed))
                || (m_budget && m_nodes >= m_budget)))
            m_cancelled = true;
        return m_cancelled;
    }

    struct Child
    {
        int to, estimate;
        Axis axis;
        Patterns patterns;
    };
    using Children = std::array<Child, 2 * (N - 1)>;

    // The clicks from here that fit within the bound, likeliest first. Two clicks along one line in
    // a row equal one click or none, so a shortest solution alternates the axis: the last one is
    // skipped.
    size_t childrenOf(int done, Axis last, Children &children)
    {
        size_t count = 0;
        const int from = m_blank;
        for (Axis axis : {Axis::Vertical, Axis::Horizontal}) {
            for (int k = 0; k < N && axis != last; ++k) {
                const int to = axis == Axis::Vertical ? k * N + from % N : from / N * N + k;
                if (to == from)
                    continue;
                slide(to);
                Patterns patterns{};
                const int next = estimate(axis, m_bound - done - 1, patterns);
                if (done + 1 + next <= m_bound)
                    children[count++] = Child{to, next, axis, patterns};
                else
                    m_nextBound = std::min(m_nextBound, done + 1 + next);
                slide(from);
            }
        }
        // The order only matters in the last round, where the likeliest first ends the search
        // sooner.
        for (size_t i = 1; i < count; ++i)
            for (size_t j = i; j > 0 && children[j].estimate < children[j - 1].estimate; --j)
                std::swap(children[j], children[j - 1]);
        return count;
    }

    bool deepen(int done, int h, Axis last)
    {
        if (h == 0)
            return true;
        if (stopped())
            return false;
        Children children;
        const size_t count = childrenOf(done, last, children);
        const Patterns here = m_patterns;
        const int from = m_blank;
        for (size_t i = 0; i < count && !m_cancelled; ++i) {
            slide(children[i].to);
            m_patterns = children[i].patterns;
            m_path.push_back(Cell{children[i].to / N, children[i].to % N});
            if (deepen(done + 1, children[i].estimate, children[i].axis))
                return true;
            m_path.pop_back();
            m_patterns = here;
            slide(from);
        }
        return false;
    }

    const WalkTable &m_walk = walkTable(N);
    const std::vector<PatternTable> *m_tables; // only on 4 x 4
    const std::atomic<bool> *m_cancel;
    std::array<int8_t, N * N> m_tiles{};
    std::array<int8_t, N * N> m_where{}; // the cell of each piece, the empty cell first
    Patterns m_patterns{};               // the pattern entries of the board as it stands
    int m_blank = 0;
    int m_vertical = 0;
    int m_horizontal = 0;
    int m_bound = 0;
    int m_nextBound = 0;
    uint64_t m_budget;
    uint64_t m_nodes = 0;
    bool m_cancelled = false;
    std::vector<Cell> m_path;
};

} // namespace

std::optional<std::vector<Cell>> searchShortest(const Board &position,
                                                const std::atomic<bool> *cancel, uint64_t budget)
{
    if (position.n == 3)
        return Deepening<3>(position, nullptr, cancel, budget).run();
    if (position.n != PatternTable::Side)
        return std::nullopt;
    const std::vector<PatternTable> *tables = patternTables(cancel);
    if (!tables)
        return std::nullopt;
    return Deepening<PatternTable::Side>(position, tables, cancel, budget).run();
}

} // namespace solver
