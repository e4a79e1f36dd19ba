// Decoding sound files with libsndfile and converting them to the output format.
#include "audio/audio_clip.h"

#include <QFile>
#include <algorithm>
#include <limits>
#include <sndfile.h>

namespace {
// Effects are short; these only guard memory against a wrong file under a known name.
constexpr sf_count_t MaxSeconds = 60;
constexpr int MaxSampleRate = 192000;
// Read this many samples at a time, whatever the channel count: a header may claim 1024 channels.
constexpr sf_count_t ChunkSamples = 8192;

struct SndFileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};

// libsndfile reads a file on disk and bytes in memory alike through a QIODevice, with a file's
// rules: a seek past the end is allowed and the reads there find nothing.
struct Source
{
    QIODevice &device;
    qint64 size;
    qint64 pos = 0;
};

sf_count_t sourceLength(void *source)
{
    return static_cast<Source *>(source)->size;
}

sf_count_t sourceSeek(sf_count_t offset, int whence, void *data)
{
    auto *source = static_cast<Source *>(data);
    const qint64 base = whence == SEEK_CUR ? source->pos : whence == SEEK_END ? source->size : 0;
    // A damaged header can ask for any offset; no sum may overflow.
    if (offset > std::numeric_limits<qint64>::max() - base || base + offset < 0)
        return -1;
    source->pos = base + offset;
    return source->pos;
}

sf_count_t sourceRead(void *out, sf_count_t count, void *data)
{
    auto *source = static_cast<Source *>(data);
    if (count <= 0 || source->pos >= source->size)
        return 0;
    if (source->device.pos() != source->pos && !source->device.seek(source->pos))
        return 0;
    const qint64 got = source->device.read(static_cast<char *>(out),
                                           std::min<qint64>(count, source->size - source->pos));
    if (got <= 0)
        return 0;
    source->pos += got;
    return got;
}

sf_count_t sourceWrite(const void *, sf_count_t, void *)
{
    return 0;
}

sf_count_t sourceTell(void *source)
{
    return static_cast<Source *>(source)->pos;
}

// Appends left and right of each frame of the file's own channels: mono goes to both sides,
// a third channel and beyond are dropped.
void appendStereo(std::vector<qint16> &stereo, const std::vector<short> &data, sf_count_t frames,
                  int channels)
{
    const size_t at = stereo.size();
    stereo.resize(at + static_cast<size_t>(frames) * 2);
    for (size_t f = 0; f < static_cast<size_t>(frames); ++f) {
        const short *frame = &data[f * static_cast<size_t>(channels)];
        stereo[at + 2 * f] = frame[0];
        stereo[at + 2 * f + 1] = channels > 1 ? frame[1] : frame[0];
    }
}

// Linear interpolation is enough for short effects; their files are normally at 44.1 kHz already.
std::vector<qint16> resample(const std::vector<qint16> &stereo, int fromRate)
{
    if (fromRate == WaveClip::SampleRate)
        return stereo;
    const qint64 inFrames = static_cast<qint64>(stereo.size()) / 2;
    const qint64 outFrames = inFrames * WaveClip::SampleRate / fromRate;
    std::vector<qint16> out(static_cast<size_t>(outFrames) * 2);
    const double step = static_cast<double>(fromRate) / WaveClip::SampleRate;
    for (qint64 f = 0; f < outFrames; ++f) {
        const double at = static_cast<double>(f) * step;
        const qint64 i = static_cast<qint64>(at);
        const qint64 j = std::min(i + 1, inFrames - 1);
        const double t = at - static_cast<double>(i);
        for (int c = 0; c < 2; ++c) {
            const double a = stereo[static_cast<size_t>(2 * i + c)];
            const double b = stereo[static_cast<size_t>(2 * j + c)];
            out[static_cast<size_t>(2 * f + c)] = static_cast<qint16>(a + (b - a) * t);
        }
    }
    return out;
}
} // namespace

std::shared_ptr<const WaveClip> decodeWaveFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    return decodeWave(file);
}

std::shared_ptr<const WaveClip> decodeWave(QIODevice &device)
{
    Source source{device, device.size()};
    SF_VIRTUAL_IO io{sourceLength, sourceSeek, sourceRead, sourceWrite, sourceTell};
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SndFileCloser> file(sf_open_virtual(&io, SFM_READ, &info, &source));
    if (!file || info.channels < 1 || info.samplerate < 1000 || info.samplerate > MaxSampleRate
        || info.frames < 1 || info.frames > MaxSeconds * info.samplerate)
        return nullptr;
    // The frame count in the header is only a claim (a FLAC header of a few bytes may promise a
    // minute of eight channels): memory grows with what really decodes.
    const sf_count_t chunkFrames = std::max<sf_count_t>(1, ChunkSamples / info.channels);
    std::vector<short> chunk(static_cast<size_t>(chunkFrames * info.channels));
    std::vector<qint16> stereo;
    for (sf_count_t left = info.frames; left > 0;) {
        const sf_count_t read =
            sf_readf_short(file.get(), chunk.data(), std::min(left, chunkFrames));
        if (read < 1)
            break;
        appendStereo(stereo, chunk, read, info.channels);
        left -= read;
    }
    if (stereo.empty())
        return nullptr;
    auto clip = std::make_shared<WaveClip>();
    clip->samples = resample(stereo, info.samplerate);
    if (clip->samples.empty())
        return nullptr;
    return clip;
}
