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

// The pattern: a few pieces and the empty cell, the other pieces standing in for one another. A
// placement's clicks are the fewest that bring those pieces home with the empty cell at the bottom
// right, found by breadth-first search from the solved placement, a click sliding the empty cell
// 1 .. 3 cells and shifting the pattern pieces on its way. Any solution of the whole board moves
// the pattern home by as many clicks of this abstract board, so they never exceed its clicks.
//
// A row class is a placement together with those its empty cell reaches by sliding along its row;
// the row's pieces keep their order, so the class is told by its placement with the empty cell at
// the right end. The table keeps, for each row class, the fewest clicks of any placement in it
// (four times fewer entries than placements). That is at most one click less than the placement's
// own, since one click along the row reaches any other; and when the next click must go along the
// row (the last one went along a column), the clicks left are at least one more than the entry.
//
// A click along the row stays in the class; one along a column changes the entry by at most two
// (a click along the row and the click lead from the best placement of one class to the other).
// So the table keeps each entry modulo 5, three to a byte: the search follows the exact value from
// click to click and works out the first one by walking down.
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
    // The entry of the row class of a placement: cells[0] is the empty cell, cells[i] the cell of
    // pieces()[i - 1].
    int distance(const int *cells) const;
    // The entry at `at` (from index()) of a placement one click away from one whose entry is
    // `before`.
    int distanceAfter(size_t at, int before) const
    {
        const int step = (residue(at) - before % 5 + 5) % 5;
        return step <= 2 ? before + step : before + step - 5;
    }
    // Asks the memory for the entry at `at` ahead of distanceAfter().
    void prefetch(size_t at) const { __builtin_prefetch(&m_residues[at / 3]); }
    // Where the entry of a placement's row class is; cells as for distance().
    size_t index(const int *cells) const
    {
        // The class's own placement: the empty cell slid to the right end of its row.
        const int gap = cells[0], end = gap | (Side - 1);
        int placed[Cells];
        placed[0] = end;
        size_t result = static_cast<size_t>(gap / Side) * m_scale[0];
        for (size_t i = 1; i < m_scale.size(); ++i) {
            const int cell = cells[i] > gap && cells[i] <= end ? cells[i] - 1 : cells[i];
            int lower = cell; // the cells below it that are still free
            for (size_t j = 0; j < i; ++j)
                lower -= placed[j] < cell;
            placed[i] = cell;
            result += static_cast<size_t>(lower) * m_scale[i];
        }
        return result;
    }

private:
    int residue(size_t at) const { return Digits[m_residues[at / 3]][at % 3]; }
    void setResidue(size_t at, int value);
    void build(const std::atomic<bool> *cancel);
    void setScale();
    // The three base-5 digits of each byte, lowest first.
    static const std::array<std::array<uint8_t, 3>, 256> Digits;

    std::vector<int> m_pieces;
    std::vector<uint32_t> m_scale; // place value of each slot in the index: the row, then pieces
    std::vector<uint8_t> m_residues;
};

inline constexpr size_t PatternTableCount = 4;

// The pieces of each table the search reads.
const std::array<std::vector<int>, PatternTableCount> &tablePatterns();
// Every table, built side by side; nothing when `cancel` was set meanwhile.
std::optional<std::vector<PatternTable>> buildPatternTables(const std::atomic<bool> *cancel);

// The tables' file, made when the program is built and shipped beside it, so that no game waits
// for a build: a heading, each table's residues in pattern order, and a 64-bit FNV-1a checksum (a
// word at a time) of all that comes before it.
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
