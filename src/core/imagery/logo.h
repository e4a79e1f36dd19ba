// The program's logo: a small board of tiles with one gap, drawn at any size.
#pragma once

#include <QImage>

QImage drawLogo(int side, qreal devicePixelRatio = 1.0);
// A clear square of `side` logical pixels to draw on, at the device's pixel density.
QImage clearSquare(int side, qreal devicePixelRatio);
