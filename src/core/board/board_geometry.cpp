// The per-size constants: they follow no formula, so they are listed as they are.
#include "core/board/board_geometry.h"

#include <array>
#include <stdexcept>

namespace {
constexpr std::array<BoardSizeInfo, 5> Sizes{{
    {3, 30, 30, 690},
    {4, 20, 10, 690},
    {5, 0, 0, 680},
    {6, -10, -10, 680},
    {7, -25, -25, 680},
}};
} // namespace

const BoardSizeInfo &boardSizeInfo(int n)
{
    if (n < 3 || n > 7)
        throw std::out_of_range("board size must be 3 to 7");
    return Sizes[static_cast<size_t>(n - 3)];
}

WindowTwips windowTwips(int n, bool statusBarShown, int statusBarHeightTwips, int cellWidth,
                        int cellHeight)
{
    const BoardSizeInfo &info = boardSizeInfo(n);
    WindowTwips w{};
    w.boardWidth = cellWidth * n + info.widthAdjust;
    w.boardHeight = cellHeight * n + info.heightAdjust;
    w.outerWidth = w.boardWidth + FrameWidthAllowance;
    w.outerHeight =
        w.boardHeight + info.extraWindowHeight + (statusBarShown ? statusBarHeightTwips : 0);
    return w;
}
