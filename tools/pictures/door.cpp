// Paints door.jpg: an old arched plank door with iron hinges set in a stone wall.
#include "paintkit.h"
#include "scenes.h"

#include <QtMath>
#include <cmath>

namespace {

const QRectF kDoor(275, 330, 450, 600);   // rectangular part; the arch sits on top
const double kArchR = 225;

QPainterPath doorPath()
{
    QPainterPath d;
    d.moveTo(kDoor.left(), kDoor.bottom());
    d.lineTo(kDoor.left(), kDoor.top());
    d.arcTo(QRectF(500 - kArchR, kDoor.top() - kArchR, 2 * kArchR, 2 * kArchR), 180, -180);
    d.lineTo(kDoor.right(), kDoor.bottom());
    d.closeSubpath();
    return d;
}

void drawStone(QPainter &p, Rng &rng, const QPolygonF &poly)
{
    const QColor tones[] = {QColor(150, 140, 125), QColor(170, 155, 130), QColor(125, 120, 115),
                            QColor(160, 130, 105), QColor(140, 135, 140), QColor(185, 170, 140)};
    const QColor c = tones[rng.below(6)];
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    const QRectF b = poly.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, shade(c, 1.15));
    g.setColorAt(0.5, c);
    g.setColorAt(1, shade(c, 0.7));
    p.setPen(QPen(QColor(70, 62, 55), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(path);
    // Moss in some lower edges.
    if (rng.uni() < 0.25) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 120, 50, 120));
        p.drawEllipse(QPointF(b.center().x() + rng.range(-20, 20), b.bottom() - 6), b.width() * 0.3, 9);
    }
}

QPolygonF roughRect(Rng &rng, QRectF r)
{
    const double j = 5;
    return QPolygonF({r.topLeft() + QPointF(rng.range(0, j), rng.range(0, j)),
                      r.topRight() + QPointF(-rng.range(0, j), rng.range(0, j)),
                      r.bottomRight() + QPointF(-rng.range(0, j), -rng.range(0, j)),
                      r.bottomLeft() + QPointF(rng.range(0, j), -rng.range(0, j))});
}

void drawWall(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 1000, 1000), QColor(95, 85, 72));
    Rng rng(13);
    for (double y = -20; y < 1000;) {
        const double h = rng.range(55, 85);
        for (double x = -rng.range(0, 120); x < 1000;) {
            const double w = rng.range(85, 175);
            drawStone(p, rng, roughRect(rng, QRectF(x + 3, y + 3, w - 6, h - 6)));
            x += w;
        }
        y += h;
    }
    // Jambs and the voussoirs of the arch, larger dressed stones.
    for (double y = kDoor.top(); y < kDoor.bottom(); y += 100) {
        const double wide = int(y / 100) % 2 ? 95 : 70;
        drawStone(p, rng, roughRect(rng, QRectF(kDoor.left() - wide, y + 2, wide, 96)));
        drawStone(p, rng, roughRect(rng, QRectF(kDoor.right(), y + 2, wide, 96)));
    }
    const int n = 13;
    for (int i = 0; i < n; ++i) {
        const double a0 = M_PI + M_PI * i / n, a1 = M_PI + M_PI * (i + 1) / n;
        const double r0 = kArchR - 2, r1 = kArchR + (i % 2 ? 80 : 65);
        const QPointF c(500, kDoor.top());
        auto at = [&](double a, double r) { return c + QPointF(std::cos(a) * r, std::sin(a) * r); };
        drawStone(p, rng, QPolygonF({at(a0 + 0.01, r0), at(a0 + 0.01, r1), at(a1 - 0.01, r1), at(a1 - 0.01, r0)}));
    }
    // Threshold step.
    drawStone(p, rng, roughRect(rng, QRectF(kDoor.left() - 110, kDoor.bottom(), kDoor.width() + 220, 80)));
}

void paintPlanks(QImage &img)
{
    QImage mask(img.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter mp;
    beginDesign(mp, mask);
    mp.fillPath(doorPath(), Qt::white);
    mp.end();
    const double k = img.width() / 1000.0;
    const QColor planks[] = {QColor(120, 72, 38), QColor(135, 85, 45), QColor(110, 66, 35),
                             QColor(128, 80, 40), QColor(104, 62, 34), QColor(140, 90, 50)};
    for (int y = 0; y < img.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        const auto *mrow = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int a = qAlpha(mrow[x]);
            if (!a)
                continue;
            const double dx = x / k - kDoor.left(), dy = y / k;
            const int plank = std::clamp(int(dx / 75), 0, 5);
            const double u = dx - plank * 75;
            const double warp = fbm(float(dx / 40), float(dy / 300), 4, 60u + uint32_t(plank)) * 14;
            const double grain = 0.5 + 0.5 * std::sin((u + warp) * 0.9);
            const double streak = fbm(float(dx / 6), float(dy / 120), 3, 90);
            double f = 0.78 + 0.16 * grain + 0.3 * (streak - 0.5);
            f *= 0.9 + 0.1 * std::sin(u / 75 * M_PI);   // rounded, worn plank faces
            const QColor c = shade(planks[plank], f);
            const double t = a / 255.0;
            row[x] = qRgb(int(c.red() * t + qRed(row[x]) * (1 - t)), int(c.green() * t + qGreen(row[x]) * (1 - t)),
                          int(c.blue() * t + qBlue(row[x]) * (1 - t)));
        }
    }
}

void rivet(QPainter &p, QPointF c, double r)
{
    QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.4);
    g.setColorAt(0, QColor(170, 170, 170));
    g.setColorAt(0.4, QColor(70, 70, 75));
    g.setColorAt(1, QColor(20, 20, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void ironFill(QPainter &p, const QPainterPath &path, double y0, double y1)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, QColor(95, 92, 90));
    g.setColorAt(0.4, QColor(45, 43, 42));
    g.setColorAt(1, QColor(20, 18, 18));
    p.setPen(QPen(QColor(15, 12, 10), 2));
    p.setBrush(g);
    p.drawPath(path);
    p.setPen(QPen(QColor(130, 70, 40, 90), 3));   // rust bloom
    p.setBrush(Qt::NoBrush);
    p.drawPath(path.translated(0, 2));
}

void drawHinge(QPainter &p, double y)
{
    QPainterPath strap;
    const double x0 = kDoor.left() - 30, x1 = kDoor.left() + 330;
    strap.moveTo(x0, y - 20);
    strap.lineTo(x1 - 50, y - 20);
    strap.quadTo(x1 - 20, y - 45, x1 + 20, y - 40);   // spear-shaped end
    strap.quadTo(x1 + 10, y - 10, x1 + 45, y);
    strap.quadTo(x1 + 10, y + 10, x1 + 20, y + 40);
    strap.quadTo(x1 - 20, y + 45, x1 - 50, y + 20);
    strap.lineTo(x0, y + 20);
    strap.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(strap.translated(5, 8));
    ironFill(p, strap, y - 45, y + 45);
    // Pintle knuckle on the jamb.
    QPainterPath knuckle;
    knuckle.addRoundedRect(QRectF(x0 - 28, y - 34, 30, 68), 12, 12);
    ironFill(p, knuckle, y - 34, y + 34);
    for (double x = x0 + 40; x < x1 - 20; x += 55)
        rivet(p, QPointF(x, y), 8);
    rivet(p, QPointF(x1 + 5, y), 9);
}

void drawHandle(QPainter &p, QPointF c)
{
    QPainterPath plate;
    plate.addEllipse(c, 48, 48);
    ironFill(p, plate, c.y() - 48, c.y() + 48);
    rivet(p, c, 14);
    for (int i = 0; i < 4; ++i)
        rivet(p, c + QPointF(std::cos(i * M_PI / 2 + 0.78) * 34, std::sin(i * M_PI / 2 + 0.78) * 34), 5);
    // Heavy ring hanging from the boss.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 100), 16));
    p.drawEllipse(c + QPointF(6, 80), 52, 62);
    p.setPen(QPen(QColor(30, 28, 28), 16));
    p.drawEllipse(c + QPointF(0, 70), 52, 62);
    p.setPen(QPen(QColor(150, 150, 150, 200), 4));
    p.drawArc(QRectF(c.x() - 54, c.y() + 6, 108, 124), 100 * 16, 120 * 16);
    // Keyhole plate below.
    QPainterPath key;
    key.addRoundedRect(QRectF(c.x() - 24, c.y() + 150, 48, 90), 10, 10);
    ironFill(p, key, c.y() + 150, c.y() + 240);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(5, 5, 5));
    p.drawEllipse(QPointF(c.x(), c.y() + 183), 9, 9);
    p.drawRect(QRectF(c.x() - 4, c.y() + 183, 8, 30));
}

void drawGrille(QPainter &p)
{
    const QRectF w(440, 170, 120, 110);
    p.setPen(QPen(QColor(60, 35, 20), 6));
    p.setBrush(QColor(20, 15, 12));
    p.drawRoundedRect(w, 10, 10);
    QRadialGradient glow(w.center(), 80);
    glow.setColorAt(0, QColor(255, 200, 110, 140));
    glow.setColorAt(1, QColor(120, 60, 20, 0));
    p.fillRect(w.adjusted(6, 6, -6, -6), glow);
    p.setPen(QPen(QColor(25, 22, 22), 8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(w.left() + w.width() * i / 4, w.top() + 4), QPointF(w.left() + w.width() * i / 4, w.bottom() - 4));
    p.drawLine(QPointF(w.left() + 4, w.center().y()), QPointF(w.right() - 4, w.center().y()));
}

void drawIvy(QPainter &p)
{
    Rng rng(19);
    for (int vine = 0; vine < 3; ++vine) {
        QPointF pt(rng.range(0, 120), 1000);
        double ang = -M_PI / 2 + rng.range(-0.2, 0.3);
        QPainterPath stem;
        stem.moveTo(pt);
        for (int i = 0; i < 60 && pt.y() > 30; ++i) {
            ang += rng.range(-0.35, 0.35);
            ang = std::clamp(ang, -M_PI / 2 - 0.6, -M_PI / 2 + 0.7);
            pt += QPointF(std::cos(ang), std::sin(ang)) * 22;
            stem.lineTo(pt);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(80, 60, 35), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(stem);
        for (double t = 0.02; t < 1.0; t += 0.025) {
            const QPointF a = stem.pointAtPercent(t);
            p.save();
            p.translate(a + QPointF(rng.range(-20, 20), rng.range(-10, 10)));
            p.rotate(rng.range(-60, 60));
            const QPainterPath leaf = mapleLeafPath(rng.range(26, 40), 0.0, uint32_t(t * 1000));
            const QColor c = QColor(int(rng.range(40, 80)), int(rng.range(100, 150)), int(rng.range(30, 60)));
            p.setPen(QPen(shade(c, 0.6), 1.5));
            p.setBrush(c);
            p.drawPath(leaf);
            p.setPen(QPen(shade(c, 1.35), 1.5));
            p.drawLine(QPointF(0, 0), QPointF(0, -22));
            p.restore();
        }
    }
}

void drawLantern(QPainter &p, QPointF c)
{
    QRadialGradient glow(c + QPointF(0, 60), 170);
    glow.setColorAt(0, QColor(255, 210, 120, 150));
    glow.setColorAt(1, QColor(255, 180, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c + QPointF(0, 60), 170, 170);
    p.setPen(QPen(QColor(25, 22, 20), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(60, -10), c + QPointF(0, -10));
    p.drawLine(c + QPointF(0, -10), c + QPointF(0, 10));
    p.drawLine(c + QPointF(60, -10), c + QPointF(60, 30));
    QPainterPath roof;
    roof.moveTo(c + QPointF(-40, 30));
    roof.lineTo(c + QPointF(0, 5));
    roof.lineTo(c + QPointF(40, 30));
    roof.closeSubpath();
    ironFill(p, roof, c.y() + 5, c.y() + 30);
    QRadialGradient flame(c + QPointF(0, 70), 45);
    flame.setColorAt(0, QColor(255, 250, 200));
    flame.setColorAt(0.4, QColor(255, 200, 80));
    flame.setColorAt(1, QColor(200, 100, 30));
    p.setPen(QPen(QColor(25, 22, 20), 6));
    p.setBrush(flame);
    p.drawRect(QRectF(c.x() - 30, c.y() + 30, 60, 80));
    p.drawLine(c + QPointF(0, 30), c + QPointF(0, 110));
    p.setBrush(QColor(30, 26, 24));
    p.drawRect(QRectF(c.x() - 36, c.y() + 110, 72, 12));
}

void drawPot(QPainter &p, QPointF c)
{
    Rng rng(23);
    for (int i = 0; i < 14; ++i) {
        const QPointF l = c + QPointF(rng.range(-80, 80), rng.range(-90, -20));
        p.setPen(QPen(QColor(30, 70, 25), 2));
        p.setBrush(QColor(int(rng.range(50, 80)), int(rng.range(110, 140)), 40));
        p.drawEllipse(l, 28, 22);
    }
    for (int i = 0; i < 9; ++i) {
        const QPointF f = c + QPointF(rng.range(-70, 70), rng.range(-150, -60));
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.setPen(QPen(QColor(140, 10, 20), 1.5));
            p.setBrush(QColor(225, int(rng.range(30, 60)), 50));
            p.drawEllipse(f + QPointF(std::cos(a), std::sin(a)) * 11, 10, 10);
        }
        p.setBrush(QColor(250, 220, 90));
        p.drawEllipse(f, 5, 5);
    }
    QPainterPath pot;
    pot.moveTo(c + QPointF(-95, -20));
    pot.lineTo(c + QPointF(95, -20));
    pot.lineTo(c + QPointF(70, 120));
    pot.lineTo(c + QPointF(-70, 120));
    pot.closeSubpath();
    QLinearGradient g(c.x() - 95, 0, c.x() + 95, 0);
    g.setColorAt(0, QColor(150, 70, 40));
    g.setColorAt(0.35, QColor(210, 120, 70));
    g.setColorAt(1, QColor(110, 50, 30));
    p.setPen(QPen(QColor(90, 40, 20), 3));
    p.setBrush(g);
    p.drawPath(pot);
    p.drawRect(QRectF(c.x() - 102, c.y() - 30, 204, 26));
}

} // namespace

void paintDoor(QImage &img)
{
    QPainter p;
    beginDesign(p, img);
    drawWall(p);
    p.end();
    textureShade(img, 30, 0.22f, 50);
    paintPlanks(img);
    beginDesign(p, img);
    const QPainterPath door = doorPath();
    p.save();
    p.setClipPath(door);
    for (int i = 1; i < 6; ++i) {
        const double x = kDoor.left() + i * 75;
        p.setPen(QPen(QColor(30, 18, 10), 5));
        p.drawLine(QPointF(x, 0), QPointF(x, 1000));
        p.setPen(QPen(QColor(190, 140, 90, 90), 2));
        p.drawLine(QPointF(x + 4, 0), QPointF(x + 4, 1000));
    }
    // Shadow the recess throws onto the door.
    QLinearGradient shadow(0, 100, 0, 450);
    shadow.setColorAt(0, QColor(0, 0, 0, 150));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, 1000, 1000), shadow);
    p.restore();
    p.setPen(QPen(QColor(40, 25, 15), 6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(door);
    drawGrille(p);
    drawHinge(p, 430);
    drawHinge(p, 820);
    drawHandle(p, QPointF(645, 560));
    drawIvy(p);
    drawLantern(p, QPointF(880, 330));
    drawPot(p, QPointF(880, 860));
    p.end();
    grain(img, 5, 9);
    vignette(img, 0.35f);
}
