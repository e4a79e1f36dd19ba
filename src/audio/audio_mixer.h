// The one stream the sound device pulls: music from a source with the current clip on top.
#pragma once

#include "audio/audio_clip.h"

#include <QIODevice>
#include <functional>
#include <memory>

// Something that renders into the mix, such as the music synthesizer. Called on the audio thread.
class MixerSource
{
public:
    virtual ~MixerSource() = default;
    // Writes `frames` interleaved stereo frames into out; false when it is silent and wrote
    // nothing.
    virtual bool render(qint16 *out, int frames) = 0;
};

// Used only on the audio thread. Every read returns as many bytes as asked for (silence when
// nothing plays), so the device never starves; the owner closes the device once the mix has been
// quiet for a while.
class AudioMixer : public QIODevice
{
public:
    static constexpr int BytesPerFrame = 4;

    AudioMixer();

    // How many frames the device has played so far; without it, frames count as played once
    // they have been read.
    void setPlayedFrames(std::function<qint64()> played) { m_playedFrames = std::move(played); }
    void setMusic(std::shared_ptr<MixerSource> music) { m_music = std::move(music); }
    // Starts a clip at the next read, cutting off the one playing.
    void playClip(std::shared_ptr<const WaveClip> clip, quint64 serial);
    // Called with a clip's serial once it has been heard to its end, or when it was cut off.
    void setClipPlayedOut(std::function<void(quint64)> notify)
    {
        m_clipPlayedOut = std::move(notify);
    }
    // Ramps everything down to silence; fadedOut() tells when the fade has been played.
    void fadeOut(int frames);
    bool fadedOut() const;
    qint64 framesDelivered() const { return m_delivered; }
    // Changes whenever a read has held a sound, or wake() was called: unchanged for a while, the
    // mix has been quiet all that time.
    quint64 soundMark() const { return m_soundMark; }
    // Counts the mix as sounding now: a device just asked for is not closed before it is heard.
    void wake() { ++m_soundMark; }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    struct Playing
    {
        std::shared_ptr<const WaveClip> clip;
        qint64 position = 0; // in frames
        int rampLeft = -1;   // frames left of a cut-off ramp; -1 while playing normally
    };
    bool mixChunk(qint16 *out, int frames); // true when the chunk holds a sound
    void addClip(Playing &playing, qint16 *out, int frames);
    void applyFade(qint16 *out, int frames);
    void notifyPlayedOut();
    qint64 playedFrames() const;

    std::shared_ptr<MixerSource> m_music;
    Playing m_clip;
    Playing m_cutOff; // the replaced clip, ramped down over a few milliseconds so the cut does not
                      // click
    quint64 m_serial = 0;
    bool m_pending = false;
    qint64 m_clipEndsAt = 0; // in delivered frames
    std::function<void(quint64)> m_clipPlayedOut;
    qint64 m_delivered = 0;
    quint64 m_soundMark = 0;
    std::function<qint64()> m_playedFrames;
    qint64 m_fadeFrames = -1; // -1: no fade under way
    qint64 m_fadeLeft = 0;
    qint64 m_fadeEndsAt = 0;
};
