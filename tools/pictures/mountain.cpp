// Paints mountain.jpg: snowy peaks above a pine forest, mirrored in a calm lake.
#include "paintkit.h"
#include "scenes.h"

#include <QtMath>
#include <cmath>

namespace {

const double kLake = 650;    // water line
const double kShore = 890;   // near shore

// Jagged line between two points by midpoint displacement.
void jagged(QPolygonF &out, QPointF a, QPointF b, double rough, int depth, Rng &rng)
{
    if (depth == 0) {
        out << b;
        return;
    }
    const QPointF d = b - a;
    const QPointF n(-d.y(), d.x());
    const QPointF m = (a + b) / 2 + n * rng.range(-rough, rough);
    jagged(out, a, m, rough, depth - 1, rng);
    jagged(out, m, b, rough, depth - 1, rng);
}

void drawPeak(QPainter &p, QPointF apex, double halfW, double base, const QColor &rock, uint32_t seed)
{
    Rng rng(seed);
    QPolygonF outline;
    outline << QPointF(apex.x() - halfW, base);
    jagged(outline, QPointF(apex.x() - halfW, base), apex, 0.12, 5, rng);
    jagged(outline, apex, QPointF(apex.x() + halfW, base), 0.12, 5, rng);
    QPainterPath peak;
    peak.addPolygon(outline);
    peak.closeSubpath();

    // Ridge from the summit splits sunlit left face from the shaded right one.
    QPolygonF ridge;
    ridge << apex;
    jagged(ridge, apex, QPointF(apex.x() + halfW * 0.25, base), 0.1, 5, rng);
    QPainterPath shadowSide;
    shadowSide.addPolygon(ridge);
    shadowSide.lineTo(apex.x() + halfW * 2, base);
    shadowSide.lineTo(apex.x() + halfW * 2, apex.y() - 10);
    shadowSide.closeSubpath();

    QLinearGradient g(0, apex.y(), 0, base);
    g.setColorAt(0, shade(rock, 1.1));
    g.setColorAt(1, shade(rock, 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(peak);
    p.save();
    p.setClipPath(peak);
    p.setBrush(QColor(30, 30, 60, 110));
    p.drawPath(shadowSide);
    // Gullies and strata.
    for (int i = 0; i < 22; ++i) {
        const double x = apex.x() + rng.range(-halfW, halfW) * 0.8;
        const double y = apex.y() + rng.range(0.1, 0.8) * (base - apex.y());
        QPolygonF gully;
        gully << QPointF(x, y);
        jagged(gully, QPointF(x, y), QPointF(x + (x - apex.x()) * 0.3, y + rng.range(60, 160)), 0.15, 3, rng);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 40, 60, 90), rng.range(2, 5), Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(gully);
    }
    // Snow cap with a ragged lower edge and tongues down the gullies.
    const double snowLine = apex.y() + (base - apex.y()) * 0.42;
    QPolygonF snow;
    snow << QPointF(apex.x() - halfW * 2, apex.y() - 50);
    snow << QPointF(apex.x() - halfW * 2, snowLine);
    double couloirX[8], couloirLen[8], couloirW[8];
    for (int i = 0; i < 8; ++i) {
        couloirX[i] = apex.x() + rng.range(-0.8, 0.8) * halfW;
        couloirLen[i] = rng.range(60, 170);
        couloirW[i] = rng.range(14, 34);
    }
    for (double x = apex.x() - halfW * 2; x <= apex.x() + halfW * 2; x += 4) {
        double y = snowLine + 90 * (fbm(float(x / 70), 0.5f, 3, seed) - 0.5) + rng.range(-4, 4);
        for (int i = 0; i < 8; ++i)
            y += couloirLen[i] * std::pow(std::max(0.0, 1 - std::abs(x - couloirX[i]) / couloirW[i]), 2);
        snow << QPointF(x, y);
    }
    snow << QPointF(apex.x() + halfW * 2, apex.y() - 50);
    QPainterPath snowPath;
    snowPath.addPolygon(snow);
    snowPath.closeSubpath();
    p.setClipPath(peak.intersected(snowPath));
    QLinearGradient sg(apex.x() - halfW, apex.y(), apex.x() + halfW, base);
    sg.setColorAt(0, QColor(255, 255, 255));
    sg.setColorAt(1, QColor(225, 232, 245));
    p.setPen(Qt::NoPen);
    p.setBrush(sg);
    p.drawRect(QRectF(apex.x() - halfW * 2, apex.y() - 60, halfW * 4, base - apex.y() + 60));
    p.setBrush(QColor(120, 140, 190, 120));
    p.drawPath(shadowSide);
    p.restore();
}

void drawPine(QPainter &p, QPointF foot, double h, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 25));
    p.drawRect(QRectF(foot.x() - h * 0.03, foot.y() - h * 0.15, h * 0.06, h * 0.15));
    const int tiers = 5;
    for (int i = 0; i < tiers; ++i) {
        const double y0 = foot.y() - h * (0.1 + 0.17 * i);
        const double w = h * 0.28 * (1.0 - i / double(tiers + 1));
        QPainterPath tier;
        tier.moveTo(foot.x() - w, y0);
        tier.quadTo(foot.x() - w * 0.3, y0 - h * 0.08, foot.x(), y0 - h * 0.3);
        tier.quadTo(foot.x() + w * 0.3, y0 - h * 0.08, foot.x() + w, y0);
        tier.closeSubpath();
        QLinearGradient g(foot.x() - w, 0, foot.x() + w, 0);
        g.setColorAt(0, shade(c, 1.25));
        g.setColorAt(1, shade(c, 0.6));
        p.setBrush(g);
        p.drawPath(tier);
    }
}

void reflectLake(QImage &img)
{
    const double k = img.width() / 1000.0;
    const int top = int(kLake * k), bottom = int(kShore * k) + 20;
    const QImage src = img.copy();
    for (int y = top; y < std::min(bottom, img.height()); ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        const double depth = (y - top) / double(bottom - top);
        for (int x = 0; x < img.width(); ++x) {
            const double ripple = std::sin(y * 0.35 + std::sin(x * 0.02) * 2) * (1 + depth * 5);
            const int sy = std::clamp(int(2 * top - y + ripple), 0, img.height() - 1);
            const int sx = std::clamp(int(x + ripple * 0.6), 0, img.width() - 1);
            const QRgb s = src.pixel(sx, sy);
            const double w = 0.35 + depth * 0.3;
            const double sparkle = fbm(float(x * 0.05), float(y * 0.4), 2, 3) > 0.78 ? 40 : 0;
            row[x] = qRgb(std::clamp(int(qRed(s) * (1 - w) + 30 * w + sparkle), 0, 255),
                          std::clamp(int(qGreen(s) * (1 - w) + 80 * w + sparkle), 0, 255),
                          std::clamp(int(qBlue(s) * (1 - w) + 110 * w + sparkle), 0, 255));
        }
    }
}

} // namespace

void paintMountain(QImage &img)
{
    QPainter p;
    beginDesign(p, img);
    QLinearGradient sky(0, 0, 0, kLake);
    sky.setColorAt(0, QColor(30, 80, 160));
    sky.setColorAt(0.5, QColor(100, 160, 220));
    sky.setColorAt(1, QColor(250, 215, 170));
    p.fillRect(QRectF(0, 0, 1000, kLake), sky);
    QRadialGradient sun(170, 120, 180);
    sun.setColorAt(0, QColor(255, 250, 220, 255));
    sun.setColorAt(0.2, QColor(255, 240, 180, 200));
    sun.setColorAt(1, QColor(255, 220, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(170, 120), 180, 180);
    Rng rng(42);
    for (int i = 0; i < 9; ++i) {   // thin streaky clouds
        const QPointF c(rng.range(0, 1000), rng.range(60, 300));
        const double w = rng.range(120, 260);
        QRadialGradient g(c, w);
        g.setColorAt(0, QColor(255, 255, 255, 170));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawEllipse(c, w, w * 0.16);
    }

    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {   // a few birds gliding near the sun
        const QPointF b(rng.range(260, 560), rng.range(150, 330));
        const double s = rng.range(9, 16);
        QPainterPath bird;
        bird.moveTo(b + QPointF(-s, -s * 0.3));
        bird.quadTo(b + QPointF(-s * 0.5, -s * 0.6), b);
        bird.quadTo(b + QPointF(s * 0.5, -s * 0.6), b + QPointF(s, -s * 0.3));
        p.setPen(QPen(QColor(40, 45, 70), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(bird);
    }
    p.setPen(Qt::NoPen);
    drawPeak(p, QPointF(80, 330), 260, 640, QColor(140, 140, 175), 1);
    drawPeak(p, QPointF(930, 300), 280, 640, QColor(140, 140, 175), 2);
    drawPeak(p, QPointF(640, 200), 330, 650, QColor(120, 110, 120), 3);
    drawPeak(p, QPointF(330, 130), 360, 650, QColor(115, 105, 110), 4);
    drawPeak(p, QPointF(820, 390), 200, 650, QColor(105, 100, 100), 5);

    // Green foothills and a band of forest along the water.
    for (int k = 0; k < 2; ++k) {
        QPainterPath hill;
        hill.moveTo(0, kLake + 5);
        for (int x = 0; x <= 1000; x += 10)
            hill.lineTo(x, 560 + k * 35 - 60 * fbm(x / 200.0f, float(k), 3, 70u + uint32_t(k)));
        hill.lineTo(1000, kLake + 5);
        p.setBrush(k ? QColor(60, 105, 55) : QColor(80, 120, 80));
        p.drawPath(hill);
    }
    for (int row = 0; row < 4; ++row) {
        for (double x = rng.range(-10, 10); x < 1010; x += rng.range(10, 22)) {
            const double h = rng.range(50, 90) * (0.7 + row * 0.15);
            const QColor c(int(rng.range(20, 45)), int(rng.range(70, 100)) - row * 5, int(rng.range(40, 60)));
            drawPine(p, QPointF(x, 600 + row * 16 + rng.range(-6, 6)), h, c);
        }
    }
    p.end();
    textureShade(img, 18, 0.1f, 5);
    reflectLake(img);
    beginDesign(p, img);

    // Near shore: pebbles, grass, flowers and two tall pines framing the view.
    QPainterPath shore;
    shore.moveTo(0, 1000);
    for (int x = 0; x <= 1000; x += 10)
        shore.lineTo(x, kShore - 30 * fbm(x / 150.0f, 0, 3, 88));
    shore.lineTo(1000, 1000);
    QLinearGradient sg(0, kShore - 40, 0, 1000);
    sg.setColorAt(0, QColor(110, 150, 60));
    sg.setColorAt(1, QColor(50, 90, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(sg);
    p.drawPath(shore);
    for (int i = 0; i < 40; ++i) {
        const QPointF c(rng.range(0, 1000), rng.range(kShore - 15, kShore + 40));
        const double r = rng.range(10, 30);
        QRadialGradient g(c - QPointF(r * 0.3, r * 0.4), r * 1.3);
        const int v = int(rng.range(110, 180));
        g.setColorAt(0, QColor(v + 40, v + 35, v + 30));
        g.setColorAt(1, QColor(v / 2, v / 2, v / 2 + 5));
        p.setBrush(g);
        p.drawEllipse(c, r, r * 0.65);
    }
    for (int i = 0; i < 500; ++i) {
        const QPointF b(rng.range(0, 1000), rng.range(kShore + 10, 1010));
        p.setPen(QPen(QColor(int(rng.range(60, 140)), int(rng.range(120, 190)), 40), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(b, b + QPointF(rng.range(-10, 10), -rng.range(15, 40)));
    }
    const QColor petals[] = {QColor(250, 240, 90), QColor(240, 90, 120), QColor(255, 255, 255), QColor(170, 120, 240)};
    for (int i = 0; i < 70; ++i) {
        const QPointF f(rng.range(0, 1000), rng.range(kShore + 20, 990));
        p.setPen(Qt::NoPen);
        p.setBrush(petals[rng.below(4)]);
        p.drawEllipse(f, 7, 7);
        p.setBrush(QColor(240, 180, 40));
        p.drawEllipse(f, 2.5, 2.5);
    }
    drawPine(p, QPointF(40, 1000), 620, QColor(30, 80, 45));
    drawPine(p, QPointF(965, 1000), 520, QColor(35, 85, 45));
    p.end();
    grain(img, 4, 12);
}
