// The board area's cells: laid out in twips, reset for a set-up, drawn from the board, a hint lit.
#include "ui/board_area.h"

#include "core/board/board_geometry.h"
#include "core/imagery/picture_clip.h"
#include "ui/cell_view.h"
#include "ui/window_placement.h"

#include <QTimer>

namespace {
constexpr int HintMilliseconds = 500;
} // namespace

BoardArea::BoardArea(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BoardBorderPixels);
    setAutoFillBackground(true);
    m_cellArea = new QWidget(this);
    m_cellArea->setObjectName(QStringLiteral("CellArea"));
    for (int r = 0; r < ViewGridSide; ++r) {
        for (int c = 0; c < ViewGridSide; ++c) {
            auto *view = new CellView(m_cellArea);
            view->setObjectName(QStringLiteral("Row%1_%2").arg(r + 1).arg(c));
            view->setGeometry(twipsToPixels(CellLeftStep * c), twipsToPixels(CellTopStep * r),
                              twipsToPixels(CellWidth), twipsToPixels(CellHeight));
            connect(view, &CellView::clicked, this, [this, r, c] { emit cellClicked({r, c}); });
            m_cells[static_cast<size_t>(r)][static_cast<size_t>(c)] = view;
        }
    }
}

BoardArea::~BoardArea() = default;

CellView *BoardArea::cellView(int row, int col) const
{
    return m_cells[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void BoardArea::fitCells()
{
    m_cellArea->setGeometry(contentsRect());
}

void BoardArea::Initialize_Board(const GameSetup &setup)
{
    m_tilePictures.clear();
    if (setup.picturesGame())
        m_tilePictures = cutPicture(setup.goalPicture, setup.size);
    for (const auto &row : m_cells) {
        for (CellView *view : row) {
            view->setPictureAlignment(PictureAlignment::Centred);
            view->setSpecialEffect(SpecialEffect::Flat);
            view->setBorderStyle(BorderStyle::SingleLine);
            view->setPictureSizeMode(setup.picturesGame() ? PictureSizeMode::Stretch
                                                          : PictureSizeMode::Clip);
            view->setPicture(Picture{});
        }
    }
}

void BoardArea::showBoard(const Board &board, bool lastPieceShown)
{
    endHint();
    for (int r = 0; r < board.n; ++r) {
        for (int c = 0; c < board.n; ++c) {
            int piece = board.at(r, c);
            if (piece == 0 && lastPieceShown)
                piece = board.n * board.n;
            CellView *view = cellView(r, c);
            view->setPicture(piece ? piecePicture(piece) : picFrm().Image3());
            view->setSpecialEffect(piece ? SpecialEffect::Raised : SpecialEffect::Sunken);
        }
    }
}

// A picture game without pieces shows number pictures instead.
const Picture &BoardArea::piecePicture(int piece)
{
    const size_t index = static_cast<size_t>(piece - 1);
    if (index < m_tilePictures.size() && !m_tilePictures[index].isNull())
        return m_tilePictures[index];
    return picFrm().NumPic(piece - 1);
}

PicFrm &BoardArea::picFrm()
{
    if (!m_picFrm)
        m_picFrm = std::make_unique<PicFrm>(devicePixelRatioF());
    return *m_picFrm;
}

void BoardArea::flashHint(Cell cell)
{
    endHint();
    m_hinted = cellView(cell.row, cell.col);
    m_hinted->setHinted(true);
    //: What a screen reader says of the tile the hint (H key) raises: the one to click next
    m_hinted->setAccessibleDescription(tr("Hint: click this tile"));
    if (!m_hintTimer) {
        m_hintTimer = new QTimer(this);
        m_hintTimer->setSingleShot(true);
        connect(m_hintTimer, &QTimer::timeout, this, &BoardArea::endHint);
    }
    m_hintTimer->start(HintMilliseconds);
}

void BoardArea::endHint()
{
    if (!m_hinted)
        return;
    m_hinted->setHinted(false);
    m_hinted->setAccessibleDescription(QString());
    m_hinted = nullptr;
}
