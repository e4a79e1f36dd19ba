// Shared helpers for the picture painters: seeded randomness, noise, texture passes.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>

// Every painter draws on a square canvas of this many pixels and the tool
// shrinks it to the final size, which gives cleaner edges than plain antialiasing.
constexpr int kCanvas = 1012;
constexpr int kFinal = 506;

// Small deterministic generator; std distributions differ between standard
// libraries, so the pictures would not be reproducible with them.
class Rng {
public:
    explicit Rng(uint64_t seed) : s(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint64_t next();
    double uni();                                   // [0,1)
    double range(double a, double b) { return a + (b - a) * uni(); }
    int below(int n) { return int(uni() * n); }
private:
    uint64_t s;
};

float valueNoise(float x, float y, uint32_t seed);
float fbm(float x, float y, int octaves, uint32_t seed);   // roughly [0,1]

QColor mixColor(const QColor &a, const QColor &b, double t);
QColor shade(const QColor &c, double f);                    // f<1 darker, f>1 lighter

// Painter in a 1000x1000 design space on a kCanvas image.
void beginDesign(QPainter &p, QImage &img);

// Multiplies brightness by fbm texture inside an optional mask (alpha of mask > 0).
void textureShade(QImage &img, float scale, float strength, uint32_t seed,
                  const QImage *mask = nullptr);
// Fine per-pixel grain so no region is perfectly flat.
void grain(QImage &img, int amount, uint32_t seed);
void vignette(QImage &img, float strength);

// Leaf outline helpers used by several pictures.
QPainterPath mapleLeafPath(double radius, double serration, uint32_t seed);
QPainterPath ovalLeafPath(double length, double width, int teeth);
void drawLeafVeins(QPainter &p, double length, const QColor &c, double w);
