// Mixing the music and the current clip into full buffers for the sound device.
#include "audio/audio_mixer.h"

#include <algorithm>
#include <cstring>

namespace {
// Long enough to avoid a click, short enough to sound like a cut.
constexpr int CutOffFrames = 128;
// The music renders into chunks of this size, so one read never needs a large scratch buffer.
constexpr int ChunkFrames = 1024;

qint16 saturate(int value)
{
    return static_cast<qint16>(std::clamp(value, -32768, 32767));
}
} // namespace

AudioMixer::AudioMixer()
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void AudioMixer::playClip(std::shared_ptr<const WaveClip> clip, quint64 serial)
{
    notifyPlayedOut();
    m_cutOff = m_clip;
    m_cutOff.rampLeft = CutOffFrames;
    m_clip = Playing{std::move(clip), 0, -1};
    wake();
    m_serial = serial;
    m_pending = true;
    m_clipEndsAt = m_delivered + (m_clip.clip ? m_clip.clip->frames() : 0);
}

void AudioMixer::notifyPlayedOut()
{
    if (!m_pending)
        return;
    m_pending = false;
    if (m_clipPlayedOut)
        m_clipPlayedOut(m_serial);
}

void AudioMixer::fadeOut(int frames)
{
    if (m_fadeFrames >= 0)
        return;
    m_fadeFrames = std::max(frames, 1);
    m_fadeLeft = m_fadeFrames;
    m_fadeEndsAt = m_delivered + m_fadeFrames;
}

bool AudioMixer::fadedOut() const
{
    return m_fadeFrames >= 0 && playedFrames() >= m_fadeEndsAt;
}

qint64 AudioMixer::playedFrames() const
{
    return m_playedFrames ? m_playedFrames() : m_delivered;
}

qint64 AudioMixer::readData(char *data, qint64 maxSize)
{
    const qint64 frames = maxSize / BytesPerFrame;
    auto *out = reinterpret_cast<qint16 *>(data);
    for (qint64 done = 0; done < frames;) {
        const int n = static_cast<int>(std::min<qint64>(ChunkFrames, frames - done));
        if (mixChunk(out + 2 * done, n))
            wake();
        done += n;
    }
    m_delivered += frames;
    if (m_pending && playedFrames() >= m_clipEndsAt)
        notifyPlayedOut();
    return frames * BytesPerFrame;
}

bool AudioMixer::mixChunk(qint16 *out, int frames)
{
    if (m_fadeFrames >= 0 && m_fadeLeft == 0) {
        std::memset(out, 0, static_cast<size_t>(frames) * BytesPerFrame);
        return false;
    }
    bool sound = m_music && m_music->render(out, frames);
    if (!sound)
        std::memset(out, 0, static_cast<size_t>(frames) * BytesPerFrame);
    sound = sound || m_cutOff.clip || m_clip.clip;
    addClip(m_cutOff, out, frames);
    addClip(m_clip, out, frames);
    if (m_fadeFrames >= 0)
        applyFade(out, frames);
    return sound;
}

void AudioMixer::addClip(Playing &playing, qint16 *out, int frames)
{
    if (!playing.clip)
        return;
    const qint16 *in = playing.clip->samples.data();
    const qint64 length = playing.clip->frames();
    for (int f = 0; f < frames && playing.position < length && playing.rampLeft != 0;
         ++f, ++playing.position) {
        for (int c = 0; c < 2; ++c) {
            int sample = in[2 * playing.position + c];
            if (playing.rampLeft > 0)
                sample = sample * playing.rampLeft / CutOffFrames;
            out[2 * f + c] = saturate(out[2 * f + c] + sample);
        }
        if (playing.rampLeft > 0)
            --playing.rampLeft;
    }
    if (playing.position >= length || playing.rampLeft == 0)
        playing = Playing{};
}

void AudioMixer::applyFade(qint16 *out, int frames)
{
    for (int f = 0; f < frames; ++f) {
        const qint64 gain = m_fadeLeft > 0 ? m_fadeLeft - 1 : 0;
        for (int c = 0; c < 2; ++c)
            out[2 * f + c] = static_cast<qint16>(out[2 * f + c] * gain / m_fadeFrames);
        if (m_fadeLeft > 0)
            --m_fadeLeft;
    }
}
