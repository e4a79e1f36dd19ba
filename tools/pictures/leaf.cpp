// Paints Leaf.gif: a large maple leaf lying on a forest floor of fallen leaves.
#include "paintkit.h"
#include "scenes.h"

#include <QtMath>
#include <cmath>

namespace {

const double kLobeAngles[] = {0, -1.0, 1.0, -2.0, 2.0};
const double kLobeLengths[] = {1.0, 0.93, 0.93, 0.58, 0.58};

// Soft shadow without a blur filter: stacked translucent copies.
void softShadow(QPainter &p, const QPainterPath &path, QPointF offset, int layers, double spread)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = layers; i >= 1; --i) {
        p.setBrush(QColor(20, 10, 0, 28));
        p.save();
        p.translate(offset * (double(i) / layers));
        p.setPen(QPen(QColor(20, 10, 0, 18), spread * i / layers, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.restore();
    }
    p.restore();
}

void drawTwig(QPainter &p, Rng &rng, QPointF a, double angle, double len, double width, int depth)
{
    const QPointF b = a + QPointF(std::cos(angle), std::sin(angle)) * len;
    QPainterPath path;
    path.moveTo(a);
    path.quadTo((a + b) / 2 + QPointF(rng.range(-8, 8), rng.range(-8, 8)), b);
    p.setPen(QPen(QColor(70, 45, 28), width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(QColor(130, 95, 60, 150), width * 0.35, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path.translated(-width * 0.2, -width * 0.2));
    if (depth > 0)
        for (int i = 0; i < 2; ++i)
            drawTwig(p, rng, a + (b - a) * rng.range(0.4, 0.9), angle + rng.range(-0.8, 0.8), len * 0.5,
                     width * 0.6, depth - 1);
}

void drawFloor(QPainter &p, QImage &img)
{
    // Dark damp soil, mottled.
    p.fillRect(QRectF(0, 0, 1000, 1000), QColor(62, 44, 30));
    p.end();
    textureShade(img, 9, 0.45f, 11);
    beginDesign(p, img);

    Rng rng(2024);
    const QColor palette[] = {QColor(150, 92, 40), QColor(186, 128, 48), QColor(122, 62, 34),
                              QColor(205, 160, 60), QColor(160, 58, 34), QColor(110, 88, 44),
                              QColor(196, 102, 38), QColor(92, 70, 40)};
    for (int i = 0; i < 190; ++i) {
        const QPointF at(rng.range(-60, 1060), rng.range(-60, 1060));
        const double size = rng.range(70, 170);
        const int kind = rng.below(3);
        const QColor base = palette[rng.below(8)];
        p.save();
        p.translate(at);
        p.rotate(rng.range(0, 360));
        QPainterPath leaf = kind == 0 ? mapleLeafPath(size * 0.55, 0.05, uint32_t(i))
                                      : ovalLeafPath(size, size * (kind == 1 ? 0.45 : 0.6), kind == 1 ? 9 : 0);
        softShadow(p, leaf, QPointF(6, 8), 3, 8);
        QLinearGradient g(0, 0, 0, -size);
        g.setColorAt(0, shade(base, 0.75));
        g.setColorAt(0.5, base);
        g.setColorAt(1, shade(base, 1.15));
        p.setBrush(g);
        p.setPen(QPen(shade(base, 0.55), 1.5));
        p.drawPath(leaf);
        if (kind == 0) {
            p.setPen(QPen(shade(base, 0.65), 2));
            for (int k = 0; k < 5; ++k) {
                const double a = kLobeAngles[k], l = kLobeLengths[k] * size * 0.55;
                p.drawLine(QPointF(0, 0), QPointF(l * std::sin(a), -l * std::cos(a)));
            }
        } else {
            drawLeafVeins(p, size, shade(base, 0.65), 2.2);
        }
        p.setPen(QPen(shade(base, 0.5), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 0), QPointF(0, size * 0.18));
        p.restore();
        if (i == 60 || i == 130)
            drawTwig(p, rng, QPointF(rng.range(0, 1000), rng.range(0, 1000)), rng.range(0, 6.28), 260, 11, 2);
    }
    p.end();
    textureShade(img, 40, 0.18f, 12);
    beginDesign(p, img);
}

void drawMapleVeins(QPainter &p, double radius)
{
    const QColor vein(255, 214, 120, 200), dark(120, 30, 10, 110);
    for (int k = 0; k < 5; ++k) {
        const double a = kLobeAngles[k], len = kLobeLengths[k] * radius * 0.93;
        const QPointF dir(std::sin(a), -std::cos(a)), side(std::cos(a), std::sin(a));
        // Main vein, tapering towards the lobe tip.
        for (int s = 0; s < 8; ++s) {
            const double t0 = s / 8.0, t1 = (s + 1) / 8.0;
            p.setPen(QPen(dark, 10 * (1 - t0) + 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(dir * len * t0 + QPointF(2, 2), dir * len * t1 + QPointF(2, 2));
            p.setPen(QPen(vein, 7 * (1 - t0) + 1.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(dir * len * t0, dir * len * t1);
        }
        // Side veins curving out towards the teeth.
        for (int j = 1; j < 6; ++j) {
            const double t = j / 6.5;
            const double reach = radius * 0.22 * kLobeLengths[k] * (1.1 - t);
            for (int s = -1; s <= 1; s += 2) {
                const QPointF a0 = dir * len * t;
                const QPointF a1 = a0 + dir * reach * 0.9 + side * s * reach;
                QPainterPath v;
                v.moveTo(a0);
                v.quadTo(a0 + side * s * reach * 0.6 + dir * reach * 0.2, a1);
                p.setPen(QPen(dark, 3.2, Qt::SolidLine, Qt::RoundCap));
                p.drawPath(v.translated(1.5, 1.5));
                p.setPen(QPen(vein, 2.4, Qt::SolidLine, Qt::RoundCap));
                p.drawPath(v);
                // Fine net between side veins.
                p.setPen(QPen(QColor(255, 200, 110, 90), 1.2));
                const QPointF m = (a0 + a1) / 2;
                p.drawLine(m, m + dir * reach * 0.5 + side * s * reach * 0.2);
            }
        }
    }
}

} // namespace

void paintLeaf(QImage &img)
{
    QPainter p;
    beginDesign(p, img);
    drawFloor(p, img);

    const double radius = 430;
    QTransform leafT;
    leafT.scale(img.width() / 1000.0, img.height() / 1000.0);
    leafT.translate(505, 640);
    leafT.rotate(-10);
    const QPainterPath leaf = mapleLeafPath(radius, 0.07, 7);

    // Stem first so the blade covers its root.
    p.setTransform(leafT);
    QPainterPath stem;
    stem.moveTo(0, -20);
    stem.cubicTo(8, 120, -10, 220, 40, 330);
    softShadow(p, stem, QPointF(14, 18), 4, 14);
    p.setPen(QPen(QColor(120, 50, 20), 13, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    p.setPen(QPen(QColor(220, 150, 70), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem.translated(-3, 0));
    softShadow(p, leaf, QPointF(16, 22), 6, 22);
    p.end();

    // Blade colour per pixel: warm yellow heart, orange body, crimson lobes, a few blotches.
    QImage mask(img.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter mp(&mask);
        mp.setRenderHint(QPainter::Antialiasing);
        mp.setTransform(leafT);
        mp.fillPath(leaf, Qt::white);
    }
    const QTransform inv = leafT.inverted();
    for (int y = 0; y < img.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        const auto *mrow = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int a = qAlpha(mrow[x]);
            if (!a)
                continue;
            const QPointF l = inv.map(QPointF(x + 0.5, y + 0.5)) / radius;
            const double d = std::hypot(l.x(), l.y());
            const double n = fbm(float(l.x() * 3), float(l.y() * 3), 5, 31);
            const double t = std::clamp(d * 1.15 + (n - 0.5) * 0.9, 0.0, 1.0);
            QColor c = t < 0.35 ? mixColor(QColor(250, 200, 50), QColor(245, 130, 25), t / 0.35)
                                : mixColor(QColor(245, 130, 25), QColor(196, 28, 22), (t - 0.35) / 0.65);
            const double blot = fbm(float(l.x() * 9 + 4), float(l.y() * 9), 3, 77);
            if (blot > 0.66)
                c = mixColor(c, QColor(110, 40, 18), (blot - 0.66) * 4);
            c = shade(c, 0.9 + 0.2 * fbm(float(l.x() * 30), float(l.y() * 30), 2, 5));
            const QRgb under = row[x];
            const double k = a / 255.0;
            row[x] = qRgb(int(c.red() * k + qRed(under) * (1 - k)), int(c.green() * k + qGreen(under) * (1 - k)),
                          int(c.blue() * k + qBlue(under) * (1 - k)));
        }
    }

    beginDesign(p, img);
    p.setTransform(leafT);
    p.setClipPath(leaf);
    drawMapleVeins(p, radius);
    // Sheen from the upper left gives the blade some body.
    QRadialGradient sheen(-150, -250, 420);
    sheen.setColorAt(0, QColor(255, 255, 220, 70));
    sheen.setColorAt(1, QColor(255, 255, 220, 0));
    p.fillRect(QRectF(-500, -500, 1000, 1000), sheen);
    p.setClipping(false);
    p.setPen(QPen(QColor(110, 20, 10), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(leaf);
    // A few dew drops.
    Rng rng(5);
    for (int i = 0; i < 7; ++i) {
        const double a = kLobeAngles[i % 5] + rng.range(-0.15, 0.15), r = rng.range(0.25, 0.6) * radius;
        const QPointF c(r * std::sin(a), -r * std::cos(a));
        const double s = rng.range(4, 8);
        QRadialGradient g(c + QPointF(-s * 0.3, -s * 0.3), s);
        g.setColorAt(0, QColor(255, 255, 255, 230));
        g.setColorAt(0.35, QColor(255, 230, 200, 90));
        g.setColorAt(1, QColor(90, 20, 10, 120));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, s, s);
    }
    p.end();
    vignette(img, 0.35f);
    grain(img, 5, 3);
}
