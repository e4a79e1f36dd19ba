// Piece rectangles and cutting.
#include "core/imagery/picture_clip.h"

#include <cmath>

namespace {
// Rounds to the nearest whole number, halves to the even neighbour.
int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}
} // namespace

QRect clipRect(int side, int n, int a, int b)
{
    const double piece = static_cast<double>(side) / n;
    const int edge = roundHalfEven(piece);
    return QRect(roundHalfEven(b * piece), roundHalfEven(a * piece), edge, edge);
}

std::vector<Picture> cutPicture(const QImage &source, int n)
{
    std::vector<Picture> pieces;
    if (source.isNull() || n <= 0)
        return pieces;
    // Offsets are reckoned in logical pixels; a high-density picture is cut at its own density.
    const qreal dpr = source.devicePixelRatio();
    const int side = static_cast<int>(std::lround(source.width() / dpr));
    pieces.reserve(static_cast<size_t>(n * n));
    for (int a = 0; a < n; ++a) {
        for (int b = 0; b < n; ++b) {
            const QRect logical = clipRect(side, n, a, b);
            const QRect device(static_cast<int>(std::lround(logical.x() * dpr)),
                               static_cast<int>(std::lround(logical.y() * dpr)),
                               static_cast<int>(std::lround(logical.width() * dpr)),
                               static_cast<int>(std::lround(logical.height() * dpr)));
            QImage piece = source.copy(device);
            piece.setDevicePixelRatio(dpr);
            pieces.push_back(Picture{piece, QString::number(a * n + b + 1)});
        }
    }
    return pieces;
}
