// Lower bounds on the vertical (or, transposed, horizontal) clicks a board still needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace solver {

// The abstract board: for each row, how many of its pieces belong in each row, and the empty cell's
// row. A vertical click of length k moves k pieces one row each toward the empty cell's old row and
// the empty cell k rows; a horizontal click changes nothing here. The table holds, for every
// abstract board, the fewest such vertical clicks to the solved one, found by breadth-first search
// in clicks. Any real solution's vertical clicks trace a path here, so the entry never exceeds
// them. Read with columns for rows (a piece's goal column as its class) it bounds the horizontal
// clicks the same way, and the two bounds add up because every click is either vertical or
// horizontal.
class WalkTable
{
public:
    explicit WalkTable(int n);

    int size() const { return static_cast<int>(m_distance.size()); }
    // The state of a board given, for each cell in reading order, the class of its piece (-1:
    // empty).
    int stateOf(const std::vector<int> &classOfCell) const;
    // One piece of class `pieceClass` moves into the empty cell's row from the row below (down =
    // true: the empty cell goes down one row) or above. -1 when the abstract board has no such
    // piece.
    int step(int state, bool down, int pieceClass) const
    {
        const size_t at = (static_cast<size_t>(state) * 2 + down) * static_cast<size_t>(m_n);
        return m_step[at + static_cast<size_t>(pieceClass)];
    }
    int distance(int state) const { return m_distance[static_cast<size_t>(state)]; }

private:
    uint64_t codeOf(const std::vector<int> &counts, int blankRow) const;
    void enumerate();
    void measureInClicks();

    int m_n;
    std::vector<uint64_t> m_codes; // sorted: the state number is the position of its code
    std::vector<int> m_step;
    std::vector<uint8_t> m_distance;
};

// Built once per size (3 or 4) on first use; safe from any thread.
const WalkTable &walkTable(int n);

} // namespace solver
