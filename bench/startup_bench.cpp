// Start-up figures: process start to splash shown, StartProgram to main window shown, peak memory.
// Runs itself as a child process so that loading the program is part of the first figure.
#include "ui/splash.h"
#include "ui/startup.h"
#include "ui/main_window.h"
#include "adapters/ini_settings_store.h"
#include "adapters/qt_message_boxes.h"
#include "adapters/qt_program_control.h"
#include "adapters/silent_devices.h"
#include "adapters/system_random.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

QString peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return QString::fromLatin1(line.mid(6).trimmed());
    return QStringLiteral("?");
}

int child(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir config;
    SystemRandom random;
    IniSettingsStore settings(config.path());
    SilentWavePlayer waves;
    SilentMusicDevice music;
    QtMessageBoxes messages;
    NoHelpViewer help;
    QtProgramControl program;
    SystemClock clock;
    Platform platform{QString::fromLocal8Bit(qgetenv("TESSARY_BENCH_FOLDER")), random, settings, waves, music,
                      messages, help, program, clock};
    std::unique_ptr<Form1> form;
    qint64 startProgramAt = 0;
    auto *splash = new frmSplash([&] {
        startProgramAt = monotonicNs();
        form = StartProgram(platform);
        QApplication::processEvents();  // let the window reach the screen
        std::printf("main %lld\n", static_cast<long long>(monotonicNs() - startProgramAt));
        std::printf("memory %s\n", qPrintable(peakMemory()));
        std::fflush(stdout);
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    });
    splash->show();
    QApplication::processEvents();
    std::printf("splash %lld\n", static_cast<long long>(monotonicNs()));
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = 5;
    double splashMs = 0, mainMs = 0;
    QString memory;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TESSARY_BENCH_FOLDER"), QCoreApplication::applicationDirPath() + "/../tessary");
        process.setProcessEnvironment(env);
        const qint64 started = monotonicNs();
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        process.waitForFinished(30000);
        for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.value(0) == "splash")
                splashMs += (parts.value(1).toLongLong() - started) / 1e6;
            else if (parts.value(0) == "main")
                mainMs += parts.value(1).toLongLong() / 1e6;
            else if (parts.value(0) == "memory")
                memory = QString::fromLatin1(parts.mid(1).join(' '));
        }
    }
    std::printf("process start to splash shown: %.1f ms (mean of %d)\n", splashMs / runs, runs);
    std::printf("StartProgram to main window shown: %.1f ms (mean of %d)\n", mainMs / runs, runs);
    std::printf("peak memory after start-up: %s\n", qPrintable(memory));
    return 0;
}
