// The audio thread: finding the device, opening a stream while something sounds, and closing it
// without a click.
#include "audio/audio_output.h"

#include "audio/audio_mixer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <atomic>

namespace {
// Long enough for a smooth end, short enough that quitting feels instant.
constexpr int FadeOutFrames = WaveClip::SampleRate / 50;
// How often an open stream is checked for having gone quiet.
constexpr int QuietCheckMs = 250;
// Shut-down never waits longer than this for the fade to be heard, nor for the thread to end.
constexpr int CloseTimeoutMs = 600;
constexpr int JoinTimeoutMs = 1500;

QtMessageHandler previousHandler = nullptr;
int filterUsers = 0; // UI thread only

// Qt's audio back end reports a missing sound server or device on the terminal; the game
// simply plays nothing then, so those lines are dropped and everything else passes on.
void audioMessageFilter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool audioNoise =
        QByteArray(context.category ? context.category : "").startsWith("qt.multimedia")
        || message.startsWith(QLatin1String("PulseAudioService"))
        || message.startsWith(QLatin1String("No audio device detected"))
        || message.startsWith(QLatin1String("QAudioSink"))
        || message.startsWith(QLatin1String("QPulseAudio"))
        || message.contains(QLatin1String("Stream error:"));
    if (!audioNoise && previousHandler) // Qt hands back its default handler when none was set
        previousHandler(type, context, message);
}
} // namespace

// What the audio thread may touch of its owner; stays valid even if the owner has to leave the
// thread behind at exit.
struct AudioOutputShared
{
    std::atomic<int> state{static_cast<int>(AudioOutput::State::Untried)};
    std::atomic<bool> streamOpen{false};
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
class AudioThreadSide : public QObject
{
public:
    explicit AudioThreadSide(std::shared_ptr<AudioOutputShared> shared)
        : m_shared(std::move(shared))
    {
    }

    // The mixer, once a device has been found; null when there is none. Looks the first time only.
    AudioMixer *mixer();
    // Opens a stream unless one is open; it closes again once the mix has been quiet for a while.
    void openStream();
    void close();

private:
    bool findDevice();
    void giveUp();
    void onSinkState(QAudio::State state);
    void stopSink();

    std::shared_ptr<AudioOutputShared> m_shared;
    bool m_looked = false;
    QAudioDevice m_device;
    QAudioFormat m_format;
    std::unique_ptr<AudioMixer> m_mixer; // kept while the stream closes and opens again
    QAudioSink *m_sink = nullptr;
    QTimer *m_quietCheck = nullptr;
    quint64 m_soundMark = 0; // the mixer's, when the quiet spell began
    QElapsedTimer m_quiet;
};

AudioMixer *AudioThreadSide::mixer()
{
    if (!m_looked) {
        m_looked = true;
        if (findDevice())
            m_shared->setState(AudioOutput::State::Available);
        else
            giveUp();
    }
    return m_mixer.get();
}

bool AudioThreadSide::findDevice()
{
    m_device = QMediaDevices::defaultAudioOutput();
    m_format.setSampleRate(WaveClip::SampleRate);
    m_format.setChannelCount(WaveClip::Channels);
    m_format.setSampleFormat(QAudioFormat::Int16);
    if (m_device.isNull() || !m_device.isFormatSupported(m_format))
        return false;
    m_mixer = std::make_unique<AudioMixer>();
    m_mixer->setClipPlayedOut([shared = m_shared](quint64 serial) {
        if (AudioOutput *o = shared->owner.load())
            emit o->clipPlayedOut(serial);
    });
    m_quietCheck = new QTimer(this);
    m_quietCheck->setInterval(QuietCheckMs);
    // By the clock, not by frames read: a sink that stops pulling must not keep its stream open.
    connect(m_quietCheck, &QTimer::timeout, this, [this] {
        if (m_mixer->soundMark() != m_soundMark) {
            m_soundMark = m_mixer->soundMark();
            m_quiet.restart();
        } else if (m_quiet.elapsed() >= AudioOutput::QuietCloseMs) {
            stopSink();
        }
    });
    return true;
}

// No device, or one that failed: the game goes on silent, as if there had never been one.
void AudioThreadSide::giveUp()
{
    stopSink();
    m_mixer.reset();
    m_shared->setState(AudioOutput::State::Unavailable);
}

void AudioThreadSide::openStream()
{
    if (m_sink || !m_mixer)
        return;
    // The server picks the buffer (about 145 ms with PulseAudio). A smaller one lets a click into
    // an open stream be heard sooner but costs CPU all the while the music plays, and Qt's
    // PulseAudio sink stops pulling for good below about 60 ms.
    m_sink = new QAudioSink(m_device, m_format, this);
    // Frames count as played from what this sink reports, on top of what went before it.
    const qint64 before = m_mixer->framesDelivered();
    m_mixer->setPlayedFrames([sink = m_sink, before] {
        return before + sink->processedUSecs() * WaveClip::SampleRate / 1000000;
    });
    m_sink->start(m_mixer.get());
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        giveUp();
        return;
    }
    // What the sink holds in its own buffer and what the server holds in the stream's.
    m_shared->latencyFrames = 2 * m_sink->bufferSize() / AudioMixer::BytesPerFrame;
    connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State s) { onSinkState(s); });
    m_shared->streamOpen = true;
    m_soundMark = m_mixer->soundMark();
    m_quiet.start();
    m_quietCheck->start();
}

void AudioThreadSide::onSinkState(QAudio::State state)
{
    // A sound server that goes away leaves the game silent, as if there had never been a device.
    if (state == QAudio::StoppedState && m_sink && m_sink->error() != QAudio::NoError)
        QMetaObject::invokeMethod(
            this, [this] { giveUp(); }, Qt::QueuedConnection); // not inside the sink's signal
}

void AudioThreadSide::stopSink()
{
    if (m_quietCheck)
        m_quietCheck->stop();
    if (m_mixer)
        m_mixer->setPlayedFrames({});
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        delete m_sink;
        m_sink = nullptr;
    }
    m_shared->streamOpen = false;
}

void AudioThreadSide::close()
{
    auto finish = [this] {
        stopSink();
        m_mixer.reset();
        thread()->quit();
    };
    if (!m_sink) {
        finish();
        return;
    }
    // Stopping the sink drops what it still holds; a fade heard to its end leaves nothing to cut.
    m_mixer->fadeOut(FadeOutFrames);
    auto *closeCheck = new QTimer(this);
    connect(closeCheck, &QTimer::timeout, this, [this, finish] {
        if (!m_mixer || m_mixer->fadedOut())
            finish();
    });
    closeCheck->start(10);
    QTimer::singleShot(CloseTimeoutMs, this, finish);
}

AudioOutput::AudioOutput(QObject *parent)
    : QObject(parent)
    , m_shared(std::make_shared<AudioOutputShared>())
{
    if (filterUsers++ == 0)
        previousHandler = qInstallMessageHandler(audioMessageFilter);
    m_shared->owner = this;
}

AudioOutput::~AudioOutput()
{
    m_closing = true;
    m_shared->owner = nullptr;
    if (m_thread) {
        QMetaObject::invokeMethod(
            m_side, [side = m_side] { side->close(); }, Qt::QueuedConnection);
        // A sound server that hangs must not hang the game's exit: then the thread is left behind.
        if (m_thread->wait(QDeadlineTimer(JoinTimeoutMs)))
            delete m_thread;
    }
    if (--filterUsers == 0)
        qInstallMessageHandler(previousHandler);
}

AudioOutput::State AudioOutput::state() const
{
    return static_cast<State>(m_shared->state.load());
}

bool AudioOutput::streamOpen() const
{
    return m_shared->streamOpen.load();
}

qint64 AudioOutput::latencyFrames() const
{
    return m_shared->latencyFrames.load();
}

AudioThreadSide *AudioOutput::side()
{
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("audio"));
        m_side = new AudioThreadSide(m_shared);
        m_side->moveToThread(m_thread);
        connect(m_thread, &QThread::finished, m_side, &QObject::deleteLater);
        m_thread->start();
    }
    return m_side;
}

void AudioOutput::post(std::function<void()> job)
{
    if (!m_closing)
        QMetaObject::invokeMethod(side(), std::move(job), Qt::QueuedConnection);
}

void AudioOutput::postSound(std::function<void(AudioMixer &)> job)
{
    if (m_closing)
        return;
    post([side = side(), job = std::move(job)] {
        if (AudioMixer *mixer = side->mixer()) {
            job(*mixer);
            mixer->wake();
            side->openStream();
        }
    });
}

quint64 AudioOutput::playClip(std::shared_ptr<const WaveClip> clip)
{
    if (state() == State::Unavailable || !clip)
        return 0;
    const quint64 serial = ++m_lastSerial;
    postSound(
        [clip = std::move(clip), serial](AudioMixer &mixer) { mixer.playClip(clip, serial); });
    return serial;
}
