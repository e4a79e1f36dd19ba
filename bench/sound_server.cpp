// Starting and stopping the private sound server; reading a program's memory and CPU from /proc.
#include "sound_server.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <ctime>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
QByteArray readProc(qint64 pid, const char *name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A "Name: value kB" line of a /proc status-like file.
qint64 field(const QByteArray &text, const QByteArray &name)
{
    for (const QByteArray &line : text.split('\n'))
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// User and system time of the whole process, in seconds.
double cpuSeconds(qint64 pid)
{
    const QByteArray stat = readProc(pid, "stat");
    // The command name may hold spaces; the fields after it are plain.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();  // utime, stime
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}
} // namespace

PrivateSoundServer::PrivateSoundServer()
{
    for (const char *folder : {"runtime", "home", "config"})
        QDir(m_dir.path()).mkdir(QLatin1String(folder));
    QFile::setPermissions(path(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_server.setProcessEnvironment(environment());
    m_server.setStandardOutputFile(QProcess::nullDevice());
    m_server.setStandardErrorFile(path(QStringLiteral("pulseaudio.log")));
    // A benchmark that is killed takes its server with it.
    m_server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_server.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--use-pid-file=no"), QStringLiteral("--disallow-exit"),
                    QStringLiteral("--load=module-null-sink sink_name=%1").arg(QLatin1String(SinkName)),
                    QStringLiteral("--load=module-native-protocol-unix")});
    if (!m_server.waitForStarted(5000))
        return;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000 && m_server.state() == QProcess::Running) {
        QProcess info;
        info.setProcessEnvironment(environment());
        info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        if (info.waitForFinished(2000) && info.exitCode() == 0) {
            m_ok = true;
            return;
        }
        QThread::msleep(100);
    }
}

PrivateSoundServer::~PrivateSoundServer()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(5000))
        m_server.kill();
    m_server.waitForFinished(2000);
}

QProcessEnvironment PrivateSoundServer::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("runtime")));
    env.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + path(QStringLiteral("runtime/pulse/native")));
    env.remove(QStringLiteral("PULSE_SINK"));
    return env;
}

void PrivateSoundServer::useInThisProcess() const
{
    const QProcessEnvironment env = environment();
    for (const char *name : {"XDG_RUNTIME_DIR", "HOME", "XDG_CONFIG_HOME", "PULSE_SERVER"})
        qputenv(name, env.value(QLatin1String(name)).toLocal8Bit());
}

void PrivateSoundServer::writePreferences(bool music) const
{
    QFile conf(path(QStringLiteral("config/Orvane.Works.conf")));
    if (conf.open(QIODevice::WriteOnly | QIODevice::Truncate))
        conf.write(QByteArray("[Tessary]\nMusic=") + (music ? "True" : "False") + "\nSound=True\nStatusBar=True\n");
}

int PrivateSoundServer::streamsOpen() const
{
    QProcess list;
    list.setProcessEnvironment(environment());
    list.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    if (!list.waitForFinished(5000) || list.exitCode() != 0)
        return -1;
    const QByteArray lines = list.readAllStandardOutput().trimmed();
    return lines.isEmpty() ? 0 : static_cast<int>(lines.count('\n')) + 1;
}

IdleFigures measureIdle(const QString &program, const QStringList &args, const QProcessEnvironment &env,
                        const PrivateSoundServer &server, int settleMs, int idleMs)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, args);
    IdleFigures figures;
    if (!process.waitForStarted(5000))
        return figures;
    const qint64 pid = process.processId();
    QThread::msleep(static_cast<unsigned long>(settleMs));
    const QByteArray status = readProc(pid, "status");
    figures.rssMb = static_cast<double>(field(status, "VmRSS")) / 1024.0;
    figures.threads = static_cast<int>(field(status, "Threads"));
    figures.anonymousMb = static_cast<double>(field(readProc(pid, "smaps_rollup"), "Anonymous")) / 1024.0;
    figures.fluidSynthMapped = readProc(pid, "maps").contains("libfluidsynth");
    const double cpu = cpuSeconds(pid);
    QElapsedTimer wall;
    wall.start();
    QThread::msleep(static_cast<unsigned long>(idleMs));
    figures.cpuPercent = 100.0 * (cpuSeconds(pid) - cpu) / (static_cast<double>(wall.nsecsElapsed()) * 1e-9);
    figures.streams = server.streamsOpen();
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(2000);
    return figures;
}

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

SinkMonitor::SinkMonitor(const PrivateSoundServer &server)
{
    m_recorder.setProcessEnvironment(server.environment());
    m_recorder.setStandardErrorFile(QProcess::nullDevice());
    m_recorder.start(QStringLiteral("parec"),
                     {QStringLiteral("-d"), QStringLiteral("%1.monitor").arg(QLatin1String(PrivateSoundServer::SinkName)),
                      QStringLiteral("--raw"), QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                      QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=1")});
    m_ok = m_recorder.waitForStarted(5000) && m_recorder.waitForReadyRead(5000);
}

SinkMonitor::~SinkMonitor()
{
    m_recorder.kill();
    m_recorder.waitForFinished(2000);
}

void SinkMonitor::drain()
{
    m_recorder.waitForReadyRead(50);
    m_recorder.readAll();
}

qint64 SinkMonitor::waitForSound(int timeoutMs)
{
    const qint64 deadline = monotonicNs() + qint64(timeoutMs) * 1000000;
    while (monotonicNs() < deadline) {
        if (!m_recorder.waitForReadyRead(static_cast<int>((deadline - monotonicNs()) / 1000000) + 1))
            continue;
        const qint64 arrived = monotonicNs();
        const QByteArray data = m_recorder.readAll();
        const auto *samples = reinterpret_cast<const qint16 *>(data.constData());
        for (qsizetype i = 0; i < data.size() / 2; ++i)
            if (samples[i] != 0)
                return arrived;
    }
    return 0;
}
