// The music device: FluidSynth with a General MIDI SoundFont, driven by command strings.
#pragma once

#include "platform/music_device.h"

#include <QTimer>
#include <memory>

class AudioOutput;
class FluidSequencer;

class FluidMusicDevice : public MusicDevice {
public:
    static constexpr const char *DefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    static constexpr int StatusIntervalMs = 1000;

    // The SoundFont loads on the audio thread once the output is open; without a device, or
    // without the SoundFont, every command does nothing.
    explicit FluidMusicDevice(AudioOutput &output, const QString &soundFont = QString::fromLatin1(DefaultSoundFont));
    ~FluidMusicDevice() override;

    void setFileName(const QString &path) override;
    // Unknown commands, and commands other than "open" while closed, are ignored.
    void command(const QString &command) override;
    qint32 position() const override;
    qint32 length() const override;
    void setStatusUpdate(std::function<void()> handler) override;

private:
    void post(void (FluidSequencer::*action)());

    AudioOutput &m_output;
    std::shared_ptr<FluidSequencer> m_sequencer;  // shared with the mixer on the audio thread
    QString m_fileName;
    QTimer m_statusTimer;
    std::function<void()> m_statusUpdate;
    bool m_open = false;
};
