// Picture1, the board area: 8 x 8 cell views inside a sunken border, drawn from the session's
// board.
#pragma once

#include "core/board/board.h"
#include "core/board/game_setup.h"
#include "core/imagery/number_pictures.h"

#include <QFrame>
#include <array>
#include <memory>
#include <vector>

class CellView;
class QTimer;

// Views Row1 .. Row8 with eight cells each: every board size uses the top-left n x n of them.
inline constexpr int ViewGridSide = 8;

class BoardArea : public QFrame
{
    Q_OBJECT
public:
    explicit BoardArea(QWidget *parent = nullptr);
    ~BoardArea() override;

    // 0 <= row, col < ViewGridSide.
    CellView *cellView(int row, int col) const;
    // The views lie inside the border; those beyond the board are cut off.
    void fitCells();
    // Every view, on the board or not: centred, flat, single line, no picture; stretched and cut
    // from the goal picture in a picture game.
    void Initialize_Board(const GameSetup &setup);
    // Each cell shows its piece, raised, and the empty cell the wood grain, sunken; set up or just
    // won, the empty cell shows the last piece.
    void showBoard(const Board &board, bool lastPieceShown);
    // The tile to click next stands out for a moment, until then or until the board changes.
    void flashHint(Cell cell);
    void endHint();
    // At shut-down: the number pictures are made again only if something still draws.
    void dropPictures() { m_picFrm.reset(); }

signals:
    void cellClicked(Cell cell);

private:
    const Picture &piecePicture(int piece);
    PicFrm &picFrm();

    QWidget *m_cellArea = nullptr;
    std::array<std::array<CellView *, ViewGridSide>, ViewGridSide> m_cells{};
    std::unique_ptr<PicFrm> m_picFrm;    // made on first use
    std::vector<Picture> m_tilePictures; // piece k at k - 1 in a picture game
    CellView *m_hinted = nullptr;
    QTimer *m_hintTimer = nullptr;
};
