// Pattern tables for the 4 x 4 board: clicks needed by a few pieces and the empty cell alone.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class QByteArray;
class QString;

namespace solver {

// For every placement of the pattern's pieces and the empty cell, the fewest clicks that bring
// those pieces home with the empty cell at the bottom right, the other pieces standing in for one
// another. Found by breadth-first search from the solved placement, a click sliding the empty cell
// 1 .. 3 cells and shifting the pattern pieces on its way. Solving the whole board solves the
// pattern on the way, so an entry never exceeds the clicks the board needs.
//
// One click changes an entry by at most one, so the table keeps each entry modulo 3 in two bits:
// the search follows the exact value from click to click and works out the first one by walking
// down.
class PatternTable
{
public:
    static constexpr int Side = 4;
    static constexpr int Cells = Side * Side;

    // Stops early, leaving the table unusable, once `cancel` is set.
    PatternTable(std::vector<int> pieces, const std::atomic<bool> *cancel);
    // A table read back: `residues` as residues() gave them.
    PatternTable(std::vector<int> pieces, std::vector<uint8_t> residues);

    const std::vector<int> &pieces() const { return m_pieces; }
    size_t bytes() const { return m_residues.size(); }
    const std::vector<uint8_t> &residues() const { return m_residues; }
    // The size residues() has for a pattern of `pieces` pieces.
    static size_t residueBytes(size_t pieces);
    // cells[0] is the empty cell, cells[i] the cell of pieces()[i - 1].
    int distance(const int *cells) const;
    // The entry of a placement one click away from one whose entry is `before`.
    int distanceAfter(const int *cells, int before) const
    {
        const int step = (residue(index(cells)) - before % 3 + 3) % 3;
        return step == 2 ? before - 1 : before + step;
    }

private:
    size_t index(const int *cells) const
    {
        uint32_t used = 0;
        size_t result = 0;
        for (size_t i = 0; i < m_scale.size(); ++i) {
            const int cell = cells[i];
            const int lower = cell - bitCount(used & ((1u << cell) - 1u));
            result += static_cast<size_t>(lower) * m_scale[i];
            used |= 1u << cell;
        }
        return result;
    }
    int residue(size_t at) const { return (m_residues[at / 4] >> (at % 4 * 2)) & 3; }
    void setResidue(size_t at, int value)
    {
        uint8_t &byte = m_residues[at / 4];
        byte = static_cast<uint8_t>((byte & ~(3 << (at % 4 * 2))) | value << (at % 4 * 2));
    }
    void build(const std::atomic<bool> *cancel);
    void setScale();
    static int bitCount(uint32_t bits)
    {
        bits = bits - ((bits >> 1) & 0x5555u);
        bits = (bits & 0x3333u) + ((bits >> 2) & 0x3333u);
        bits = (bits + (bits >> 4)) & 0x0f0fu;
        return static_cast<int>((bits + (bits >> 8)) & 0x1fu);
    }

    std::vector<int> m_pieces;
    std::vector<uint32_t> m_scale; // place value of each slot in the index
    std::vector<uint8_t> m_residues;
};

inline constexpr size_t PatternTableCount = 3;

// The pieces of each table the search reads.
const std::array<std::vector<int>, PatternTableCount> &tablePatterns();
// Every table, built side by side; nothing when `cancel` was set meanwhile.
std::optional<std::vector<PatternTable>> buildPatternTables(const std::atomic<bool> *cancel);

// The tables' file, made when the program is built and shipped beside it, so that no game waits
// for a build: a heading, each table's residues in pattern order, and a 64-bit FNV-1a checksum of
// all that comes before it.
QByteArray patternFileBytes(const std::vector<PatternTable> &tables);
// Nothing unless `bytes` are exactly such a file for tablePatterns().
std::optional<std::vector<PatternTable>> readPatternFile(const QByteArray &bytes);
// Where patternTables() looks before it builds; set at start, before the first 4 x 4 search.
void usePatternFile(const QString &path);
// The tables of that file; nothing when there is none or it is not exactly such a file.
std::optional<std::vector<PatternTable>> loadPatternFile();

// The tables the 4 x 4 search reads, from the pattern file or else built, once, on first use;
// safe from any thread. nullptr when `cancel` was set while this call was building them; a later
// call builds them anew.
const std::vector<PatternTable> *patternTables(const std::atomic<bool> *cancel);

} // namespace solver
