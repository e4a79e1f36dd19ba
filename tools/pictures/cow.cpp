// Paints cow.jpg: a friendly spotted cow in a flowery meadow in front of a fence.
#include "paintkit.h"
#include "scenes.h"

#include <QtMath>
#include <cmath>

namespace {

const QColor kInk(40, 30, 30);

void drawBackdrop(QPainter &p, Rng &rng)
{
    QLinearGradient sky(0, 0, 0, 480);
    sky.setColorAt(0, QColor(70, 150, 225));
    sky.setColorAt(1, QColor(190, 225, 245));
    p.fillRect(QRectF(0, 0, 1000, 500), sky);
    QRadialGradient sun(880, 110, 150);
    sun.setColorAt(0, QColor(255, 250, 200));
    sun.setColorAt(0.35, QColor(255, 230, 120));
    sun.setColorAt(0.42, QColor(255, 230, 140, 120));
    sun.setColorAt(1, QColor(255, 240, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(880, 110), 150, 150);
    const QPointF clouds[] = {{150, 110}, {480, 70}, {640, 220}, {260, 280}};
    for (const QPointF &c : clouds)
        for (int i = 0; i < 9; ++i) {
            const QPointF b = c + QPointF(rng.range(-90, 90), rng.range(-25, 15));
            const double r = rng.range(30, 55);
            QRadialGradient g(b - QPointF(r * 0.3, r * 0.4), r * 1.3);
            g.setColorAt(0, Qt::white);
            g.setColorAt(1, QColor(205, 215, 235));
            p.setBrush(g);
            p.drawEllipse(b, r, r * 0.8);
        }
    const QColor hills[] = {QColor(120, 175, 110), QColor(95, 160, 75)};
    for (int k = 0; k < 2; ++k) {
        QPainterPath h;
        h.moveTo(0, 1000);
        for (int x = 0; x <= 1000; x += 10)
            h.lineTo(x, 400 + k * 40 - 90 * fbm(x / 300.0f, float(k), 3, 9u + uint32_t(k)));
        h.lineTo(1000, 1000);
        p.setBrush(hills[k]);
        p.drawPath(h);
    }
    // A round tree on the hill.
    p.setBrush(QColor(90, 60, 35));
    p.drawRect(QRectF(895, 300, 26, 160));
    for (int i = 0; i < 16; ++i) {
        const QPointF c(908 + rng.range(-80, 80), 270 + rng.range(-70, 40));
        const double r = rng.range(40, 60);
        QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.4);
        g.setColorAt(0, QColor(120, 180, 70));
        g.setColorAt(1, QColor(40, 100, 40));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    QLinearGradient meadow(0, 470, 0, 1000);
    meadow.setColorAt(0, QColor(110, 180, 70));
    meadow.setColorAt(1, QColor(60, 130, 40));
    p.setBrush(meadow);
    p.drawRect(QRectF(0, 500, 1000, 500));
}

void drawFence(QPainter &p, Rng &rng)
{
    auto wood = [](QPainter &pp, const QRectF &r, bool vertical) {
        QLinearGradient g(r.topLeft(), vertical ? r.topRight() : r.bottomLeft());
        g.setColorAt(0, QColor(190, 150, 105));
        g.setColorAt(0.5, QColor(150, 110, 70));
        g.setColorAt(1, QColor(100, 70, 45));
        pp.setPen(QPen(QColor(70, 45, 30), 2));
        pp.setBrush(g);
        pp.drawRoundedRect(r, 4, 4);
    };
    for (int rail = 0; rail < 2; ++rail) {
        const double y = 505 + rail * 70;
        wood(p, QRectF(-10, y, 1020, 26), false);
        p.setPen(QPen(QColor(110, 80, 50, 150), 1.5));
        for (int i = 0; i < 6; ++i) {
            const double x = rng.range(0, 950);
            p.drawLine(QPointF(x, y + rng.range(6, 20)), QPointF(x + rng.range(40, 120), y + rng.range(6, 20)));
        }
    }
    for (double x = 30; x < 1000; x += 190) {
        wood(p, QRectF(x, 470, 34, 190), true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        p.drawEllipse(QPointF(x + 17, 518), 4, 4);
        p.drawEllipse(QPointF(x + 17, 588), 4, 4);
    }
}

QPainterPath blob(QPointF c, double r, Rng &rng)
{
    QPainterPath b;
    const int n = 9;
    double rad[n];
    for (double &v : rad)
        v = r * rng.range(0.7, 1.2);
    for (int i = 0; i <= n; ++i) {
        const double a = i * 2 * M_PI / n;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a) * 0.8) * rad[i % n];
        if (i == 0) {
            b.moveTo(pt);
        } else {
            const double am = a - M_PI / n;
            const double rm = (rad[i % n] + rad[i - 1]) * 0.62;
            b.quadTo(c + QPointF(std::cos(am), std::sin(am) * 0.8) * rm, pt);
        }
    }
    return b;
}

void drawLeg(QPainter &p, QPointF top, double h, bool far)
{
    QPainterPath leg;
    leg.moveTo(top + QPointF(-30, 0));
    leg.cubicTo(top + QPointF(-32, h * 0.5), top + QPointF(-22, h * 0.7), top + QPointF(-24, h - 30));
    leg.lineTo(top + QPointF(24, h - 30));
    leg.cubicTo(top + QPointF(22, h * 0.6), top + QPointF(32, h * 0.4), top + QPointF(30, 0));
    leg.closeSubpath();
    p.setPen(QPen(kInk, 3));
    p.setBrush(far ? QColor(215, 212, 205) : QColor(250, 248, 242));
    p.drawPath(leg);
    p.setBrush(QColor(70, 60, 60));
    p.drawRoundedRect(QRectF(top.x() - 27, top.y() + h - 34, 54, 34), 8, 8);
}

void drawHead(QPainter &p, QPointF c)
{
    // Horns and ears sit behind the face.
    for (int s = -1; s <= 1; s += 2) {
        QPainterPath horn;
        horn.moveTo(c + QPointF(s * 45, -105));
        horn.quadTo(c + QPointF(s * 95, -120), c + QPointF(s * 100, -175));
        horn.quadTo(c + QPointF(s * 75, -125), c + QPointF(s * 30, -85));
        p.setPen(QPen(QColor(120, 100, 70), 2.5));
        p.setBrush(QColor(240, 225, 185));
        p.drawPath(horn);
        p.save();
        p.translate(c + QPointF(s * 120, -70));
        p.rotate(s * 20);
        p.setPen(QPen(kInk, 3));
        p.setBrush(QColor(250, 248, 242));
        p.drawEllipse(QPointF(0, 0), 62, 30);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 160, 170));
        p.drawEllipse(QPointF(s * 6, 2), 42, 16);
        p.restore();
    }
    QPainterPath face;
    face.moveTo(c + QPointF(-85, -110));
    face.cubicTo(c + QPointF(-40, -140), c + QPointF(40, -140), c + QPointF(85, -110));
    face.cubicTo(c + QPointF(110, -40), c + QPointF(80, 60), c + QPointF(70, 90));
    face.lineTo(c + QPointF(-70, 90));
    face.cubicTo(c + QPointF(-80, 60), c + QPointF(-110, -40), c + QPointF(-85, -110));
    p.setPen(QPen(kInk, 3.5));
    p.setBrush(QColor(252, 250, 245));
    p.drawPath(face);
    p.save();
    p.setClipPath(face);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 30, 32));
    Rng rng(6);
    p.drawPath(blob(c + QPointF(-60, -60), 58, rng));   // patch over one eye
    p.drawPath(blob(c + QPointF(40, -135), 40, rng));
    p.restore();
    // Muzzle.
    QRadialGradient mg(c + QPointF(-20, 80), 130);
    mg.setColorAt(0, QColor(255, 200, 200));
    mg.setColorAt(1, QColor(225, 135, 145));
    p.setPen(QPen(kInk, 3.5));
    p.setBrush(mg);
    p.drawEllipse(c + QPointF(0, 95), 100, 62);
    p.setBrush(QColor(120, 50, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c + QPointF(-38, 85), 14, 20);
    p.drawEllipse(c + QPointF(38, 85), 14, 20);
    p.setPen(QPen(QColor(110, 40, 50), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 35, c.y() + 95, 70, 36), 200 * 16, 140 * 16);   // smile
    // Eyes with highlights, looking at the player.
    for (int s = -1; s <= 1; s += 2) {
        const QPointF e = c + QPointF(s * 42, -40);
        p.setPen(QPen(kInk, 3));
        p.setBrush(Qt::white);
        p.drawEllipse(e, 22, 26);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 40, 30));
        p.drawEllipse(e + QPointF(2, 5), 14, 17);
        p.setBrush(Qt::white);
        p.drawEllipse(e + QPointF(-3, -2), 6, 6);
        p.drawEllipse(e + QPointF(6, 11), 2.5, 2.5);
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(e + QPointF(s * 14, -26), e + QPointF(s * 22, -34));   // lashes
    }
    // Forelock tuft.
    p.setPen(QPen(QColor(120, 90, 60), 2));
    p.setBrush(QColor(200, 160, 110));
    QPainterPath tuft;
    tuft.moveTo(c + QPointF(-30, -118));
    tuft.quadTo(c + QPointF(-20, -160), c + QPointF(0, -125));
    tuft.quadTo(c + QPointF(15, -165), c + QPointF(30, -118));
    tuft.quadTo(c + QPointF(0, -100), c + QPointF(-30, -118));
    p.drawPath(tuft);
}

void drawMeadow(QPainter &p, double top, double bottom, uint32_t seed)
{
    Rng rng(seed);
    const int blades = int((bottom - top) * 2);
    for (int i = 0; i < blades; ++i) {
        const QPointF g(rng.range(0, 1000), rng.range(top, bottom));
        const double h = 10 + (g.y() - 640) * 0.08;
        p.setPen(QPen(QColor(int(rng.range(50, 120)), int(rng.range(130, 190)), 40), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(g, g + QPointF(rng.range(-8, 8), -h));
    }
    const QColor petals[] = {Qt::white, QColor(250, 220, 60), QColor(240, 110, 150), QColor(160, 120, 240)};
    for (int i = 0; i < blades / 8; ++i) {
        const QPointF f(rng.range(0, 1000), rng.range(top, bottom - 15));
        const double s = 4 + (f.y() - 620) * 0.02;
        p.setPen(Qt::NoPen);
        p.setBrush(petals[rng.below(4)]);
        for (int k = 0; k < 5; ++k)
            p.drawEllipse(f + QPointF(std::cos(k * 1.2566), std::sin(k * 1.2566)) * s, s * 0.8, s * 0.8);
        p.setBrush(QColor(250, 190, 30));
        p.drawEllipse(f, s * 0.6, s * 0.6);
    }
}

} // namespace

void paintCow(QImage &img)
{
    QPainter p;
    beginDesign(p, img);
    Rng rng(99);
    drawBackdrop(p, rng);
    drawFence(p, rng);
    p.end();
    textureShade(img, 20, 0.08f, 14);
    beginDesign(p, img);

    drawMeadow(p, 640, 1010, 5);
    // Shadow on the grass.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 60, 10, 90));
    p.drawEllipse(QPointF(560, 900), 330, 45);

    drawLeg(p, QPointF(440, 640), 250, true);
    drawLeg(p, QPointF(760, 640), 250, true);
    // Tail with a tuft.
    QPainterPath tail;
    tail.moveTo(825, 500);
    tail.cubicTo(880, 560, 860, 680, 870, 760);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 10, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(QPen(QColor(250, 248, 242), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(QPen(kInk, 2.5));
    p.setBrush(QColor(60, 50, 50));
    p.drawPath(blob(QPointF(872, 775), 22, rng));

    QPainterPath body;
    body.moveTo(380, 470);
    body.cubicTo(500, 430, 680, 440, 790, 460);
    body.cubicTo(850, 480, 860, 620, 810, 690);
    body.cubicTo(700, 720, 500, 720, 400, 700);
    body.cubicTo(340, 680, 320, 520, 380, 470);
    QLinearGradient bg(0, 440, 0, 720);
    bg.setColorAt(0, QColor(255, 254, 250));
    bg.setColorAt(1, QColor(215, 210, 205));
    p.setPen(QPen(kInk, 4));
    p.setBrush(bg);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 30, 32));
    p.drawPath(blob(QPointF(560, 520), 75, rng));
    p.drawPath(blob(QPointF(740, 620), 70, rng));
    p.drawPath(blob(QPointF(450, 660), 45, rng));
    p.drawPath(blob(QPointF(790, 470), 40, rng));
    p.restore();
    // Udder.
    p.setPen(QPen(kInk, 3));
    p.setBrush(QColor(245, 170, 180));
    p.drawEllipse(QPointF(680, 712), 52, 30);
    for (int i = -1; i <= 1; i += 2)
        p.drawRoundedRect(QRectF(680 + i * 24 - 6, 728, 12, 24), 5, 5);
    drawLeg(p, QPointF(400, 660), 250, false);
    drawLeg(p, QPointF(720, 660), 250, false);

    // Collar and bell.
    p.setPen(QPen(QColor(150, 30, 30), 16, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(215, 560, 170, 100), 200 * 16, 140 * 16);
    QRadialGradient bell(QPointF(292, 640), 40);
    bell.setColorAt(0, QColor(255, 240, 150));
    bell.setColorAt(1, QColor(190, 130, 20));
    p.setPen(QPen(QColor(110, 70, 10), 3));
    p.setBrush(bell);
    QPainterPath b;
    b.moveTo(270, 625);
    b.quadTo(300, 600, 330, 625);
    b.lineTo(345, 675);
    b.lineTo(255, 675);
    b.closeSubpath();
    p.drawPath(b.translated(-10, 40));
    p.setBrush(QColor(90, 60, 10));
    p.drawEllipse(QPointF(290, 720), 9, 9);

    drawHead(p, QPointF(300, 500));
    drawMeadow(p, 905, 1010, 6);
    // Butterfly near the cow's nose.
    for (int s = -1; s <= 1; s += 2) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(255, 150, 40));
        p.drawEllipse(QPointF(130 + s * 16, 330), 16, 22);
        p.setBrush(QColor(255, 210, 90));
        p.drawEllipse(QPointF(130 + s * 12, 355), 10, 12);
    }
    p.setBrush(kInk);
    p.drawEllipse(QPointF(130, 342), 4, 20);
    p.end();
    grain(img, 4, 17);
}
