// The music device: FluidSynth with a General MIDI SoundFont, driven by command strings.
#pragma once

#include "core/platform/music_device.h"

#include <QTimer>
#include <memory>

class AudioOutput;
class FluidSequencer;

class FluidMusicDevice : public MusicDevice
{
public:
    static constexpr const char *DefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    static constexpr int StatusIntervalMs = 1000;

    // FluidSynth and the SoundFont load on the audio thread the first time the music plays;
    // without a device, or without the SoundFont, every command does nothing. The status report
    // comes every 1000 ms while the music plays, and once more after it stops.
    explicit FluidMusicDevice(AudioOutput &output,
                              const QString &soundFont = QString::fromLatin1(DefaultSoundFont));
    ~FluidMusicDevice() override;

    void setFileName(const QString &path) override;
    // Unknown commands, and commands other than "open" while closed, are ignored.
    void command(const QString &command) override;
    qint32 position() const override;
    qint32 length() const override;
    void setStatusUpdate(std::function<void()> handler) override;
    // Whether a status report is still to come: while the music plays, and once after it stops.
    bool reporting() const { return m_statusTimer.isActive(); }

private:
    void play();
    void post(void (FluidSequencer::*action)());

    AudioOutput &m_output;
    QString m_soundFont;
    std::shared_ptr<FluidSequencer> m_sequencer; // shared with the mixer on the audio thread
    QString m_fileName;
    QString m_openFile;       // the file name at "open"
    bool m_fileGiven = false; // whether the sequencer has been told the file since "open"
    QTimer m_statusTimer;
    std::function<void()> m_statusUpdate;
    bool m_open = false;
    bool m_playing = false;
};
