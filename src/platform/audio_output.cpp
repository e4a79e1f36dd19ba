// The audio thread: finding the device, running the sink, and closing it without a click.
#include "platform/audio_output.h"

#include "platform/audio_mixer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <atomic>

namespace {
// Long enough for a smooth end, short enough that quitting feels instant.
constexpr int FadeOutFrames = WaveClip::SampleRate / 50;
// Shut-down never waits longer than this for the fade to be heard, nor for the thread to end.
constexpr int CloseTimeoutMs = 600;
constexpr int JoinTimeoutMs = 1500;

QtMessageHandler previousHandler = nullptr;
int filterUsers = 0;  // UI thread only

// Qt's audio back end reports a missing sound server or device on the terminal; the game
// simply plays nothing then, so those lines are dropped and everything else passes on.
void audioMessageFilter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool audioNoise = QByteArray(context.category ? context.category : "").startsWith("qt.multimedia")
                            || message.startsWith(QLatin1String("PulseAudioService"))
                            || message.startsWith(QLatin1String("No audio device detected"))
                            || message.startsWith(QLatin1String("QAudioSink"))
                            || message.startsWith(QLatin1String("QPulseAudio"))
                            || message.contains(QLatin1String("Stream error:"));
    if (!audioNoise && previousHandler)  // Qt hands back its default handler when none was set
        previousHandler(type, context, message);
}
} // namespace

// What the audio thread may touch of its owner; stays valid even if the owner has to leave the
// thread behind at exit.
struct AudioOutputShared {
    std::atomic<int> state{static_cast<int>(AudioOutput::State::Starting)};
    std::atomic<qint64> latencyFrames{0};
    std::atomic<AudioOutput *> owner{nullptr};

    void setState(AudioOutput::State s)
    {
        if (state.exchange(static_cast<int>(s)) != static_cast<int>(s))
            if (AudioOutput *o = owner.load())
                emit o->stateChanged(s);
    }
};

// Owns the sink and the mixer; every member function runs on the audio thread.
class AudioThreadSide : public QObject {
public:
    explicit AudioThreadSide(std::shared_ptr<AudioOutputShared> shared) : m_shared(std::move(shared)) {}

    void openDevice();
    void close();
    AudioMixer *mixer() const { return m_mixer; }

private:
    void onSinkState(QAudio::State state);
    void stopSink();

    std::shared_ptr<AudioOutputShared> m_shared;
    QAudioSink *m_sink = nullptr;
    AudioMixer *m_mixer = nullptr;
    QTimer *m_closeCheck = nullptr;
};

void AudioThreadSide::openDevice()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(WaveClip::SampleRate);
    format.setChannelCount(WaveClip::Channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format)) {
        m_shared->setState(AudioOutput::State::Unavailable);
        return;
    }
    m_mixer = new AudioMixer;
    m_mixer->setClipPlayedOut([shared = m_shared](quint64 serial) {
        if (AudioOutput *o = shared->owner.load())
            emit o->clipPlayedOut(serial);
    });
    m_sink = new QAudioSink(device, format, this);
    m_sink->start(m_mixer);
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        stopSink();
        m_shared->setState(AudioOutput::State::Unavailable);
        return;
    }
    m_mixer->setPlayedFrames([sink = m_sink] { return sink->processedUSecs() * WaveClip::SampleRate / 1000000; });
    // What the sink holds in its own buffer and what the server holds in the stream's.
    m_shared->latencyFrames = 2 * m_sink->bufferSize() / AudioMixer::BytesPerFrame;
    connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State s) { onSinkState(s); });
    m_shared->setState(AudioOutput::State::Open);
}

void AudioThreadSide::onSinkState(QAudio::State state)
{
    // A sound server that goes away leaves the game silent, as if there had never been a device.
    if (state == QAudio::StoppedState && m_sink && m_sink->error() != QAudio::NoError) {
        m_shared->setState(AudioOutput::State::Unavailable);
        // Not from inside the sink's own signal.
        QMetaObject::invokeMethod(this, [this] { stopSink(); }, Qt::QueuedConnection);
    }
}

void AudioThreadSide::stopSink()
{
    if (m_mixer)
        m_mixer->setPlayedFrames({});
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        delete m_sink;
        m_sink = nullptr;
    }
    delete m_mixer;
    m_mixer = nullptr;
}

void AudioThreadSide::close()
{
    auto finish = [this] {
        stopSink();
        thread()->quit();
    };
    if (!m_mixer) {
        finish();
        return;
    }
    // Stopping the sink drops what it still holds; a fade heard to its end leaves nothing to cut.
    m_mixer->fadeOut(FadeOutFrames);
    m_closeCheck = new QTimer(this);
    connect(m_closeCheck, &QTimer::timeout, this, [this, finish] {
        if (!m_mixer || m_mixer->fadedOut())
            finish();
    });
    m_closeCheck->start(10);
    QTimer::singleShot(CloseTimeoutMs, this, finish);
}

AudioOutput::AudioOutput(QObject *parent)
    : QObject(parent), m_shared(std::make_shared<AudioOutputShared>()), m_thread(new QThread)
{
    if (filterUsers++ == 0)
        previousHandler = qInstallMessageHandler(audioMessageFilter);
    m_shared->owner = this;
    m_thread->setObjectName(QStringLiteral("audio"));
    m_side = new AudioThreadSide(m_shared);
    m_side->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_side, &QObject::deleteLater);
    m_thread->start();
    QMetaObject::invokeMethod(m_side, [side = m_side] { side->openDevice(); }, Qt::QueuedConnection);
}

AudioOutput::~AudioOutput()
{
    m_closing = true;
    m_shared->owner = nullptr;
    QMetaObject::invokeMethod(m_side, [side = m_side] { side->close(); }, Qt::QueuedConnection);
    // A sound server that hangs must not hang the game's exit: then the thread is left behind.
    if (m_thread->wait(QDeadlineTimer(JoinTimeoutMs)))
        delete m_thread;
    if (--filterUsers == 0)
        qInstallMessageHandler(previousHandler);
}

AudioOutput::State AudioOutput::state() const
{
    return static_cast<State>(m_shared->state.load());
}

qint64 AudioOutput::latencyFrames() const
{
    return m_shared->latencyFrames.load();
}

void AudioOutput::post(std::function<void(AudioMixer *)> job)
{
    if (m_closing)
        return;
    QMetaObject::invokeMethod(
        m_side, [side = m_side, job = std::move(job)] { job(side->mixer()); }, Qt::QueuedConnection);
}

quint64 AudioOutput::playClip(std::shared_ptr<const WaveClip> clip)
{
    if (state() != State::Open || !clip)
        return 0;
    const quint64 serial = ++m_lastSerial;
    post([clip = std::move(clip), serial](AudioMixer *mixer) {
        if (mixer)
            mixer->playClip(clip, serial);
    });
    return serial;
}
