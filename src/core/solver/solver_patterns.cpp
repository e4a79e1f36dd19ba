// Building the 4 x 4 pattern tables by breadth-first search in clicks.
#include "core/solver/solver_patterns.h"

#include <QScopeGuard>
#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <new>
#include <sys/mman.h>
#include <thread>

namespace solver {

namespace {

constexpr int Unknown = 3;

// Placements travel through the queue packed four bits a cell, the empty cell first.
uint32_t pack(const int *cells, size_t count)
{
    uint32_t packed = 0;
    for (size_t i = 0; i < count; ++i)
        packed |= static_cast<uint32_t>(cells[i]) << (4 * i);
    return packed;
}

// Calls visit(moved) for the placement after each click the empty cell can take.
template<typename Visit>
void forEachClick(const int *cells, size_t slots, Visit visit)
{
    constexpr int Side = PatternTable::Side;
    int slotAt[PatternTable::Cells];
    std::fill(std::begin(slotAt), std::end(slotAt), -1);
    for (size_t i = 1; i < slots; ++i)
        slotAt[cells[i]] = static_cast<int>(i);
    const int gap = cells[0];
    for (int to = 0; to < PatternTable::Cells; ++to) {
        const bool sameRow = to / Side == gap / Side, sameCol = to % Side == gap % Side;
        if (to == gap || !(sameRow || sameCol))
            continue;
        int moved[PatternTable::Cells];
        std::copy(cells, cells + slots, moved);
        const int step = (sameRow ? 1 : Side) * (to > gap ? 1 : -1);
        for (int cell = gap + step;; cell += step) {
            if (slotAt[cell] >= 0)
                moved[slotAt[cell]] = cell - step;
            if (cell == to)
                break;
        }
        moved[0] = to;
        visit(static_cast<const int *>(moved));
    }
}

} // namespace

PatternTable::PatternTable(std::vector<int> pieces, const std::atomic<bool> *cancel)
    : m_pieces(std::move(pieces))
{
    setScale();
    m_residues.assign(residueBytes(m_pieces.size()), 0xff);
    build(cancel);
}

PatternTable::PatternTable(std::vector<int> pieces, std::vector<uint8_t> residues)
    : m_pieces(std::move(pieces))
    , m_residues(std::move(residues))
{
    setScale();
}

void PatternTable::setScale()
{
    const size_t slots = m_pieces.size() + 1;
    m_scale.assign(slots, 1);
    for (size_t i = slots; i-- > 1;)
        m_scale[i - 1] = m_scale[i] * static_cast<uint32_t>(Cells - static_cast<int>(i));
}

size_t PatternTable::residueBytes(size_t pieces)
{
    size_t placements = Cells; // the empty cell's, then each piece's among the cells left
    for (size_t i = 1; i <= pieces; ++i)
        placements *= static_cast<size_t>(Cells) - i;
    return (placements + 3) / 4;
}

void PatternTable::build(const std::atomic<bool> *cancel)
{
    const size_t slots = m_scale.size();
    int cells[Cells] = {Cells - 1};
    for (size_t i = 1; i < slots; ++i)
        cells[i] = m_pieces[i - 1] - 1;
    // Every placement once: 23 MB, taken from the system and given back to it as soon as the
    // table is built or abandoned. A heap would keep the memory for reuse and the game would stay
    // 70 MB larger after its first 4 x 4 search.
    const size_t capacity = static_cast<size_t>(m_scale[0]) * Cells;
    void *mapped = mmap(nullptr, capacity * sizeof(uint32_t), PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto unmap = qScopeGuard([&] { munmap(mapped, capacity * sizeof(uint32_t)); });
    auto *queue = static_cast<uint32_t *>(mapped);
    size_t queued = 0;
    queue[queued++] = pack(cells, slots);
    setResidue(index(cells), 0);
    int level = 0;
    for (size_t next = 0, levelEnd = 1; next < queued; ++next) {
        if (next == levelEnd) {
            ++level;
            levelEnd = queued;
        }
        if (next % 65536 == 0 && cancel && cancel->load(std::memory_order_relaxed))
            return;
        for (size_t i = 0; i < slots; ++i)
            cells[i] = static_cast<int>(queue[next] >> (4 * i)) & 0xf;
        forEachClick(cells, slots, [&](const int *moved) {
            if (const size_t at = index(moved); residue(at) == Unknown) {
                setResidue(at, (level + 1) % 3);
                queue[queued++] = pack(moved, slots);
            }
        });
    }
}

// Walks down to the solved placement, each click to the neighbour one closer.
int PatternTable::distance(const int *cells) const
{
    const size_t slots = m_scale.size();
    int at[Cells];
    std::copy(cells, cells + slots, at);
    auto solved = [&] {
        for (size_t i = 1; i < slots; ++i)
            if (at[i] != m_pieces[i - 1] - 1)
                return false;
        return at[0] == Cells - 1;
    };
    int clicks = 0;
    for (; !solved(); ++clicks) {
        const int closer = (residue(index(at)) + 2) % 3;
        int next[Cells];
        forEachClick(at, slots, [&](const int *moved) {
            if (residue(index(moved)) == closer)
                std::copy(moved, moved + slots, next);
        });
        std::copy(next, next + slots, at);
    }
    return clicks;
}

const std::array<std::vector<int>, PatternTableCount> &tablePatterns()
{
    // The search also reads each table across the diagonal, so six patterns are checked. Of the
    // 5-piece patterns tried, these three raised the estimate most together.
    static const std::array<std::vector<int>, PatternTableCount> patterns{
        {{1, 2, 3, 4, 5}, {11, 12, 13, 14, 15}, {1, 2, 3, 4, 8}}};
    return patterns;
}

std::optional<std::vector<PatternTable>> buildPatternTables(const std::atomic<bool> *cancel)
{
    const auto &patterns = tablePatterns();
    std::vector<std::unique_ptr<PatternTable>> made(patterns.size());
    {
        std::vector<std::jthread> builders;
        for (size_t i = 0; i < patterns.size(); ++i)
            builders.emplace_back(
                [&, i] { made[i] = std::make_unique<PatternTable>(patterns[i], cancel); });
    }
    if (cancel && cancel->load())
        return std::nullopt;
    std::vector<PatternTable> tables;
    for (auto &table : made)
        tables.push_back(std::move(*table));
    return tables;
}

namespace {
struct Cancelled
{};
} // namespace

const std::vector<PatternTable> *patternTables(const std::atomic<bool> *cancel)
{
    static std::once_flag built;
    static std::unique_ptr<std::vector<PatternTable>> tables;
    try {
        // A throw leaves the flag unset, so the next caller builds the tables again.
        std::call_once(built, [cancel] {
            // A missing or damaged file costs the build it was made to save, never a wrong figure.
            auto ready = loadPatternFile();
            if (!ready)
                ready = buildPatternTables(cancel);
            if (!ready)
                throw Cancelled{};
            tables = std::make_unique<std::vector<PatternTable>>(std::move(*ready));
        });
    } catch (const Cancelled &) {
        return nullptr;
    }
    return tables.get();
}

} // namespace solver
