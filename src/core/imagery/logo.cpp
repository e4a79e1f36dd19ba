// Drawing the logo: a 3 x 3 tray of warm tiles, the last one sliding out.
#include "core/imagery/logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage clearSquare(int side, qreal devicePixelRatio)
{
    const int pixels = qRound(side * devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    return image;
}

QImage drawLogo(int side, qreal devicePixelRatio)
{
    QImage image = clearSquare(side, devicePixelRatio);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    QPainterPath tray;
    tray.addRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.1, s * 0.1);
    QLinearGradient wood(0, 0, s, s);
    wood.setColorAt(0, QColor(170, 118, 70));
    wood.setColorAt(1, QColor(112, 72, 40));
    p.fillPath(tray, wood);

    const qreal gap = s * 0.025, cell = (s * 0.84 - 2 * gap) / 3;
    const QColor colours[] = {QColor(86, 150, 214), QColor(120, 184, 232), QColor(70, 128, 196)};
    for (int i = 0; i < 8; ++i) {
        const int r = i / 3, c = i % 3;
        QRectF tile(s * 0.08 + c * (cell + gap), s * 0.08 + r * (cell + gap), cell, cell);
        if (i == 7)
            tile.translate(cell * 0.35, 0); // the last tile, on its way into the gap
        QLinearGradient face(tile.topLeft(), tile.bottomRight());
        face.setColorAt(0, colours[i % 3].lighter(130));
        face.setColorAt(1, colours[i % 3]);
        p.setPen(QPen(QColor(30, 50, 80), s * 0.012));
        p.setBrush(face);
        p.drawRoundedRect(tile, s * 0.03, s * 0.03);
    }
    return image;
}
