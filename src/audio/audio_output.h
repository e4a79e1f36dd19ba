// The one sound output: a Qt audio sink on its own thread, pulling from the mixer, open only
// while something sounds.
#pragma once

#include "audio/audio_clip.h"

#include <QObject>
#include <functional>
#include <memory>

class AudioMixer;
class AudioThreadSide;
class QThread;
struct AudioOutputShared;

class AudioOutput : public QObject
{
    Q_OBJECT
public:
    // Untried until the first sound asks for the device.
    enum class State { Untried, Available, Unavailable };
    // How long the mix stays quiet before its stream is closed: quick clicks share one stream.
    static constexpr int QuietCloseMs = 2000;

    // Nothing talks to the sound server, and no audio thread runs, until the first job is posted.
    explicit AudioOutput(QObject *parent = nullptr);
    // Fades a sound still playing to silence and closes the device; never waits long.
    ~AudioOutput() override;

    State state() const;
    // Whether a stream is open on the device right now.
    bool streamOpen() const;
    // Frames between the mixer handing a frame to the device and the device playing it; 0 until
    // the first stream has opened.
    qint64 latencyFrames() const;

    // Runs job on the audio thread after every job posted before it; a job posted after shut-down
    // has begun is dropped.
    void post(std::function<void()> job);
    // The same for a job that sets something playing: the device is looked for first (once), the
    // job runs only when there is one, and the stream is opened, or kept open, for what it started.
    void postSound(std::function<void(AudioMixer &)> job);
    // Plays a clip, cutting off the one playing; its serial comes back in clipPlayedOut.
    // 0 when nothing will play.
    quint64 playClip(std::shared_ptr<const WaveClip> clip);

signals:
    void stateChanged(AudioOutput::State state);
    void clipPlayedOut(quint64 serial);

private:
    AudioThreadSide *side();

    std::shared_ptr<AudioOutputShared> m_shared;
    QThread *m_thread = nullptr;       // started by the first job
    AudioThreadSide *m_side = nullptr; // lives on m_thread
    quint64 m_lastSerial = 0;
    bool m_closing = false;
};
