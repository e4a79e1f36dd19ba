// Paints rose.jpg: a red rose in bloom with a bud and serrated leaves on dark garden bokeh.
#include "paintkit.h"
#include "scenes.h"

#include <QtMath>
#include <cmath>

namespace {

void drawBokeh(QPainter &p, QImage &img)
{
    QRadialGradient bg(420, 380, 800);
    bg.setColorAt(0, QColor(58, 88, 44));
    bg.setColorAt(0.6, QColor(24, 48, 26));
    bg.setColorAt(1, QColor(8, 20, 12));
    p.fillRect(QRectF(0, 0, 1000, 1000), bg);
    Rng rng(77);
    const QColor tints[] = {QColor(150, 200, 90), QColor(230, 220, 120), QColor(90, 150, 70),
                            QColor(240, 150, 160), QColor(200, 230, 170), QColor(60, 120, 60)};
    for (int i = 0; i < 140; ++i) {
        const QPointF c(rng.range(0, 1000), rng.range(0, 1000));
        const double r = rng.range(12, 70);
        QColor t = tints[rng.below(6)];
        QRadialGradient g(c, r);
        t.setAlpha(int(rng.range(25, 80)));
        g.setColorAt(0, t);
        g.setColorAt(0.85, t);
        t.setAlpha(int(t.alpha() * 1.6));
        g.setColorAt(0.95, t);
        g.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    p.end();
    textureShade(img, 6, 0.25f, 4);
    beginDesign(p, img);
}

void drawRoseLeaf(QPainter &p, QPointF at, double angle, double len)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    const QPainterPath leaf = ovalLeafPath(len, len * 0.62, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 10, 0, 90));
    p.drawPath(leaf.translated(7, 9));
    QLinearGradient g(-len * 0.3, 0, len * 0.3, -len * 0.4);
    g.setColorAt(0, QColor(30, 80, 30));
    g.setColorAt(0.55, QColor(60, 130, 45));
    g.setColorAt(1, QColor(110, 165, 60));
    p.setBrush(g);
    p.setPen(QPen(QColor(20, 55, 20), 2));
    p.drawPath(leaf);
    p.setClipPath(leaf);
    drawLeafVeins(p, len, QColor(160, 210, 110, 170), 3);
    p.setBrush(QColor(200, 60, 50, 40));   // reddish tinge at the edge, as young rose leaves have
    p.setPen(QPen(QColor(150, 60, 40, 120), 8));
    p.drawPath(leaf);
    p.restore();
}

void drawStem(QPainter &p, const QPainterPath &stem, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(28, 60, 25), width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    p.setPen(QPen(QColor(90, 150, 60), width * 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem.translated(-width * 0.2, 0));
    // Thorns.
    for (double t = 0.15; t < 0.95; t += 0.17) {
        const QPointF a = stem.pointAtPercent(t);
        const double ang = qDegreesToRadians(-stem.angleAtPercent(t));
        const double side = (int(t * 10) % 2) ? 1 : -1;
        const QPointF n(-std::sin(ang) * side, std::cos(ang) * side);
        const QPointF d(std::cos(ang), std::sin(ang));
        QPainterPath thorn;
        thorn.moveTo(a - d * width * 0.9);
        thorn.lineTo(a + n * width * 1.4 - d * width * 0.6);
        thorn.lineTo(a + d * width * 0.6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 70, 40));
        p.drawPath(thorn);
    }
}

void drawPetal(QPainter &p, QPointF c, double a, double hw, double rin, double rout, double k)
{
    auto at = [&](double ang, double r) { return c + QPointF(std::cos(ang) * r, std::sin(ang) * r); };
    QPainterPath petal;
    petal.moveTo(at(a - hw * 0.5, rin));
    petal.cubicTo(at(a - hw * 1.1, rin + (rout - rin) * 0.4), at(a - hw * 1.05, rout * 0.95), at(a - hw * 0.45, rout * 1.02));
    petal.quadTo(at(a, rout * 1.1), at(a + hw * 0.45, rout * 1.02));
    petal.cubicTo(at(a + hw * 1.05, rout * 0.95), at(a + hw * 1.1, rin + (rout - rin) * 0.4), at(a + hw * 0.5, rin));
    petal.closeSubpath();
    // Shadow cast on the petals beneath.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 0, 5, 110));
    p.drawPath(petal.translated(5, 12));
    QRadialGradient g(c, rout * 1.08);
    g.setColorAt(0, QColor(70, 0, 10));
    g.setColorAt(rin / rout * 0.9, QColor(110, 0, 18));
    g.setColorAt(0.7, mixColor(QColor(170, 8, 28), QColor(190, 14, 34), k));
    g.setColorAt(0.9, QColor(212, 30, 48));
    g.setColorAt(1, QColor(236, 80, 92));
    p.setBrush(g);
    p.setPen(QPen(QColor(90, 0, 12, 160), 1.5));
    p.drawPath(petal);
    // Rolled-back rim catches the light.
    QPainterPath rim;
    for (int i = 0; i <= 24; ++i) {
        const double u = -1.0 + i / 12.0;
        const QPointF pt = at(a + u * hw * 0.7, rout * (0.975 + 0.06 * (1 - u * u)));
        i == 0 ? rim.moveTo(pt) : rim.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 140, 150, 150), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rim);
}

void drawRose(QPainter &p, QPointF c, double radius, double tilt, uint32_t seed)
{
    Rng rng(seed);
    p.save();
    p.translate(c);
    p.scale(1.0, tilt);
    // Green sepals peek out from behind the outer ring.
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5 + 0.3;
        QPainterPath s;
        s.moveTo(std::cos(a - 0.2) * radius * 0.6, std::sin(a - 0.2) * radius * 0.6);
        s.quadTo(std::cos(a) * radius * 1.1, std::sin(a) * radius * 1.1, std::cos(a + 0.1) * radius * 1.22,
                 std::sin(a + 0.1) * radius * 1.22);
        s.quadTo(std::cos(a + 0.15) * radius * 0.9, std::sin(a + 0.15) * radius * 0.9,
                 std::cos(a + 0.25) * radius * 0.6, std::sin(a + 0.25) * radius * 0.6);
        p.setPen(QPen(QColor(20, 50, 20), 2));
        p.setBrush(QColor(50, 110, 40));
        p.drawPath(s);
    }
    const int rings = 7;
    double offset = rng.range(0, 6.28);
    for (int k = 0; k < rings; ++k) {
        const double t = double(k) / rings;
        const int n = k < 2 ? 5 : (k < 5 ? 4 : 3);
        const double rout = radius * (1.0 - t * 0.82);
        const double rin = rout * 0.15;
        for (int i = 0; i < n; ++i) {
            const double a = offset + i * 2 * M_PI / n + rng.range(-0.15, 0.15);
            drawPetal(p, QPointF(0, 0), a, M_PI / n * 1.25, rin, rout * rng.range(0.92, 1.04), t);
        }
        offset += 2.4;   // golden-ish turn keeps petals from lining up
    }
    // Tight spiral in the heart.
    QPainterPath spiral;
    for (int i = 0; i <= 120; ++i) {
        const double a = i * 0.16, r = radius * 0.16 * (1.0 - i / 130.0);
        const QPointF pt(std::cos(a) * r, std::sin(a) * r);
        i == 0 ? spiral.moveTo(pt) : spiral.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 0, 10), radius * 0.02, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(spiral);
    p.setPen(QPen(QColor(240, 90, 100, 160), radius * 0.008, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(spiral.translated(-radius * 0.01, -radius * 0.012));
    p.restore();
}

void drawBud(QPainter &p, QPointF base, double h, double angle)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath bud;
    bud.moveTo(0, 0);
    bud.cubicTo(h * 0.55, -h * 0.1, h * 0.4, -h * 0.75, 0, -h);
    bud.cubicTo(-h * 0.4, -h * 0.75, -h * 0.55, -h * 0.1, 0, 0);
    QLinearGradient g(-h * 0.4, 0, h * 0.4, 0);
    g.setColorAt(0, QColor(120, 0, 18));
    g.setColorAt(0.45, QColor(215, 30, 45));
    g.setColorAt(1, QColor(110, 0, 15));
    p.setPen(QPen(QColor(80, 0, 10), 2));
    p.setBrush(g);
    p.drawPath(bud);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(250, 120, 130, 170), 3));
    QPainterPath fold;
    fold.moveTo(-h * 0.3, -h * 0.25);
    fold.quadTo(h * 0.05, -h * 0.55, h * 0.05, -h * 0.98);
    p.drawPath(fold);
    p.setPen(QPen(QColor(80, 0, 10), 2));
    fold = QPainterPath();
    fold.moveTo(h * 0.32, -h * 0.2);
    fold.quadTo(h * 0.1, -h * 0.6, -h * 0.1, -h * 0.9);
    p.drawPath(fold);
    // Sepals wrap the lower half.
    for (int s = -1; s <= 1; ++s) {
        QPainterPath sep;
        sep.moveTo(-h * 0.2, h * 0.02);
        sep.quadTo(s * h * 0.42, -h * 0.18, s * h * 0.3 + h * 0.02, -h * 0.45);
        sep.quadTo(s * h * 0.18, -h * 0.15, h * 0.2, h * 0.02);
        p.setPen(QPen(QColor(20, 50, 20), 2));
        p.setBrush(QColor(60, 125, 45));
        p.drawPath(sep);
    }
    p.setBrush(QColor(45, 100, 35));
    p.drawEllipse(QPointF(0, h * 0.02), h * 0.16, h * 0.1);
    p.restore();
}

} // namespace

void paintRose(QImage &img)
{
    QPainter p;
    beginDesign(p, img);
    drawBokeh(p, img);

    QPainterPath stem;
    stem.moveTo(470, 520);
    stem.cubicTo(450, 700, 520, 820, 500, 1040);
    QPainterPath budStem;
    budStem.moveTo(500, 880);
    budStem.cubicTo(620, 760, 760, 640, 820, 300);
    drawStem(p, budStem, 12);
    drawStem(p, stem, 18);
    drawBud(p, QPointF(820, 305), 200, 12);

    drawRoseLeaf(p, QPointF(480, 740), -62, 260);
    drawRoseLeaf(p, QPointF(500, 820), 58, 240);
    drawRoseLeaf(p, QPointF(700, 650), 80, 170);
    drawRoseLeaf(p, QPointF(670, 700), -20, 150);
    drawRoseLeaf(p, QPointF(80, 980), 30, 210);
    drawRoseLeaf(p, QPointF(150, 1000), 70, 180);
    drawRoseLeaf(p, QPointF(930, 990), -40, 200);
    drawRoseLeaf(p, QPointF(120, 90), -150, 200);
    drawRoseLeaf(p, QPointF(60, 200), -120, 160);

    drawRose(p, QPointF(440, 420), 330, 0.86, 9);
    p.end();
    textureShade(img, 30, 0.07f, 21);
    grain(img, 4, 8);
    vignette(img, 0.3f);
}
