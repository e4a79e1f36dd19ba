// Playing effects asynchronously or to their end, on the mixer's clip channel.
#include "audio/audio_wave_player.h"

#include "audio/audio_output.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace {
// Beyond the clip and the device's buffer, for a device that is slow to start pulling.
constexpr qint64 SafetyMarginMs = 500;

// Drops the player's input for the whole program while a clip plays to its end: input given
// during the wait is lost, not delivered afterwards.
class InputSwallower : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick: return true;
        default: return false;
        }
    }
};
} // namespace

void MixerWavePlayer::play(const QString &path, Mode mode)
{
    if (m_output.state() == AudioOutput::State::Unavailable)
        return;
    const std::shared_ptr<const WaveClip> wave = clip(path);
    if (!wave)
        return;
    if (mode == Mode::Async)
        m_output.playClip(wave);
    else
        playToEnd(wave);
}

std::shared_ptr<const WaveClip> MixerWavePlayer::clip(const QString &path)
{
    auto it = m_clips.constFind(path);
    if (it != m_clips.cend())
        return *it;
    std::shared_ptr<const WaveClip> decoded = decodeWaveFile(path);
    // A file that failed is tried again next time: it may have been put in place since.
    if (decoded)
        m_clips.insert(path, decoded);
    return decoded;
}

void MixerWavePlayer::playToEnd(const std::shared_ptr<const WaveClip> &wave)
{
    QEventLoop loop;
    quint64 serial = 0;
    // Connected before the clip starts; the queued report can only arrive inside loop.exec().
    QObject::connect(&m_output, &AudioOutput::clipPlayedOut, &loop, [&loop, &serial](quint64 done) {
        if (serial != 0 && done >= serial)
            loop.quit();
    });
    QObject::connect(&m_output, &AudioOutput::stateChanged, &loop,
                     [&loop](AudioOutput::State state) {
                         if (state == AudioOutput::State::Unavailable)
                             loop.quit();
                     });
    serial = m_output.playClip(wave);
    if (serial == 0)
        return;
    const qint64 latencyMs = m_output.latencyFrames() * 1000 / WaveClip::SampleRate;
    QTimer::singleShot(static_cast<int>(wave->durationMs() + latencyMs + SafetyMarginMs), &loop,
                       &QEventLoop::quit);
    InputSwallower swallower;
    QCoreApplication::instance()->installEventFilter(&swallower);
    const std::shared_ptr<void> held = m_holdInput ? m_holdInput() : nullptr;
    loop.exec();
    QCoreApplication::instance()->removeEventFilter(&swallower);
}
