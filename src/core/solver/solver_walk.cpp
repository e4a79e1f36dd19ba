// The walking table: abstract boards by rows, their steps, and their distances in vertical clicks.
#include "core/solver/solver_walk.h"

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <unordered_set>

namespace solver {

namespace {

constexpr int CountBits = 3; // a row holds at most 4 pieces here

struct Abstract
{
    std::vector<int> counts; // counts[row * n + class]
    int blankRow = 0;
};

Abstract decode(uint64_t code, int n)
{
    Abstract a;
    a.counts.resize(static_cast<size_t>(n * n));
    for (size_t i = 0; i < a.counts.size(); ++i)
        a.counts[i] = static_cast<int>((code >> (CountBits * i)) & 7u);
    a.blankRow = static_cast<int>(code >> (CountBits * n * n));
    return a;
}

} // namespace

WalkTable::WalkTable(int n) : m_n(n)
{
    if (n < 2 || n > 4)
        throw std::invalid_argument("walking tables are kept for 3 x 3 and 4 x 4 boards");
    enumerate();
    measureInClicks();
}

uint64_t WalkTable::codeOf(const std::vector<int> &counts, int blankRow) const
{
    uint64_t code = 0;
    for (size_t i = 0; i < counts.size(); ++i)
        code |= static_cast<uint64_t>(counts[i]) << (CountBits * i);
    return code | static_cast<uint64_t>(blankRow) << (CountBits * m_n * m_n);
}

int WalkTable::stateOf(const std::vector<int> &classOfCell) const
{
    std::vector<int> counts(static_cast<size_t>(m_n * m_n), 0);
    int blankRow = 0;
    for (int cell = 0; cell < m_n * m_n; ++cell) {
        const int pieceClass = classOfCell[static_cast<size_t>(cell)];
        if (pieceClass < 0)
            blankRow = cell / m_n;
        else
            ++counts[static_cast<size_t>(cell / m_n * m_n + pieceClass)];
    }
    const uint64_t code = codeOf(counts, blankRow);
    const auto it = std::lower_bound(m_codes.begin(), m_codes.end(), code);
    if (it == m_codes.end() || *it != code)
        throw std::invalid_argument("not a board of this size");
    return static_cast<int>(it - m_codes.begin());
}

// Every abstract board reachable from the solved one by single-row steps, then the step table.
void WalkTable::enumerate()
{
    std::vector<int> solvedCounts(static_cast<size_t>(m_n * m_n), 0);
    for (int row = 0; row < m_n; ++row)
        solvedCounts[static_cast<size_t>(row * m_n + row)] = row == m_n - 1 ? m_n - 1 : m_n;
    std::vector<uint64_t> queue{codeOf(solvedCounts, m_n - 1)};
    std::unordered_set<uint64_t> seen(queue.begin(), queue.end());
    auto neighbour = [this](const Abstract &a, bool down,
                            int pieceClass) -> std::optional<uint64_t> {
        const int from = a.blankRow + (down ? 1 : -1);
        if (from < 0 || from >= m_n || a.counts[static_cast<size_t>(from * m_n + pieceClass)] == 0)
            return std::nullopt;
        std::vector<int> counts = a.counts;
        --counts[static_cast<size_t>(from * m_n + pieceClass)];
        ++counts[static_cast<size_t>(a.blankRow * m_n + pieceClass)];
        return codeOf(counts, from);
    };
    for (size_t i = 0; i < queue.size(); ++i) {
        const Abstract a = decode(queue[i], m_n);
        for (bool down : {false, true})
            for (int pieceClass = 0; pieceClass < m_n; ++pieceClass)
                if (const auto next = neighbour(a, down, pieceClass);
                    next && seen.insert(*next).second)
                    queue.push_back(*next);
    }
    m_codes = std::move(queue);
    std::sort(m_codes.begin(), m_codes.end());
    m_step.assign(m_codes.size() * 2 * static_cast<size_t>(m_n), -1);
    for (size_t s = 0; s < m_codes.size(); ++s) {
        const Abstract a = decode(m_codes[s], m_n);
        for (bool down : {false, true})
            for (int pieceClass = 0; pieceClass < m_n; ++pieceClass)
                if (const auto next = neighbour(a, down, pieceClass))
                    m_step[(s * 2 + down) * static_cast<size_t>(m_n)
                           + static_cast<size_t>(pieceClass)] =
                        static_cast<int>(std::lower_bound(m_codes.begin(), m_codes.end(), *next)
                                         - m_codes.begin());
    }
}

// Breadth-first from the solved board, where one click is 1 .. n - 1 steps the same way.
void WalkTable::measureInClicks()
{
    constexpr uint8_t Unknown = 0xff;
    m_distance.assign(m_codes.size(), Unknown);
    std::vector<int> solvedClass(static_cast<size_t>(m_n * m_n));
    for (int cell = 0; cell < m_n * m_n; ++cell)
        solvedClass[static_cast<size_t>(cell)] = cell == m_n * m_n - 1 ? -1 : cell / m_n;
    std::vector<int> queue{stateOf(solvedClass)};
    m_distance[static_cast<size_t>(queue[0])] = 0;
    for (size_t i = 0; i < queue.size(); ++i) {
        const int from = queue[i];
        const uint8_t next = static_cast<uint8_t>(m_distance[static_cast<size_t>(from)] + 1);
        for (bool down : {false, true}) {
            std::vector<int> reached{from};
            for (int length = 1; length < m_n && !reached.empty(); ++length) {
                std::vector<int> further;
                for (int state : reached)
                    for (int pieceClass = 0; pieceClass < m_n; ++pieceClass)
                        if (const int to = step(state, down, pieceClass); to >= 0)
                            further.push_back(to);
                for (int to : further)
                    if (m_distance[static_cast<size_t>(to)] == Unknown) {
                        m_distance[static_cast<size_t>(to)] = next;
                        queue.push_back(to);
                    }
                reached = std::move(further);
            }
        }
    }
}

const WalkTable &walkTable(int n)
{
    static std::array<std::once_flag, 2> built;
    static std::array<std::unique_ptr<WalkTable>, 2> tables;
    if (n != 3 && n != 4)
        throw std::invalid_argument("walking tables are kept for 3 x 3 and 4 x 4 boards");
    const size_t slot = static_cast<size_t>(n - 3);
    std::call_once(built[slot], [&] { tables[slot] = std::make_unique<WalkTable>(n); });
    return *tables[slot];
}

} // namespace solver
