// Board-area and window sizes for each board size, in twips (15 twips = one logical pixel).
#pragma once

#include <QString>

inline constexpr int CellLeftStep = 840; // views overlap by 15 twips so their borders share a line
inline constexpr int CellTopStep = 720;
inline constexpr int CellWidth = 855;
inline constexpr int CellHeight = 735;
inline constexpr int FrameWidthAllowance = 120;
// The board area's sunken border; the per-size adjustments leave room for it.
inline constexpr int BoardBorderPixels = 2;

struct BoardSizeInfo
{
    int n;
    int widthAdjust;
    int heightAdjust;
    int extraWindowHeight; // caption, menu bar and frame allowance of the outer window
};

// 3 <= n <= 7.
const BoardSizeInfo &boardSizeInfo(int n);

struct WindowTwips
{
    int boardWidth;
    int boardHeight;
    int outerWidth;
    int outerHeight;
};

// The board area and outer window for an n x n board; the status bar's height counts only while
// shown.
WindowTwips windowTwips(int n, bool statusBarShown, int statusBarHeightTwips,
                        int cellWidth = CellWidth, int cellHeight = CellHeight);
