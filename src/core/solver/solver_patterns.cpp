// Building the 4 x 4 pattern tables by breadth-first search in clicks, and walking one down.
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

// Placements travel through the queue packed four bits a cell, the empty cell first.
uint32_t pack(const int *cells, size_t count)
{
    uint32_t packed = 0;
    for (size_t i = 0; i < count; ++i)
        packed |= static_cast<uint32_t>(cells[i]) << (4 * i);
    return packed;
}

// Calls visit(moved, vertical) for the placement after each click the empty cell can take.
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
        visit(static_cast<const int *>(moved), sameCol);
    }
}

} // namespace

const std::array<std::array<uint8_t, 3>, 256> PatternTable::Digits = [] {
    std::array<std::array<uint8_t, 3>, 256> digits{};
    for (int byte = 0; byte < 256; ++byte)
        for (int k = 0, rest = byte; k < 3; ++k, rest /= 5)
            digits[static_cast<size_t>(byte)][static_cast<size_t>(k)] =
                static_cast<uint8_t>(rest % 5);
    return digits;
}();

PatternTable::PatternTable(std::vector<int> pieces, const std::atomic<bool> *cancel)
    : m_pieces(std::move(pieces))
{
    setScale();
    m_residues.assign(residueBytes(m_pieces.size()), 0);
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
    size_t classes = Side; // the empty cell's row, then each piece's cell among those left
    for (size_t i = 1; i <= pieces; ++i)
        classes *= static_cast<size_t>(Cells) - i;
    return (classes + 2) / 3;
}

void PatternTable::setResidue(size_t at, int value)
{
    static constexpr int Place[3] = {1, 5, 25};
    uint8_t &byte = m_residues[at / 3];
    const int place = Place[at % 3];
    byte = static_cast<uint8_t>(byte + (value - Digits[byte][at % 3]) * place);
}

namespace {

// Each placement once, by its own number (not its class's), and the exact step a class was
// reached at, in bits.
struct Marks
{
    explicit Marks(size_t count) : bits((count + 63) / 64, 0) {}
    // True the first time.
    bool mark(size_t at)
    {
        uint64_t &word = bits[at / 64];
        const uint64_t bit = uint64_t(1) << (at % 64);
        const bool first = !(word & bit);
        word |= bit;
        return first;
    }
    std::vector<uint64_t> bits;
};

} // namespace

// Breadth-first over placements; a class takes the step at which the first of its placements is
// reached.
void PatternTable::build(const std::atomic<bool> *cancel)
{
    const size_t slots = m_scale.size();
    int cells[Cells] = {Cells - 1};
    for (size_t i = 1; i < slots; ++i)
        cells[i] = m_pieces[i - 1] - 1;
    // A placement's own number: the empty cell's cell, then each piece's among the cells left.
    auto placement = [&](const int *at) {
        size_t result = 0;
        for (size_t i = 0; i < slots; ++i) {
            int lower = at[i]; // the cells below it that are still free
            for (size_t j = 0; j < i; ++j)
                lower -= at[j] < at[i];
            result = result * static_cast<size_t>(Cells - static_cast<int>(i))
                     + static_cast<size_t>(lower);
        }
        return result;
    };
    const size_t placements = static_cast<size_t>(m_scale[0]) * Cells;
    Marks seen(placements), classes(placements / Side);
    // The queue of every placement (230 MB for six pieces) is taken from the system and given back
    // as soon as the table is built or abandoned; a heap would keep it for reuse.
    void *mapped = mmap(nullptr, placements * sizeof(uint32_t), PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto unmap = qScopeGuard([&] { munmap(mapped, placements * sizeof(uint32_t)); });
    auto *queue = static_cast<uint32_t *>(mapped);
    size_t queued = 0;
    queue[queued++] = pack(cells, slots);
    seen.mark(placement(cells));
    classes.mark(index(cells));
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
        forEachClick(cells, slots, [&](const int *moved, bool) {
            if (!seen.mark(placement(moved)))
                return;
            queue[queued++] = pack(moved, slots);
            if (const size_t at = index(moved); classes.mark(at))
                setResidue(at, (level + 1) % 5);
        });
    }
}

// Walks down to the solved class: from the placements of a class, a click along a column to a
// class with a smaller entry (there is one: the first click of the best placement's shortest way
// home), until the class holds the solved placement.
int PatternTable::distance(const int *cells) const
{
    const size_t slots = m_scale.size();
    std::array<int, Cells> at{};
    std::copy(cells, cells + slots, at.begin());
    auto solved = [&](const int *here) {
        for (size_t i = 1; i < slots; ++i)
            if (here[i] != m_pieces[i - 1] - 1)
                return false;
        return here[0] == Cells - 1;
    };
    for (int clicks = 0;;) {
        std::vector<std::array<int, Cells>> members{at};
        forEachClick(at.data(), slots, [&](const int *moved, bool vertical) {
            if (!vertical)
                std::copy(moved, moved + slots, members.emplace_back().begin());
        });
        const int here = residue(index(at.data()));
        int down = 0;
        for (const auto &member : members) {
            if (solved(member.data()))
                return clicks;
            forEachClick(member.data(), slots, [&](const int *moved, bool vertical) {
                const int step = (residue(index(moved)) - here + 5) % 5;
                if (vertical && step >= 3 && down == 0) {
                    down = 5 - step;
                    std::copy(moved, moved + slots, at.begin());
                }
            });
            if (down > 0)
                break;
        }
        clicks += down;
    }
}

const std::array<std::vector<int>, PatternTableCount> &tablePatterns()
{
    // Each table is read straight and across the diagonal, so eight patterns are checked. The two
    // six-piece tables (4.8 MB each) raise the estimate most; of the five-piece ones tried, these
    // two added most beside them.
    static const std::array<std::vector<int>, PatternTableCount> patterns{
        {{1, 2, 3, 4, 5, 6}, {10, 11, 12, 13, 14, 15}, {3, 4, 7, 8, 12}, {5, 7, 8, 9, 13}}};
    return patterns;
}

// Two tables at a time: each build holds its queue of every placement meanwhile.
std::optional<std::vector<PatternTable>> buildPatternTables(const std::atomic<bool> *cancel)
{
    const auto &patterns = tablePatterns();
    std::vector<std::unique_ptr<PatternTable>> made(patterns.size());
    std::atomic<size_t> next{0};
    {
        std::vector<std::jthread> builders;
        for (int i = 0; i < 2; ++i)
            builders.emplace_back([&] {
                for (size_t k; (k = next++) < patterns.size();)
                    made[k] = std::make_unique<PatternTable>(patterns[k], cancel);
            });
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
