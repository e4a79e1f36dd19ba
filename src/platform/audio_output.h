// The one sound output: a Qt audio sink on its own thread, pulling from the mixer.
#pragma once

#include "platform/audio_clip.h"

#include <QObject>
#include <functional>
#include <memory>

class AudioMixer;
class AudioThreadSide;
class QThread;
struct AudioOutputShared;

class AudioOutput : public QObject {
    Q_OBJECT
public:
    enum class State { Starting, Open, Unavailable };

    // Looks for the default output on the audio thread and returns at once.
    explicit AudioOutput(QObject *parent = nullptr);
    // Fades the output to silence and closes the device; never waits long.
    ~AudioOutput() override;

    State state() const;
    // Frames between the mixer handing a frame to the device and the device playing it.
    qint64 latencyFrames() const;

    // Runs job on the audio thread after every job posted before it. The mixer is null when
    // there is no device; a job posted after shut-down has begun is dropped.
    void post(std::function<void(AudioMixer *)> job);
    // Plays a clip, cutting off the one playing; its serial comes back in clipPlayedOut.
    // 0 when nothing will play.
    quint64 playClip(std::shared_ptr<const WaveClip> clip);

signals:
    void stateChanged(AudioOutput::State state);
    void clipPlayedOut(quint64 serial);

private:
    std::shared_ptr<AudioOutputShared> m_shared;
    QThread *m_thread = nullptr;
    AudioThreadSide *m_side = nullptr;  // lives on m_thread
    quint64 m_lastSerial = 0;
    bool m_closing = false;
};
