// Shared helpers for the picture painters: seeded randomness, noise, texture passes.
#include "paintkit.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

uint64_t Rng::next()
{
    s ^= s >> 12;
    s ^= s << 25;
    s ^= s >> 27;
    return s * 0x2545F4914F6CDD1Dull;
}

double Rng::uni()
{
    return double(next() >> 11) * (1.0 / 9007199254740992.0);
}

static float hash2(int x, int y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return float(h & 0xffffff) / float(0xffffff);
}

float valueNoise(float x, float y, uint32_t seed)
{
    const int xi = int(std::floor(x)), yi = int(std::floor(y));
    float fx = x - xi, fy = y - yi;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    const float a = hash2(xi, yi, seed), b = hash2(xi + 1, yi, seed);
    const float c = hash2(xi, yi + 1, seed), d = hash2(xi + 1, yi + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

float fbm(float x, float y, int octaves, uint32_t seed)
{
    float sum = 0, amp = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + uint32_t(i) * 101u);
        norm += amp;
        x = x * 2.03f + 17.1f;
        y = y * 2.03f + 9.7f;
        amp *= 0.5f;
    }
    return sum / norm;
}

QColor mixColor(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor shade(const QColor &c, double f)
{
    if (f <= 1.0)
        return mixColor(QColor(0, 0, 0, c.alpha()), c, f);
    return mixColor(c, QColor(255, 255, 255, c.alpha()), f - 1.0);
}

void beginDesign(QPainter &p, QImage &img)
{
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(img.width() / 1000.0, img.height() / 1000.0);
}

void textureShade(QImage &img, float scale, float strength, uint32_t seed, const QImage *mask)
{
    const int w = img.width(), h = img.height();
    for (int y = 0; y < h; ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        const auto *mrow = mask ? reinterpret_cast<const QRgb *>(mask->constScanLine(y)) : nullptr;
        for (int x = 0; x < w; ++x) {
            const float m = mrow ? qAlpha(mrow[x]) / 255.0f : 1.0f;
            if (m <= 0)
                continue;
            const float n = fbm(x * scale / w, y * scale / h, 4, seed);
            const float f = 1.0f + (n - 0.5f) * 2.0f * strength * m;
            const QRgb c = row[x];
            row[x] = qRgba(std::clamp(int(qRed(c) * f), 0, 255), std::clamp(int(qGreen(c) * f), 0, 255),
                           std::clamp(int(qBlue(c) * f), 0, 255), qAlpha(c));
        }
    }
}

void grain(QImage &img, int amount, uint32_t seed)
{
    const int w = img.width(), h = img.height();
    for (int y = 0; y < h; ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int d = int((hash2(x, y, seed) - 0.5f) * 2 * amount);
            const QRgb c = row[x];
            row[x] = qRgba(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                           std::clamp(qBlue(c) + d, 0, 255), qAlpha(c));
        }
    }
}

void vignette(QImage &img, float strength)
{
    const int w = img.width(), h = img.height();
    for (int y = 0; y < h; ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float dx = (x - w / 2.0f) / (w / 2.0f), dy = (y - h / 2.0f) / (h / 2.0f);
            const float f = 1.0f - strength * std::pow(std::min(1.0f, (dx * dx + dy * dy) / 2.0f), 1.5f);
            const QRgb c = row[x];
            row[x] = qRgba(int(qRed(c) * f), int(qGreen(c) * f), int(qBlue(c) * f), qAlpha(c));
        }
    }
}

// Five pointed lobes with toothed edges; base of the midrib at the origin, tip towards -y.
QPainterPath mapleLeafPath(double radius, double serration, uint32_t seed)
{
    struct Lobe { double angle, length, width; };
    // Three broad main lobes with pointed side teeth, two small lobes near the stem.
    const Lobe lobes[] = {{0, 1.0, 0.62}, {-0.34, 0.74, 0.26}, {0.34, 0.74, 0.26},
                          {-1.0, 0.93, 0.58}, {1.0, 0.93, 0.58}, {-0.72, 0.68, 0.22}, {0.72, 0.68, 0.22},
                          {-1.3, 0.66, 0.22}, {1.3, 0.66, 0.22}, {-2.0, 0.58, 0.45}, {2.0, 0.58, 0.45}};
    QPainterPath path;
    const int steps = 1400;
    for (int i = 0; i <= steps; ++i) {
        const double phi = -M_PI + 2 * M_PI * i / steps;   // 0 = straight up
        double r = 0.36;
        for (const Lobe &l : lobes) {
            const double d = std::abs(phi - l.angle) / l.width;
            if (d < 1)
                r = std::max(r, 0.36 + (l.length - 0.36) * std::pow(1 - d, 1.5));
        }
        if (std::abs(phi) > 2.6)
            r = std::min(r, 0.12 + (M_PI - std::abs(phi)) * 0.5);                           // notch where the stem joins
        const double t = std::fmod(std::abs(phi) * 17.0 + valueNoise(float(phi * 3), 0, seed), 1.0);
        r *= 1.0 + serration * (t < 0.7 ? t / 0.7 : (1 - t) / 0.3);
        const QPointF pt(radius * r * std::sin(phi), -radius * r * std::cos(phi));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath ovalLeafPath(double length, double width, int teeth)
{
    QPainterPath path;
    const int steps = 200;
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i <= steps; ++i) {
            const double t = side == 0 ? double(i) / steps : 1.0 - double(i) / steps;
            double half = width * 0.5 * std::pow(std::sin(M_PI * t), 0.9) * (1.0 - 0.25 * t);
            if (teeth > 0)
                half *= 1.0 + 0.06 * std::abs(std::sin(M_PI * teeth * t));
            const QPointF pt(side == 0 ? -half : half, -length * t);
            if (side == 0 && i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
    }
    path.closeSubpath();
    return path;
}

void drawLeafVeins(QPainter &p, double length, const QColor &c, double w)
{
    p.save();
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0, 0), QPointF(0, -length * 0.97));
    p.setPen(QPen(c, w * 0.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < 7; ++i) {
        const double y = -length * i / 7.5;
        const double reach = length * 0.16 * std::sin(M_PI * i / 7.5);
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath v;
            v.moveTo(0, y);
            v.quadTo(s * reach * 0.5, y - reach * 0.3, s * reach, y - reach * 0.9);
            p.drawPath(v);
        }
    }
    p.restore();
}
