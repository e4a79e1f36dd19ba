// Audio figures against a private PulseAudio server playing into a null sink: what the game costs
// while nothing happens, with the music off and on, beside a bare Qt window; how soon a click is
// heard; what an effect call and the start of the music cost the UI thread.
// Usage: audio_bench [idle|clicks]   (both when not named; needs pulseaudio and pulseaudio-utils,
// which scripts/deps.sh bench installs)
#include "sound_server.h"

#include "audio/audio_music_device.h"
#include "audio/audio_output.h"
#include "audio/audio_wave_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int SettleMs = 5000;
constexpr int IdleMs = 20000;
constexpr int Clicks = 8;

void runEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void printIdle(const char *what, const IdleFigures &f)
{
    std::printf("%-28s %7.1f MB %7.1f MB %7d %9.2f%% %8d %10s\n", what, f.rssMb, f.anonymousMb, f.threads,
                f.cpuPercent, f.streams, f.fluidSynthMapped ? "yes" : "no");
}

void idleFigures(const PrivateSoundServer &server)
{
    QProcessEnvironment env = server.environment();
    const bool display = env.contains(QStringLiteral("DISPLAY")) || env.contains(QStringLiteral("WAYLAND_DISPLAY"));
    if (!display)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString game = QCoreApplication::applicationDirPath() + QStringLiteral("/../tessary/tessary");
    std::printf("Idle, %s: resident memory %d s after start, CPU over the next %d s, streams open then\n",
                display ? "on the display" : "offscreen", SettleMs / 1000, IdleMs / 1000);
    std::printf("%-28s %10s %10s %7s %10s %8s %10s\n", "", "RSS", "anonymous", "threads", "CPU", "streams",
                "FluidSynth");
    printIdle("bare Qt window", measureIdle(QCoreApplication::applicationDirPath() + QStringLiteral("/bare_window"),
                                            {}, env, server, SettleMs, IdleMs));
    server.writePreferences(false);
    printIdle("Tessary, Music Off", measureIdle(game, {}, env, server, SettleMs, IdleMs));
    server.writePreferences(true);
    printIdle("Tessary, Music On", measureIdle(game, {}, env, server, SettleMs, IdleMs));
}

void printDelays(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    if (ms.empty() || ms.front() < 0) {
        std::printf("%s: not heard\n", what);
        return;
    }
    std::printf("%s: median %.1f ms, max %.1f ms (%zu clicks)\n", what, ms[ms.size() / 2], ms.back(), ms.size());
}

// From the play call to the first sound on the sink's monitor, which arrives at most a few
// milliseconds after the sink played it.
void clickFigures(const PrivateSoundServer &server, const QString &click)
{
    SinkMonitor monitor(server);
    if (!monitor.ok()) {
        std::printf("click-to-sound: the sink's monitor cannot be recorded (parec)\n");
        return;
    }
    AudioOutput output;
    MixerWavePlayer waves(output);
    auto delayMs = [&] {
        monitor.drain();
        const qint64 start = monotonicNs();
        waves.play(click, WavePlayer::Mode::Async);
        const qint64 heard = monitor.waitForSound(2000);
        return heard ? static_cast<double>(heard - start) / 1e6 : -1.0;
    };
    auto waitUntilClosed = [&] {
        QElapsedTimer t;
        t.start();
        while (output.streamOpen() && t.elapsed() < 10000)
            runEvents(20);
        return t.elapsed();
    };
    printDelays("click-to-sound, first sound of the run (finds the server, opens the stream)", {delayMs()});
    std::vector<double> closed, open;
    qint64 closedAfterMs = 0;
    for (int i = 0; i < Clicks; ++i) {
        closedAfterMs = waitUntilClosed();
        closed.push_back(delayMs());
    }
    for (int i = 0; i < Clicks; ++i) {
        runEvents(300);
        open.push_back(delayMs());
    }
    std::printf("stream closed %lld ms after the click was heard (clip 150 ms, then %d ms quiet)\n",
                static_cast<long long>(closedAfterMs), AudioOutput::QuietCloseMs);
    printDelays("click-to-sound, stream closed (opened again for the click)", closed);
    printDelays("click-to-sound, stream still open", open);
    std::printf("stream buffer: %.1f ms in the sink and as much in the server\n",
                static_cast<double>(output.latencyFrames()) * 500.0 / WaveClip::SampleRate);
}

// What the game's start-up spends on audio on the UI thread, with the music on.
void startupFigure(const QString &tune)
{
    QElapsedTimer t;
    t.start();
    AudioOutput output;
    MixerWavePlayer waves(output);
    FluidMusicDevice music(output);
    music.setFileName(tune);
    music.setStatusUpdate([] {});
    music.command(QStringLiteral("open"));
    music.command(QStringLiteral("play"));
    std::printf("start-up on the UI thread (output, effects, music open + play): %.2f ms\n", t.nsecsElapsed() / 1e6);
    QElapsedTimer loading;
    loading.start();
    while (music.length() == 0 && loading.elapsed() < 5000)
        runEvents(5);
    std::printf("music rendering %lld ms after play (FluidSynth and the SoundFont loaded off the UI thread)\n",
                static_cast<long long>(loading.elapsed()));
}

void asyncCallFigures(const QString &click)
{
    AudioOutput output;
    MixerWavePlayer waves(output);
    QElapsedTimer t;
    t.start();
    waves.play(click, WavePlayer::Mode::Async);
    const qint64 firstNs = t.nsecsElapsed();
    std::vector<qint64> ns;
    for (int i = 0; i < 50; ++i) {
        runEvents(20);
        t.restart();
        waves.play(click, WavePlayer::Mode::Async);
        ns.push_back(t.nsecsElapsed());
    }
    std::sort(ns.begin(), ns.end());
    std::printf("async play call on the UI thread, first (decodes the file): %.1f us\n", firstNs / 1000.0);
    std::printf("async play call on the UI thread, later: median %.1f us, max %.1f us (%zu calls)\n",
                ns[ns.size() / 2] / 1000.0, ns.back() / 1000.0, ns.size());
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    PrivateSoundServer server;
    if (!server.ok()) {
        std::printf("pulseaudio could not be started: scripts/deps.sh bench installs it\n");
        return 1;
    }
    const QString part = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (part.isEmpty() || part == QLatin1String("idle"))
        idleFigures(server);
    if (part.isEmpty() || part == QLatin1String("clicks")) {
        server.useInThisProcess();
        const QDir media(QStringLiteral(TESSARY_MEDIA_DIR));
        const QString click = media.filePath(QStringLiteral("change.wav"));
        clickFigures(server, click);
        asyncCallFigures(click);
        startupFigure(media.filePath(QStringLiteral("fallmorn.mid")));
    }
    return 0;
}
