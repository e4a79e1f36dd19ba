// Decoding sound files with libsndfile and converting them to the output format.
#include "platform/audio_clip.h"

#include <QFile>
#include <sndfile.h>

namespace {
// Effects are short; this only guards memory against a wrong file under a known name.
constexpr sf_count_t MaxSeconds = 60;

struct SndFileCloser {
    void operator()(SNDFILE *file) const { sf_close(file); }
};

// Left and right of one frame of the file's own channels: mono goes to both sides,
// a third channel and beyond are dropped.
std::vector<qint16> toStereo(const std::vector<short> &data, int channels)
{
    const size_t frames = data.size() / static_cast<size_t>(channels);
    std::vector<qint16> stereo(frames * 2);
    for (size_t f = 0; f < frames; ++f) {
        const short *frame = &data[f * static_cast<size_t>(channels)];
        stereo[2 * f] = frame[0];
        stereo[2 * f + 1] = channels > 1 ? frame[1] : frame[0];
    }
    return stereo;
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
    std::unique_ptr<SNDFILE, SndFileCloser> file(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file || info.channels < 1 || info.samplerate < 1000 || info.frames < 1
        || info.frames > MaxSeconds * info.samplerate)
        return nullptr;
    std::vector<short> data(static_cast<size_t>(info.frames * info.channels));
    const sf_count_t read = sf_readf_short(file.get(), data.data(), info.frames);
    if (read < 1)
        return nullptr;
    data.resize(static_cast<size_t>(read * info.channels));
    auto clip = std::make_shared<WaveClip>();
    clip->samples = resample(toStereo(data, info.channels), info.samplerate);
    if (clip->samples.empty())
        return nullptr;
    return clip;
}
