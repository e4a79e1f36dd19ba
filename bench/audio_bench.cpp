// Audio figures: UI-thread time added to start-up, the cost of an effect call, CPU while the music plays.
// Usage: audio_bench [media folder] [seconds of music to measure, default 30]
#include "platform/audio_music_device.h"
#include "platform/audio_output.h"
#include "platform/audio_wave_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void runEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until done() or the limit; returns the milliseconds it took.
template <typename Done> qint64 waitFor(Done done, int limitMs)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs)
        runEvents(5);
    return t.elapsed();
}

double cpuPercentOver(int seconds)
{
    const double cpu = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runEvents(seconds * 1000);
    return 100.0 * (processCpuSeconds() - cpu) / (static_cast<double>(wall.nsecsElapsed()) * 1e-9);
}

void asyncCallFigures(MixerWavePlayer &waves, const QString &file)
{
    QElapsedTimer t;
    t.start();
    waves.play(file, WavePlayer::Mode::Async);
    const qint64 firstNs = t.nsecsElapsed();
    std::vector<qint64> ns;
    for (int i = 0; i < 50; ++i) {
        runEvents(20);
        t.restart();
        waves.play(file, WavePlayer::Mode::Async);
        ns.push_back(t.nsecsElapsed());
    }
    std::sort(ns.begin(), ns.end());
    std::printf("async play call, first (decodes the file): %.1f us\n", firstNs / 1000.0);
    std::printf("async play call, later: median %.1f us, max %.1f us (%zu calls)\n", ns[ns.size() / 2] / 1000.0,
                ns.back() / 1000.0, ns.size());
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString media = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TESSARY_MEDIA_DIR);
    const int seconds = argc > 2 ? std::max(1, atoi(argv[2])) : 30;

    QElapsedTimer t;
    t.start();
    auto *output = new AudioOutput;
    auto *waves = new MixerWavePlayer(*output);
    auto *music = new FluidMusicDevice(*output);
    music->setFileName(QDir(media).filePath(QStringLiteral("fallmorn.mid")));
    music->setStatusUpdate([] {});
    music->command(QStringLiteral("open"));
    music->command(QStringLiteral("play"));
    std::printf("start-up on the UI thread (output, effects, music open + play): %.2f ms\n", t.nsecsElapsed() / 1e6);

    const qint64 openMs = waitFor([&] { return output->state() != AudioOutput::State::Starting; }, 5000);
    if (output->state() != AudioOutput::State::Open) {
        std::printf("no audio device: every call is a no-op (found out in %lld ms)\n", static_cast<long long>(openMs));
        asyncCallFigures(*waves, QDir(media).filePath(QStringLiteral("change.wav")));
    } else {
        std::printf("device open after %lld ms (off the UI thread)\n", static_cast<long long>(openMs));
        const qint64 musicMs = waitFor([&] { return music->length() > 0; }, 5000);
        std::printf("music rendering after %lld ms (SoundFont loaded off the UI thread)\n", static_cast<long long>(musicMs + openMs));
        runEvents(2000);
        std::printf("CPU of the whole process, music playing: %.2f%% of one core over %d s\n", cpuPercentOver(seconds), seconds);
        asyncCallFigures(*waves, QDir(media).filePath(QStringLiteral("change.wav")));
        t.restart();
        waves->play(QDir(media).filePath(QStringLiteral("pop.wav")), WavePlayer::Mode::Sync);
        std::printf("sync play of pop.wav (0.30 s) returned after %lld ms\n", static_cast<long long>(t.elapsed()));
        music->command(QStringLiteral("stop"));
        runEvents(3000);
        std::printf("CPU of the whole process, music stopped: %.2f%% of one core over %d s\n", cpuPercentOver(seconds / 3 + 1), seconds / 3 + 1);
    }
    t.restart();
    music->command(QStringLiteral("close"));
    delete music;
    delete waves;
    delete output;
    std::printf("shut-down of the audio: %lld ms\n", static_cast<long long>(t.elapsed()));
    return 0;
}
