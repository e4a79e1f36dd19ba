// Cutting a square picture into N x N pieces, and the store that holds the chosen picture.
#pragma once

#include "core/platform/picture.h"

#include <QRect>
#include <vector>

// The square cut for row a, column b of an n x n board from a picture side pixels wide:
// x = round(b * side / n), y = round(a * side / n), side round(side / n), halves to even.
QRect clipRect(int side, int n, int a, int b);

// Pieces 1 .. n*n in reading order, each named by its number; empty when there is no picture.
std::vector<Picture> cutPicture(const QImage &source, int n);
