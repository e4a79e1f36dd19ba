// Commands from the UI thread become jobs on the audio thread, in order; position and length
// are read from what the last rendering left behind.
#include "audio/audio_music_device.h"

#include "audio/audio_fluid_sequencer.h"
#include "audio/audio_mixer.h"
#include "audio/audio_output.h"

FluidMusicDevice::FluidMusicDevice(AudioOutput &output, const QString &soundFont)
    : m_output(output)
    , m_soundFont(soundFont)
    , m_sequencer(std::make_shared<FluidSequencer>())
{
    m_statusTimer.setInterval(StatusIntervalMs);
    QObject::connect(&m_statusTimer, &QTimer::timeout, [this] {
        if (m_statusUpdate)
            m_statusUpdate();
        // One report after a stop still comes, for a piece that ended just before it; then the
        // reports rest until the music plays again.
        if (!m_playing)
            m_statusTimer.stop();
    });
}

FluidMusicDevice::~FluidMusicDevice()
{
    // The mixer may outlive this device; the sequencer goes silent, not away, under it.
    if (m_fileGiven)
        post(&FluidSequencer::close);
}

void FluidMusicDevice::setFileName(const QString &path)
{
    m_fileName = path;
}

void FluidMusicDevice::command(const QString &command)
{
    const QString c = command.toLower();
    if (c == QLatin1String("open") && !m_open) {
        m_open = true;
        m_openFile = m_fileName;
    } else if (!m_open) {
        return;
    } else if (c == QLatin1String("play")) {
        play();
    } else if (c == QLatin1String("stop")) {
        m_playing = false;
        if (m_fileGiven)
            post(&FluidSequencer::stop);
    } else if (c == QLatin1String("next")) {
        if (m_fileGiven)
            post(&FluidSequencer::rewind);
    } else if (c == QLatin1String("close")) {
        m_open = false;
        m_playing = false;
        m_statusTimer.stop();
        if (m_fileGiven)
            post(&FluidSequencer::close);
        m_fileGiven = false;
    }
}

void FluidMusicDevice::play()
{
    m_playing = true;
    if (!m_statusTimer.isActive())
        m_statusTimer.start();
    // Until the music first plays, the audio thread has nothing to do with it: a piece that is
    // opened and never played costs nothing.
    if (!m_fileGiven) {
        m_fileGiven = true;
        m_output.post([sequencer = m_sequencer, file = m_openFile] { sequencer->open(file); });
    }
    // The SoundFont is read the first time the music plays, and only with a device to play on.
    m_output.postSound([sequencer = m_sequencer, soundFont = m_soundFont](AudioMixer &mixer) {
        if (!sequencer->isLoaded() && sequencer->load(soundFont))
            mixer.setMusic(sequencer);
        sequencer->play();
    });
}

void FluidMusicDevice::post(void (FluidSequencer::*action)())
{
    m_output.post([sequencer = m_sequencer, action] { (sequencer.get()->*action)(); });
}

qint32 FluidMusicDevice::position() const
{
    return m_open ? m_sequencer->position() : 0;
}

qint32 FluidMusicDevice::length() const
{
    return m_open ? m_sequencer->length() : 0;
}

void FluidMusicDevice::setStatusUpdate(std::function<void()> handler)
{
    m_statusUpdate = std::move(handler);
}
