// Building the 4 x 4 pattern tables by breadth-first search in clicks.
#include "board/solver_patterns.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <thread>

namespace solver {

namespace {

constexpr uint8_t Unknown = 0xff;

// Placements travel through the queue packed four bits a cell, the empty cell first.
uint32_t pack(const int *cells, size_t count)
{
    uint32_t packed = 0;
    for (size_t i = 0; i < count; ++i)
        packed |= static_cast<uint32_t>(cells[i]) << (4 * i);
    return packed;
}

} // namespace

PatternTable::PatternTable(std::vector<int> pieces, const std::atomic<bool> *cancel) : m_pieces(std::move(pieces))
{
    const size_t slots = m_pieces.size() + 1;
    m_scale.assign(slots, 1);
    for (size_t i = slots; i-- > 1;)
        m_scale[i - 1] = m_scale[i] * static_cast<uint32_t>(Cells - static_cast<int>(i));
    m_distance.assign(static_cast<size_t>(m_scale[0]) * Cells, Unknown);
    build(cancel);
}

void PatternTable::build(const std::atomic<bool> *cancel)
{
    const size_t slots = m_scale.size();
    int cells[Cells] = {Cells - 1};
    for (size_t i = 1; i < slots; ++i)
        cells[i] = m_pieces[i - 1] - 1;
    std::vector<uint32_t> queue;
    queue.reserve(m_distance.size());
    queue.push_back(pack(cells, slots));
    m_distance[index(cells)] = 0;
    for (size_t next = 0; next < queue.size(); ++next) {
        if (next % 65536 == 0 && cancel && cancel->load(std::memory_order_relaxed))
            return;
        for (size_t i = 0; i < slots; ++i)
            cells[i] = static_cast<int>(queue[next] >> (4 * i)) & 0xf;
        const uint8_t reached = static_cast<uint8_t>(m_distance[index(cells)] + 1);
        int slotAt[Cells];
        std::fill(std::begin(slotAt), std::end(slotAt), -1);
        for (size_t i = 1; i < slots; ++i)
            slotAt[cells[i]] = static_cast<int>(i);
        const int gap = cells[0];
        for (int to = 0; to < Cells; ++to) {
            const bool sameRow = to / Side == gap / Side, sameCol = to % Side == gap % Side;
            if (to == gap || !(sameRow || sameCol))
                continue;
            int moved[Cells];
            std::copy(cells, cells + slots, moved);
            const int step = (sameRow ? 1 : Side) * (to > gap ? 1 : -1);
            for (int cell = gap + step;; cell += step) {
                if (slotAt[cell] >= 0)
                    moved[slotAt[cell]] = cell - step;
                if (cell == to)
                    break;
            }
            moved[0] = to;
            uint8_t &known = m_distance[index(moved)];
            if (known == Unknown) {
                known = reached;
                queue.push_back(pack(moved, slots));
            }
        }
    }
}

namespace {
struct Cancelled {};
} // namespace

const std::vector<PatternTable> *patternTables(const std::atomic<bool> *cancel)
{
    static std::once_flag built;
    static std::unique_ptr<std::vector<PatternTable>> tables;
    try {
        // A throw leaves the flag unset, so the next caller builds the tables again.
        std::call_once(built, [cancel] {
            // The search also reads each table across the diagonal, so six patterns are checked.
            const std::vector<std::vector<int>> patterns{{1, 2, 3, 4, 5}, {11, 12, 13, 14, 15}, {1, 2, 3, 4, 8}};
            std::vector<std::unique_ptr<PatternTable>> made(patterns.size());
            {
                std::vector<std::jthread> builders;
                for (size_t i = 0; i < patterns.size(); ++i)
                    builders.emplace_back([&, i] { made[i] = std::make_unique<PatternTable>(patterns[i], cancel); });
            }
            if (cancel && cancel->load())
                throw Cancelled{};
            auto ready = std::make_unique<std::vector<PatternTable>>();
            for (auto &table : made)
                ready->push_back(std::move(*table));
            tables = std::move(ready);
        });
    } catch (const Cancelled &) {
        return nullptr;
    }
    return tables.get();
}

} // namespace solver
