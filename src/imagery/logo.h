// The program's logo: a small board of tiles with one gap, drawn at any size.
#pragma once

#include <QImage>

QImage drawLogo(int side, qreal devicePixelRatio = 1.0);
