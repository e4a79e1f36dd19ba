// Decoding sound files with libsndfile and converting them to the output format.
#include "audio/audio_clip.h"

#include <QFile>
#include <algorithm>
#include <sndfile.h>

namespace {
// Effects are short; these only guard memory against a wrong file under a known name.
constexpr sf_count_t MaxSeconds = 60;
constexpr int MaxSampleRate = 192000;
constexpr sf_count_t ChunkFrames = 4096;

struct SndFileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};

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
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SndFileCloser> file(
        sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file || info.channels < 1 || info.samplerate < 1000 || info.samplerate > MaxSampleRate
        || info.frames < 1 || info.frames > MaxSeconds * info.samplerate)
        return nullptr;
    // The frame count in the header is only a claim (a FLAC header of a few bytes may promise a
    // minute of eight channels): memory grows with what really decodes.
    std::vector<short> chunk(static_cast<size_t>(ChunkFrames * info.channels));
    std::vector<qint16> stereo;
    for (sf_count_t left = info.frames; left > 0;) {
        const sf_count_t read =
            sf_readf_short(file.get(), chunk.data(), std::min(left, ChunkFrames));
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
