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
        : m_cancel(cancel)
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
            colClass[static_cast<size_t>(mirror(cell))] = piece == 0 ? -1 : (piece - 1) % N;
        }
        m_vertical = m_walk.stateOf(rowClass);
        m_horizontal = m_walk.stateOf(colClass);
        if constexpr (N == PatternTable::Side) {
            m_lookups = 2 * tables->size();
            for (size_t i = 0; i < m_lookups; ++i) {
                Reading &reading = m_readings[i];
                reading.table = &(*tables)[i / 2];
                reading.mirrored = i % 2 == 1;
                const std::vector<int> &pieces = reading.table->pieces();
                reading.count = pieces.size();
                for (size_t k = 0; k < pieces.size(); ++k)
                    reading.pieces[k] = static_cast<int8_t>(
                        reading.mirrored ? mirror(pieces[k] - 1) + 1 : pieces[k]);
                int cells[N * N];
                m_patterns[i] = reading.table->distance(cellsOf(reading, cells));
            }
        }
    }

    std::optional<std::vector<Cell>> run()
    {
        int estimate =
            combined(m_walk.distance(m_vertical), m_walk.distance(m_horizontal), Axis::None);
        for (size_t i = 0; i < m_lookups; ++i)
            estimate = std::max(estimate, m_patterns[i]);
        for (m_bound = estimate;; m_bound = m_nextBound) {
            m_nextBound = INT_MAX;
            if (deepen(0, estimate, Axis::None))
                return m_path;
            if (m_cancelled)
                return std::nullopt;
        }
    }

private:
    static int mirror(int cell) { return cell % N * N + cell / N; }

    // A table read straight or across the main diagonal: the mirrored board is solved by the
    // mirrored clicks, so a table answers for the mirrored pattern too.
    struct Reading
    {
        const PatternTable *table = nullptr;
        bool mirrored = false;
        size_t count = 0;
        std::array<int8_t, N * N> pieces{}; // whose cells to read, mirrored pieces when mirrored
    };

    const int *cellsOf(const Reading &reading, int *cells) const
    {
        cells[0] = reading.mirrored ? mirror(m_where[0]) : m_where[0];
        for (size_t k = 0; k < reading.count; ++k) {
            const int cell = m_where[static_cast<size_t>(reading.pieces[k])];
            cells[k + 1] = reading.mirrored ? mirror(cell) : cell;
        }
        return cells;
    }

    // Whether a click along `axis` can change the class `reading` looks at: read straight, a
    // table's classes are rows, read across, columns. After such a click the next one goes along
    // the class's line.
    static bool changedBy(const Reading &reading, Axis axis)
    {
        return reading.mirrored == (axis == Axis::Horizontal);
    }

    // v and h bound the vertical and the horizontal clicks apart; every click is one or the
    // other, so the two add up. A shortest solution alternates the axes, so neither kind can be
    // much in the minority either.
    static int combined(int v, int h, Axis last)
    {
        if (last == Axis::Vertical)
            return std::max({v + h, 2 * v, 2 * h - 1});
        if (last == Axis::Horizontal)
            return std::max({v + h, 2 * h, 2 * v - 1});
        return std::max(v + h, 2 * std::max(v, h) - 1);
    }

    // A click from here, looked at before it is taken: the states it leads to and where its
    // pattern entries are, asked of the memory ahead of being read.
    struct Candidate
    {
        int to = 0;
        Axis axis = Axis::None;
        int vertical = 0, horizontal = 0;
        std::array<size_t, Lookups> at{};
    };

    // The largest of several lower bounds on the clicks left after `c`; stops early once one
    // exceeds `enough`. `patterns` gets the pattern entries after it, worked out from those of
    // this board one click before.
    int estimate(const Candidate &c, int enough, Patterns &patterns) const
    {
        const int v = m_walk.distance(c.vertical), h = m_walk.distance(c.horizontal);
        if (v == 0 && h == 0) // every piece in its row and in its column: solved
            return 0;
        int bound = combined(v, h, c.axis);
        if constexpr (N == PatternTable::Side) {
            for (size_t i = 0; i < m_lookups; ++i)
                if (!changedBy(m_readings[i], c.axis))
                    patterns[i] = m_patterns[i];
            // A class the click changed lies along the line the next click must take, so that
            // click stays in the class, and the clicks after it are at least the entry.
            for (size_t i = 0; i < m_lookups && bound <= enough; ++i) {
                const Reading &reading = m_readings[i];
                if (changedBy(reading, c.axis)) {
                    patterns[i] = reading.table->distanceAfter(c.at[i], m_patterns[i]);
                    bound = std::max(bound, patterns[i] + 1);
                } else {
                    bound = std::max(bound, patterns[i]);
                }
            }
        }
        return bound;
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
    // skipped. Every entry the clicks need is asked for first, so that the waits for the memory
    // overlap.
    size_t childrenOf(int done, Axis last, Children &children)
    {
        std::array<Candidate, 2 * (N - 1)> candidates;
        size_t count = 0;
        const int from = m_blank;
        for (Axis axis : {Axis::Vertical, Axis::Horizontal}) {
            if (axis == last)
                continue;
            // What the click cannot change bounds all its children at once, before any is looked
            // up.
            int unchanged = 0;
            for (size_t i = 0; i < m_lookups; ++i)
                if (!changedBy(m_readings[i], axis))
                    unchanged = std::max(unchanged, m_patterns[i]);
            for (int k = 0; k < N; ++k) {
                const int to = axis == Axis::Vertical ? k * N + from % N : from / N * N + k;
                if (to == from)
                    continue;
                slide(to);
                const int walked =
                    std::max(unchanged, combined(m_walk.distance(m_vertical),
                                                 m_walk.distance(m_horizontal), axis));
                if (done + 1 + walked > m_bound) {
                    m_nextBound = std::min(m_nextBound, done + 1 + walked);
                    slide(from);
                    continue;
                }
                Candidate &c = candidates[count++];
                c.to = to;
                c.axis = axis;
                c.vertical = m_vertical;
                c.horizontal = m_horizontal;
                if constexpr (N == PatternTable::Side) {
                    for (size_t i = 0; i < m_lookups; ++i) {
                        if (!changedBy(m_readings[i], axis))
                            continue;
                        int cells[N * N];
                        c.at[i] = m_readings[i].table->index(cellsOf(m_readings[i], cells));
                        m_readings[i].table->prefetch(c.at[i]);
                    }
                }
                slide(from);
            }
        }
        size_t kept = 0;
        for (size_t j = 0; j < count; ++j) {
            Patterns patterns{};
            const int next = estimate(candidates[j], m_bound - done - 1, patterns);
            if (done + 1 + next <= m_bound)
                children[kept++] = Child{candidates[j].to, next, candidates[j].axis, patterns};
            else
                m_nextBound = std::min(m_nextBound, done + 1 + next);
        }
        // The order only matters in the last round, where the likeliest first ends the search
        // sooner.
        for (size_t i = 1; i < kept; ++i)
            for (size_t j = i; j > 0 && children[j].estimate < children[j - 1].estimate; --j)
                std::swap(children[j], children[j - 1]);
        return kept;
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
    std::array<Reading, Lookups> m_readings{}; // only on 4 x 4
    size_t m_lookups = 0;
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
