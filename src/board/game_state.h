// The state of the one game in play.
#pragma once

#include "board/game_setup.h"
#include "platform/picture.h"
#include "platform/tile_view.h"

#include <QtGlobal>
#include <vector>

struct BoardCell {
    TileView *Tile = nullptr;  // the view showing this cell; views never move
    qint16 TileNumber = 0;     // piece shown here, 1 .. N*N; 0 in the empty cell once a tile has moved
    bool IsBlank = false;      // only the one empty cell
};

// Board(row, col), both 0 .. LastRow / LastCol.
class BoardGrid {
public:
    void resize(int rows, int cols)
    {
        m_rows = rows;
        m_cols = cols;
        m_cells.assign(static_cast<size_t>(rows * cols), BoardCell{});
    }
    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    BoardCell &operator()(int r, int c) { return m_cells.at(static_cast<size_t>(r * m_cols + c)); }
    const BoardCell &operator()(int r, int c) const { return m_cells.at(static_cast<size_t>(r * m_cols + c)); }

private:
    int m_rows = 0;
    int m_cols = 0;
    std::vector<BoardCell> m_cells;
};

struct GameState {
    qint16 LastRow = 0;
    qint16 LastCol = 0;
    BoardGrid Board;
    qint16 BlankRow = 0;   // the scrambler's record of the empty cell; player moves leave it stale
    qint16 BlankCol = 0;
    std::vector<Picture> TilePictures = std::vector<Picture>(1);  // piece k at k - 1; one empty slot in a numbers game
    Picture BackgroundPicture;
    GameSetup Setup;       // the game in play; set up whole, never piece by piece
    qint32 ClickCount = 0;

    int size() const { return LastCol + 1; }
};
