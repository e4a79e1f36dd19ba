// Commands from the UI thread become jobs on the audio thread, in order; position and length
// are read from what the last rendering left behind.
#include "platform/audio_music_device.h"

#include "platform/audio_fluid_sequencer.h"
#include "platform/audio_output.h"

FluidMusicDevice::FluidMusicDevice(AudioOutput &output, const QString &soundFont)
    : m_output(output), m_sequencer(std::make_shared<FluidSequencer>())
{
    m_statusTimer.setInterval(StatusIntervalMs);
    QObject::connect(&m_statusTimer, &QTimer::timeout, [this] {
        if (m_statusUpdate)
            m_statusUpdate();
    });
    m_output.post([sequencer = m_sequencer, soundFont](AudioMixer *mixer) {
        // Loading the SoundFont takes a while and memory: only worth it with a device to play on.
        if (mixer && sequencer->load(soundFont))
            mixer->setMusic(sequencer);
    });
}

FluidMusicDevice::~FluidMusicDevice()
{
    // The mixer may outlive this device; the sequencer goes silent, not away, under it.
    m_output.post([sequencer = m_sequencer](AudioMixer *) { sequencer->close(); });
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
        m_output.post([sequencer = m_sequencer, file = m_fileName](AudioMixer *) { sequencer->open(file); });
        m_statusTimer.start();
    } else if (!m_open) {
        return;
    } else if (c == QLatin1String("play")) {
        post(&FluidSequencer::play);
    } else if (c == QLatin1String("stop")) {
        post(&FluidSequencer::stop);
    } else if (c == QLatin1String("next")) {
        post(&FluidSequencer::rewind);
    } else if (c == QLatin1String("close")) {
        m_open = false;
        m_statusTimer.stop();
        post(&FluidSequencer::close);
    }
}

void FluidMusicDevice::post(void (FluidSequencer::*action)())
{
    m_output.post([sequencer = m_sequencer, action](AudioMixer *) { (sequencer.get()->*action)(); });
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
