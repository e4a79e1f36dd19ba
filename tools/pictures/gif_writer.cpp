// Minimal GIF89a writer: median-cut palette, light ordered dither, LZW packing.
#include "gif_writer.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

struct Entry { uint8_t c[3]; uint32_t count; };

struct Box {
    std::vector<Entry> entries;
    int axis = 0, range = 0;
    uint64_t weight = 0;
    void measure()
    {
        int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
        weight = 0;
        for (const Entry &e : entries) {
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], int(e.c[k]));
                hi[k] = std::max(hi[k], int(e.c[k]));
            }
            weight += e.count;
        }
        range = 0;
        for (int k = 0; k < 3; ++k)
            if (hi[k] - lo[k] > range) { range = hi[k] - lo[k]; axis = k; }
    }
};

// Median cut over a 5-bit-per-channel histogram.
std::vector<std::array<uint8_t, 3>> buildPalette(const QImage &img)
{
    std::vector<uint32_t> hist(32768, 0);
    for (int y = 0; y < img.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            ++hist[(qRed(row[x]) >> 3) << 10 | (qGreen(row[x]) >> 3) << 5 | (qBlue(row[x]) >> 3)];
    }
    std::vector<Box> boxes(1);
    for (int i = 0; i < 32768; ++i)
        if (hist[i])
            boxes[0].entries.push_back({{uint8_t((i >> 10) << 3 | 4), uint8_t(((i >> 5) & 31) << 3 | 4),
                                         uint8_t((i & 31) << 3 | 4)}, hist[i]});
    boxes[0].measure();
    while (boxes.size() < 256) {
        // Split the box whose spread matters most: population times extent.
        int best = -1;
        double bestScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].entries.size() < 2)
                continue;
            const double score = double(boxes[i].range) * std::sqrt(double(boxes[i].weight));
            if (score > bestScore) { bestScore = score; best = int(i); }
        }
        if (best < 0)
            break;
        Box &b = boxes[size_t(best)];
        const int axis = b.axis;
        std::sort(b.entries.begin(), b.entries.end(),
                  [axis](const Entry &l, const Entry &r) { return l.c[axis] < r.c[axis]; });
        uint64_t acc = 0;
        size_t cut = 1;
        for (size_t i = 0; i < b.entries.size() - 1; ++i) {
            acc += b.entries[i].count;
            cut = i + 1;
            if (acc * 2 >= b.weight)
                break;
        }
        Box other;
        other.entries.assign(b.entries.begin() + long(cut), b.entries.end());
        b.entries.resize(cut);
        b.measure();
        other.measure();
        boxes.push_back(std::move(other));
    }
    std::vector<std::array<uint8_t, 3>> pal;
    for (const Box &b : boxes) {
        double s[3] = {0, 0, 0};
        for (const Entry &e : b.entries)
            for (int k = 0; k < 3; ++k)
                s[k] += double(e.c[k]) * e.count;
        pal.push_back({uint8_t(s[0] / b.weight + 0.5), uint8_t(s[1] / b.weight + 0.5),
                       uint8_t(s[2] / b.weight + 0.5)});
    }
    pal.resize(256, {0, 0, 0});
    return pal;
}

class BitSink {
public:
    explicit BitSink(QByteArray &out) : out(out) {}
    void put(uint32_t code, int width)
    {
        acc |= code << bits;
        bits += width;
        while (bits >= 8) { byte(uint8_t(acc & 0xff)); acc >>= 8; bits -= 8; }
    }
    void finish()
    {
        if (bits > 0) byte(uint8_t(acc & 0xff));
        flushBlock();
        out.append(char(0));   // block terminator
    }
private:
    void byte(uint8_t b) { block.append(char(b)); if (block.size() == 255) flushBlock(); }
    void flushBlock()
    {
        if (block.isEmpty()) return;
        out.append(char(block.size()));
        out.append(block);
        block.clear();
    }
    QByteArray &out;
    QByteArray block;
    uint32_t acc = 0;
    int bits = 0;
};

// LZW with 8-bit minimum code size; the table restarts with a clear code when full.
void lzw(const std::vector<uint8_t> &pixels, QByteArray &out)
{
    const uint32_t clearCode = 256, endCode = 257;
    std::vector<uint16_t> child(4096 * 256, 0);   // 0 means no entry (codes below 258 are never children)
    BitSink sink(out);
    int width = 9;
    uint32_t next = 258;
    sink.put(clearCode, width);
    uint32_t cur = pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        const uint8_t k = pixels[i];
        const uint16_t found = child[cur * 256 + k];
        if (found) { cur = found; continue; }
        sink.put(cur, width);
        child[cur * 256 + k] = uint16_t(next++);
        if (next > (1u << width) && width < 12)
            ++width;
        if (next == 4096) {
            sink.put(clearCode, width);
            std::fill(child.begin(), child.end(), 0);
            width = 9;
            next = 258;
        }
        cur = k;
    }
    sink.put(cur, width);
    // The decoder adds one more entry after the last code and may widen first.
    if (next == (1u << width) && width < 12)
        ++width;
    sink.put(endCode, width);
    sink.finish();
}

void put16(QByteArray &b, int v) { b.append(char(v & 0xff)); b.append(char((v >> 8) & 0xff)); }

} // namespace

bool writeGif(const QImage &image, const QString &path)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const auto pal = buildPalette(img);

    // Nearest palette entry for every 6-bit colour, so mapping is a lookup.
    std::vector<uint8_t> lut(1 << 18);
    for (int i = 0; i < (1 << 18); ++i) {
        const int r = (i >> 12) << 2 | 2, g = ((i >> 6) & 63) << 2 | 2, b = (i & 63) << 2 | 2;
        int best = 0, bestD = 1 << 30;
        for (int j = 0; j < 256; ++j) {
            const int dr = r - pal[j][0], dg = g - pal[j][1], db = b - pal[j][2];
            const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (d < bestD) { bestD = d; best = j; }
        }
        lut[size_t(i)] = uint8_t(best);
    }
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    std::vector<uint8_t> pixels(size_t(img.width()) * img.height());
    for (int y = 0; y < img.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            // Small dither hides banding in the gradients without visible pattern.
            const int d = (bayer[y & 3][x & 3] - 8) / 2;
            auto q = [d](int v) { return std::clamp(v + d, 0, 255) >> 2; };
            pixels[size_t(y) * img.width() + x] =
                lut[size_t(q(qRed(row[x])) << 12 | q(qGreen(row[x])) << 6 | q(qBlue(row[x])))];
        }
    }

    QByteArray out("GIF89a");
    put16(out, img.width());
    put16(out, img.height());
    out.append(char(0xF7));          // global table, 8-bit colour resolution, 256 entries
    out.append(char(0));             // background index
    out.append(char(0));             // square pixels
    for (const auto &c : pal)
        out.append(reinterpret_cast<const char *>(c.data()), 3);
    out.append(char(0x2C));          // image descriptor
    put16(out, 0);
    put16(out, 0);
    put16(out, img.width());
    put16(out, img.height());
    out.append(char(0));             // no local table, not interlaced
    out.append(char(8));             // LZW minimum code size
    lzw(pixels, out);
    out.append(char(0x3B));          // trailer

    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(out) == out.size() && f.flush();
}
