// Paints flower.jpg: big sunflowers in front of a sunflower field under a summer sky.
#include "paintkit.h"
#include "scenes.h"

#include <QtMath>
#include <cmath>

namespace {

void drawCloud(QPainter &p, Rng &rng, QPointF c, double w)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const double x = rng.range(-0.5, 0.5) * w, r = rng.range(0.12, 0.26) * w;
        const double y = -std::sqrt(std::max(0.0, 0.25 * w * w - x * x)) * rng.range(0.2, 0.7);
        QRadialGradient g(c + QPointF(x - r * 0.3, y - r * 0.4), r * 1.3);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(0.6, QColor(240, 244, 250));
        g.setColorAt(1, QColor(190, 205, 225));
        p.setBrush(g);
        p.drawEllipse(c + QPointF(x, y), r, r * 0.8);
    }
}

void drawSky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, 470);
    sky.setColorAt(0, QColor(40, 110, 200));
    sky.setColorAt(0.6, QColor(110, 175, 235));
    sky.setColorAt(1, QColor(200, 228, 245));
    p.fillRect(QRectF(0, 0, 1000, 480), sky);
    Rng rng(31);
    drawCloud(p, rng, QPointF(160, 150), 300);
    drawCloud(p, rng, QPointF(560, 90), 240);
    drawCloud(p, rng, QPointF(900, 230), 260);
    drawCloud(p, rng, QPointF(380, 330), 180);
    // Hills on the horizon.
    const QColor hills[] = {QColor(120, 160, 170), QColor(80, 130, 90), QColor(70, 120, 50)};
    for (int k = 0; k < 3; ++k) {
        QPainterPath h;
        h.moveTo(0, 1000);
        for (int x = 0; x <= 1000; x += 10)
            h.lineTo(x, 420 + k * 22 - 60 * fbm(x / 260.0f, float(k), 3, 40u + uint32_t(k)));
        h.lineTo(1000, 1000);
        p.setPen(Qt::NoPen);
        p.setBrush(hills[k]);
        p.drawPath(h);
        // Hedge trees along each ridge.
        for (int x = 0; x < 1000; x += int(rng.range(14, 40))) {
            const double y = 420 + k * 22 - 60 * fbm(x / 260.0f, float(k), 3, 40u + uint32_t(k));
            p.setBrush(shade(hills[k], 0.7));
            p.drawEllipse(QPointF(x, y), 9 + k * 3, 7 + k * 3);
        }
    }
}

void drawHead(QPainter &p, QPointF c, double r, double squash, double angle, uint32_t seed)
{
    Rng rng(seed);
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.scale(squash, 1.0);
    const double disc = r * 0.4;
    for (int layer = 0; layer < 2; ++layer) {
        const int n = layer == 0 ? 21 : 34;
        for (int i = 0; i < n; ++i) {
            const double a = (i + layer * 0.5) * 2 * M_PI / n + rng.range(-0.05, 0.05);
            const double len = r * (layer == 0 ? 1.0 : 0.86) * rng.range(0.88, 1.05);
            const double wid = r * (layer == 0 ? 0.16 : 0.12);
            p.save();
            p.rotate(qRadiansToDegrees(a));
            QPainterPath petal;
            petal.moveTo(disc * 0.8, 0);
            petal.cubicTo(disc + (len - disc) * 0.3, -wid, len * 0.85, -wid * 0.7, len, rng.range(-4, 4));
            petal.cubicTo(len * 0.85, wid * 0.7, disc + (len - disc) * 0.3, wid, disc * 0.8, 0);
            QLinearGradient g(disc, 0, len, 0);
            g.setColorAt(0, layer == 0 ? QColor(220, 120, 10) : QColor(200, 100, 5));
            g.setColorAt(0.5, layer == 0 ? QColor(250, 190, 20) : QColor(245, 175, 15));
            g.setColorAt(1, QColor(255, 220, 60));
            p.setBrush(g);
            p.setPen(QPen(QColor(170, 90, 0, 180), 1.2));
            p.drawPath(petal);
            p.setPen(QPen(QColor(255, 240, 150, 120), 1.5));
            p.drawLine(QPointF(disc * 1.1, 0), QPointF(len * 0.9, 0));
            p.restore();
        }
    }
    QRadialGradient dg(QPointF(0, 0), disc);
    dg.setColorAt(0, QColor(60, 35, 10));
    dg.setColorAt(0.7, QColor(90, 50, 15));
    dg.setColorAt(1, QColor(140, 80, 20));
    p.setPen(QPen(QColor(50, 25, 5), 2));
    p.setBrush(dg);
    p.drawEllipse(QPointF(0, 0), disc, disc);
    // Seeds packed on the golden angle, as in real sunflower heads.
    const int seeds = int(disc * disc / 12);
    for (int i = 1; i < seeds; ++i) {
        const double rr = disc * 0.96 * std::sqrt(double(i) / seeds);
        const double a = i * 2.39996;
        const double s = 1.2 + rr / disc * 2.8;
        const QPointF pt(std::cos(a) * rr, std::sin(a) * rr);
        p.setPen(Qt::NoPen);
        p.setBrush(rr < disc * 0.3 ? QColor(120, 110, 30) : (rng.uni() < 0.7 ? QColor(45, 25, 8) : QColor(150, 90, 28)));
        p.drawEllipse(pt, s, s);
    }
    p.restore();
}

void drawBigLeaf(QPainter &p, QPointF at, double angle, double len)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    const QPainterPath leaf = ovalLeafPath(len, len * 0.8, 13);
    QLinearGradient g(-len * 0.4, 0, len * 0.4, -len);
    g.setColorAt(0, QColor(40, 100, 25));
    g.setColorAt(1, QColor(110, 170, 50));
    p.setBrush(g);
    p.setPen(QPen(QColor(30, 70, 20), 2));
    p.drawPath(leaf);
    drawLeafVeins(p, len, QColor(170, 210, 110, 190), 3.5);
    p.restore();
}

void drawFlower(QPainter &p, QPointF head, double r, double squash, double tilt, QPointF root, uint32_t seed)
{
    QPainterPath stem;
    stem.moveTo(root);
    stem.cubicTo(root + QPointF(0, -200), head + QPointF(30, 200), head);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(50, 100, 30), r * 0.13, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    p.setPen(QPen(QColor(120, 170, 70), r * 0.04, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem.translated(-r * 0.03, 0));
    drawBigLeaf(p, stem.pointAtPercent(0.45), -60, r * 1.05);
    drawBigLeaf(p, stem.pointAtPercent(0.7), 65, r * 0.95);
    drawHead(p, head, r, squash, tilt, seed);
}

void drawBee(QPainter &p, QPointF c, double s, double angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.setPen(QPen(QColor(60, 80, 110, 160), 1.5));
    p.setBrush(QColor(230, 240, 255, 150));
    p.drawEllipse(QPointF(-s * 0.2, -s * 0.7), s * 0.45, s * 0.7);
    p.drawEllipse(QPointF(s * 0.3, -s * 0.65), s * 0.35, s * 0.6);
    QLinearGradient g(-s, 0, s, 0);
    for (int i = 0; i <= 6; ++i)
        g.setColorAt(i / 6.0, i % 2 ? QColor(30, 20, 10) : QColor(250, 190, 30));
    p.setPen(QPen(QColor(30, 20, 10), 1.5));
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), s, s * 0.6);
    p.setBrush(QColor(30, 20, 10));
    p.drawEllipse(QPointF(s * 1.05, 0), s * 0.35, s * 0.35);
    p.restore();
}

} // namespace

void paintFlower(QImage &img)
{
    QPainter p;
    beginDesign(p, img);
    drawSky(p);

    // Field of sunflowers shrinking into the distance.
    QLinearGradient field(0, 440, 0, 1000);
    field.setColorAt(0, QColor(90, 140, 40));
    field.setColorAt(1, QColor(40, 90, 25));
    p.fillRect(QRectF(0, 445, 1000, 560), field);
    Rng rng(8);
    for (double y = 452; y < 1060; y += 6 + (y - 440) * 0.07) {
        const double s = 3 + (y - 440) * 0.09;
        for (double x = rng.range(-s, s); x < 1000 + s; x += s * rng.range(1.6, 2.4)) {
            const QPointF c(x, y + rng.range(-s, s) * 0.4);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(int(rng.range(40, 80)), int(rng.range(100, 140)), 30));
            p.drawEllipse(c + QPointF(0, s * 1.3), s * 1.2, s * 0.9);
            if (s > 12)
                drawHead(p, c, s, rng.range(0.75, 1.0), rng.range(-15, 15), uint32_t(x * 7 + y));
            else {
                p.setBrush(QColor(245, int(rng.range(170, 210)), 20));
                p.drawEllipse(c, s, s * 0.8);
                p.setBrush(QColor(90, 50, 15));
                p.drawEllipse(c, s * 0.4, s * 0.32);
            }
        }
    }
    drawFlower(p, QPointF(215, 640), 165, 0.82, 12, QPointF(260, 1100), 3);
    drawFlower(p, QPointF(640, 400), 250, 0.97, -8, QPointF(600, 1100), 4);
    drawBee(p, QPointF(880, 140), 22, -20);
    drawBee(p, QPointF(385, 420), 16, 30);
    p.end();
    textureShade(img, 25, 0.08f, 2);
    grain(img, 4, 6);
}
