// The board's rules, free of widgets.
#include "board/board_rules.h"

#include "imagery/number_pictures.h"
#include "imagery/picture_clip.h"
#include "platform/random_source.h"

void setUpBoard(GameState &state, const GameSetup &setup, const ViewGrid &views, const PicFrm &numbers)
{
    const int n = setup.size;
    state.Setup = setup;
    state.Board.resize(1, 1);
    state.BlankRow = 0;
    state.BlankCol = 0;
    state.LastCol = static_cast<qint16>(n - 1);
    state.LastRow = static_cast<qint16>(n - 1);
    state.TilePictures.assign(1, Picture{});
    if (setup.picturesGame()) {
        state.TilePictures = cutPicture(setup.goalPicture, n);
        state.TilePictures.resize(static_cast<size_t>(n * n));
    }
    SetupNewGame(state, views, numbers);
}

void Initialize_Board(const ViewGrid &views, bool picturesGame)
{
    for (int i = 0; i < ViewGridSide; ++i)
        for (int k = 0; k < ViewGridSide; ++k)
            resetView(*views[static_cast<size_t>(k)][static_cast<size_t>(i)], picturesGame);
}

void SetupNewGame(GameState &state, const ViewGrid &views, const PicFrm &numbers)
{
    Initialize_Board(views, state.Setup.picturesGame());
    state.Board.resize(state.LastRow + 1, state.LastCol + 1);
    AssignTileControls(state, views);
    state.BackgroundPicture = numbers.Image3();
    LoadTilePictures(state, numbers);
    SetBlankCell(state);
}

void resetView(TileView &view, bool picturesGame)
{
    view.setPictureAlignment(PictureAlignment::Centred);
    view.setSpecialEffect(SpecialEffect::Flat);
    view.setBorderStyle(BorderStyle::SingleLine);
    view.setPictureSizeMode(picturesGame ? PictureSizeMode::Stretch : PictureSizeMode::Clip);
    view.setPicture(Picture{});
}

void AssignTileControls(GameState &state, const ViewGrid &views)
{
    for (int r = 0; r <= state.LastRow; ++r)
        for (int c = 0; c <= state.LastCol; ++c)
            state.Board(r, c).Tile = views[static_cast<size_t>(r)][static_cast<size_t>(c)];
}

const Picture &piecePicture(const GameState &state, int n, const PicFrm &numbers)
{
    const size_t index = static_cast<size_t>(n - 1);
    if (state.Setup.picturesGame() && index < state.TilePictures.size() && !state.TilePictures[index].isNull())
        return state.TilePictures[index];
    return numbers.NumPic(n - 1);
}

void LoadTilePictures(GameState &state, const PicFrm &numbers)
{
    int n = 0;
    for (int r = 0; r <= state.LastRow; ++r) {
        for (int c = 0; c <= state.LastCol; ++c) {
            ++n;
            BoardCell &cell = state.Board(r, c);
            cell.Tile->setPicture(piecePicture(state, n, numbers));
            cell.TileNumber = static_cast<qint16>(n);
            cell.Tile->setSpecialEffect(SpecialEffect::Raised);
            cell.IsBlank = false;
        }
    }
}

void SetBlankCell(GameState &state)
{
    state.Board(state.LastRow, state.LastCol).IsBlank = true;
    state.BlankRow = state.LastRow;
    state.BlankCol = state.LastCol;
}

namespace {

// Copies the tile of `from` into `to`, picture and all.
void receiveTile(BoardCell &to, const BoardCell &from)
{
    to.TileNumber = from.TileNumber;
    to.Tile->setPicture(from.Tile->picture());
    to.Tile->setSpecialEffect(SpecialEffect::Raised);
    to.IsBlank = false;
}

void becomeEmpty(BoardCell &cell, const Picture &background)
{
    cell.TileNumber = 0;
    cell.IsBlank = true;
    cell.Tile->setPicture(background);
    cell.Tile->setSpecialEffect(SpecialEffect::Sunken);
}

struct Direction {
    int dr;
    int dc;
};

// Looks along one direction for the empty cell; slides the line when found.
bool slideLine(GameState &state, int row, int col, Direction dir)
{
    const int limit = dir.dr != 0 ? state.LastRow : state.LastCol;
    for (int i = 1; i <= limit; ++i) {
        const int r = row + dir.dr * i, c = col + dir.dc * i;
        if (r < 0 || c < 0 || r > state.LastRow || c > state.LastCol)
            return false;
        if (!state.Board(r, c).IsBlank)
            continue;
        // Start at the empty cell and work back, so nothing is overwritten before it is copied.
        for (int j = i; j >= 1; --j) {
            BoardCell &to = state.Board(row + dir.dr * j, col + dir.dc * j);
            const BoardCell &from = state.Board(row + dir.dr * (j - 1), col + dir.dc * (j - 1));
            receiveTile(to, from);
        }
        becomeEmpty(state.Board(row, col), state.BackgroundPicture);
        return true;
    }
    return false;
}

} // namespace

bool MoveTile(GameState &state, int row, int col)
{
    static constexpr Direction Scans[] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};  // right, left, down, up
    for (const Direction &dir : Scans) {
        if (slideLine(state, row, col, dir))
            return true;
    }
    return false;
}

void SlideIntoBlank(GameState &state, int row, int col)
{
    static constexpr Direction Neighbours[] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};  // right, left, below, above
    for (const Direction &dir : Neighbours) {
        const int r = row + dir.dr, c = col + dir.dc;
        if (r < 0 || c < 0 || r > state.LastRow || c > state.LastCol)
            continue;
        BoardCell &empty = state.Board(r, c);
        if (!empty.IsBlank)
            continue;
        BoardCell &source = state.Board(row, col);
        empty.TileNumber = source.TileNumber;
        empty.IsBlank = false;
        source.TileNumber = 0;
        source.IsBlank = true;
        return;
    }
}

void scrambleWalk(GameState &state, RandomSource &random, int steps)
{
    for (int step = 0; step < steps; ++step) {
        const int d = static_cast<int>(4 * random.next() + 1);
        // The record moves whenever it stays on the board, even if the real empty cell is elsewhere:
        // SlideIntoBlank then changes nothing until the record meets it.
        if (d == 1 && state.BlankRow - 1 >= 0) {
            SlideIntoBlank(state, state.BlankRow - 1, state.BlankCol);
            --state.BlankRow;
        } else if (d == 2 && state.BlankRow + 1 <= state.LastRow) {
            SlideIntoBlank(state, state.BlankRow + 1, state.BlankCol);
            ++state.BlankRow;
        } else if (d == 3 && state.BlankCol - 1 >= 0) {
            SlideIntoBlank(state, state.BlankRow, state.BlankCol - 1);
            --state.BlankCol;
        } else if (d == 4 && state.BlankCol + 1 <= state.LastCol) {
            SlideIntoBlank(state, state.BlankRow, state.BlankCol + 1);
            ++state.BlankCol;
        }
    }
}

void SetUpScrambledBoard(GameState &state, const PicFrm &numbers)
{
    for (int r = 0; r <= state.LastRow; ++r) {
        for (int c = 0; c <= state.LastCol; ++c) {
            BoardCell &cell = state.Board(r, c);
            if (cell.TileNumber != 0) {
                cell.Tile->setPicture(piecePicture(state, cell.TileNumber, numbers));
                cell.Tile->setSpecialEffect(SpecialEffect::Raised);
            } else {
                cell.Tile->setPicture(state.BackgroundPicture);
                cell.Tile->setSpecialEffect(SpecialEffect::Sunken);
            }
        }
    }
}

bool Winner(const GameState &state)
{
    const int cellCount = (state.LastCol + 1) * (state.LastRow + 1);
    qint16 n = 0;
    for (int r = 0; r <= state.LastRow; ++r) {
        for (int c = 0; c <= state.LastCol; ++c) {
            ++n;
            // The bottom-right cell is never compared: it may still hold N*N before the first move.
            if (state.Board(r, c).TileNumber != n && n != cellCount)
                return false;
        }
    }
    return true;
}

void showLastPiece(GameState &state, const PicFrm &numbers)
{
    const int last = (state.LastCol + 1) * (state.LastRow + 1);
    BoardCell &cell = state.Board(state.LastRow, state.LastCol);
    cell.Tile->setPicture(piecePicture(state, last, numbers));
    cell.Tile->setSpecialEffect(SpecialEffect::Raised);
}

std::optional<std::pair<int, int>> cellForArrowKey(const GameState &state, ArrowKey key)
{
    for (int r = 0; r <= state.LastRow; ++r) {
        for (int c = 0; c <= state.LastCol; ++c) {
            if (!state.Board(r, c).IsBlank)
                continue;
            // The key names the way the tile moves: Up brings up the tile below the empty cell.
            int tr = r, tc = c;
            switch (key) {
            case ArrowKey::Up: ++tr; break;
            case ArrowKey::Down: --tr; break;
            case ArrowKey::Left: ++tc; break;
            case ArrowKey::Right: --tc; break;
            }
            if (tr < 0 || tc < 0 || tr > state.LastRow || tc > state.LastCol)
                return std::nullopt;
            return std::make_pair(tr, tc);
        }
    }
    return std::nullopt;
}
