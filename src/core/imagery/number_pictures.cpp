// Drawing the number pictures and the wood grain, the same pixels on every run.
#include "core/imagery/number_pictures.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>

#include <cmath>
#include <cstdint>

namespace {

// Smooth, repeatable noise in [0, 1): hashed lattice values, cosine-blended.
double latticeValue(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u
                      + static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / 16777216.0;
}

double smoothNoise(double x, double y, std::uint32_t seed)
{
    const int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    const double fx = x - xi, fy = y - yi;
    const double sx = (1 - std::cos(fx * M_PI)) / 2, sy = (1 - std::cos(fy * M_PI)) / 2;
    const double a = latticeValue(xi, yi, seed), b = latticeValue(xi + 1, yi, seed);
    const double c = latticeValue(xi, yi + 1, seed), d = latticeValue(xi + 1, yi + 1, seed);
    return (a * (1 - sx) + b * sx) * (1 - sy) + (c * (1 - sx) + d * sx) * sy;
}

double turbulence(double x, double y, std::uint32_t seed)
{
    double sum = 0, scale = 1, weight = 0;
    for (int octave = 0; octave < 4; ++octave) {
        sum += smoothNoise(x * scale, y * scale, seed + octave) / scale;
        weight += 1 / scale;
        scale *= 2;
    }
    return sum / weight;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

QImage blankImage(qreal dpr)
{
    const int side = static_cast<int>(std::lround(NumberPictureSide * dpr));
    QImage image(side, side, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    return image;
}

void paintMarble(QImage &image, std::uint32_t seed)
{
    const double dpr = image.devicePixelRatio();
    const QColor deep(150, 190, 228), pale(222, 236, 250), vein(246, 250, 255);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double lx = x / dpr, ly = y / dpr;
            const double t = turbulence(lx / 14.0, ly / 14.0, seed);
            const double band = 0.5 + 0.5 * std::sin((lx + ly * 0.6) / 7.0 + t * 9.0);
            QColor c = mix(deep, pale, 0.35 + 0.65 * band);
            c = mix(c, vein, std::pow(band, 12.0) * 0.9);
            line[x] = c.rgb();
        }
    }
}

} // namespace

QImage drawNumberPicture(int number, qreal devicePixelRatio)
{
    QImage image = blankImage(devicePixelRatio);
    paintMarble(image, 7919u + static_cast<std::uint32_t>(number) * 31u);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(number < 10 ? 30 : 26);
    p.setFont(font);
    const QRectF box(0, 0, NumberPictureSide, NumberPictureSide);
    const QString text = QString::number(number);
    p.setPen(QColor(255, 255, 255, 150));
    p.drawText(box.translated(0.8, 0.8), Qt::AlignCenter, text);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, text);
    return image;
}

QImage drawWoodGrain(qreal devicePixelRatio)
{
    QImage image = blankImage(devicePixelRatio);
    const double dpr = devicePixelRatio;
    const QColor dark(150, 104, 62), light(214, 170, 118);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double lx = x / dpr, ly = y / dpr;
            // Stripes run top to bottom and wander a little sideways along the grain.
            const double wander = turbulence(lx / 30.0, ly / 60.0, 4242u) * 6.0;
            const double stripe = 0.5 + 0.5 * std::sin((lx + wander) * 0.9);
            const double fleck = turbulence(lx / 2.0, ly / 18.0, 99u);
            QColor c = mix(dark, light, 0.25 + 0.55 * stripe + 0.25 * (fleck - 0.5));
            line[x] = c.rgb();
        }
    }
    return image;
}

PicFrm::PicFrm(qreal devicePixelRatio) : m_devicePixelRatio(devicePixelRatio)
{
    //: What a screen reader says for the empty cell of the board
    m_image3 =
        Picture{drawWoodGrain(devicePixelRatio), QCoreApplication::translate("PicFrm", "Empty")};
}

const Picture &PicFrm::NumPic(int k) const
{
    Picture &picture = m_numPic.at(static_cast<size_t>(k));
    if (picture.isNull())
        picture = Picture{drawNumberPicture(k + 1, m_devicePixelRatio), QString::number(k + 1)};
    return picture;
}
