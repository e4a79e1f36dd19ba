// The board's rules: the click, the scramble walk, the solved and solvable tests.
#include "core/board/board.h"

#include "core/platform/random_source.h"

#include <algorithm>

Board Board::solved(int n)
{
    Board board;
    board.n = n;
    board.tiles.assign(static_cast<size_t>(n * n), 0);
    for (int i = 0; i + 1 < n * n; ++i)
        board.tiles[static_cast<size_t>(i)] = i + 1;
    board.BlankRow = board.BlankCol = static_cast<qint16>(n - 1);
    return board;
}

bool Board::contains(Cell cell) const
{
    return cell.row >= 0 && cell.col >= 0 && cell.row < n && cell.col < n;
}

Cell Board::blank() const
{
    const auto it = std::find(tiles.begin(), tiles.end(), 0);
    const int index = static_cast<int>(it - tiles.begin());
    return Cell{index / n, index % n};
}

bool Board::isSolved() const
{
    for (int i = 0; i + 1 < n * n; ++i)
        if (tiles[static_cast<size_t>(i)] != i + 1)
            return false;
    return true;
}

bool Board::click(Cell cell)
{
    const Cell gap = blank();
    // Any click location must equal the gap in exactly one coordinate.
    if (!contains(cell) || !contains(gap) || (cell.row == gap.row) == (cell.col == gap.col))
        return false;
    const int dr = (cell.row > gap.row) - (cell.row < gap.row);
    const int dc = (cell.col > gap.col) - (cell.col < gap.col);
    for (Cell at = gap; at != cell; at = Cell{at.row + dr, at.col + dc})
        tiles[static_cast<size_t>(at.row * n + at.col)] = this->at(at.row + dr, at.col + dc);
    tiles[static_cast<size_t>(cell.row * n + cell.col)] = 0;
    lastPieceInGap = false;
    return true;
}

void Board::SlideIntoBlank(Cell cell)
{
    static constexpr Cell Neighbours[] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    for (const Cell &step : Neighbours) {
        const Cell next{cell.row + step.row, cell.col + step.col};
        if (contains(next) && IsBlank(next)) {
            click(cell);
            return;
        }
    }
}

void scrambleWalk(Board &board, RandomSource &random, int steps)
{
    for (int step = 0; step < steps; ++step) {
        const int d = static_cast<int>(4 * random.next() + 1);
        // The record moves whenever it stays on the board, even if the real empty cell is
        // elsewhere: SlideIntoBlank then changes nothing until the record is next to it.
        if (d == 1 && board.BlankRow - 1 >= 0) {
            board.SlideIntoBlank({board.BlankRow - 1, board.BlankCol});
            --board.BlankRow;
        } else if (d == 2 && board.BlankRow + 1 <= board.LastRow()) {
            board.SlideIntoBlank({board.BlankRow + 1, board.BlankCol});
            ++board.BlankRow;
        } else if (d == 3 && board.BlankCol - 1 >= 0) {
            board.SlideIntoBlank({board.BlankRow, board.BlankCol - 1});
            --board.BlankCol;
        } else if (d == 4 && board.BlankCol + 1 <= board.LastCol()) {
            board.SlideIntoBlank({board.BlankRow, board.BlankCol + 1});
            ++board.BlankCol;
        }
    }
}

std::optional<Cell> cellForArrowKey(const Board &board, ArrowKey key)
{
    Cell tile = board.blank();
    switch (key) {
    case ArrowKey::Up: ++tile.row; break;
    case ArrowKey::Down: --tile.row; break;
    case ArrowKey::Left: ++tile.col; break;
    case ArrowKey::Right: --tile.col; break;
    }
    if (!board.contains(tile))
        return std::nullopt;
    return tile;
}

bool isSolvable(const Board &board)
{
    const int n = board.n;
    if (n < 3 || n > 7 || board.tiles.size() != static_cast<size_t>(n * n))
        return false;
    std::vector<int> sorted = board.tiles;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < n * n; ++i)
        if (sorted[static_cast<size_t>(i)] != i)
            return false;
    // A slide along a row keeps the reading order; one along a column passes n - 1 pieces. So on
    // odd sides the inversions stay even, and on even sides inversions plus the empty cell's row
    // keep parity.
    int inversions = 0;
    for (size_t i = 0; i < board.tiles.size(); ++i)
        for (size_t j = i + 1; j < board.tiles.size(); ++j)
            inversions += board.tiles[i] && board.tiles[j] && board.tiles[i] > board.tiles[j];
    if (n % 2 == 1)
        return inversions % 2 == 0;
    return (inversions + board.blank().row) % 2 == (n - 1) % 2;
}
