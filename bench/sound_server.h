// A private PulseAudio server playing into a null sink, and what the audio benchmark reads from it
// and from a running program.
#pragma once

#include <QProcess>
#include <QTemporaryDir>

class PrivateSoundServer {
public:
    static constexpr const char *SinkName = "bench";

    // Starts `pulseaudio -n` in a runtime folder of its own; ok() tells whether it answers.
    PrivateSoundServer();
    // Stops the server.
    ~PrivateSoundServer();

    bool ok() const { return m_ok; }
    // Runtime folder, home and configuration folder of their own: the user's server and settings
    // are never touched.
    QProcessEnvironment environment() const;
    // Points this process's own audio at the server.
    void useInThisProcess() const;
    // The program's preferences for the next run, in the private configuration folder.
    void writePreferences(bool music) const;
    // Streams open on the server right now (`pactl list short sink-inputs`).
    int streamsOpen() const;

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QProcess m_server;
    bool m_ok = false;
};

// What a program in its idle state costs, read from /proc.
struct IdleFigures {
    double rssMb = 0;        // resident memory 5 s after start
    double anonymousMb = 0;  // of which anonymous
    int threads = 0;
    double cpuPercent = 0;   // of one core over the idle window
    int streams = -1;        // open on the server at the end of the window
    bool fluidSynthMapped = false;
};

// Starts program with args in env, reads its memory after settleMs and its CPU over idleMs, then
// ends it. Streams are counted on server.
IdleFigures measureIdle(const QString &program, const QStringList &args, const QProcessEnvironment &env,
                        const PrivateSoundServer &server, int settleMs, int idleMs);

// Records what the null sink plays, from its monitor, with as little buffering as the server allows.
class SinkMonitor {
public:
    explicit SinkMonitor(const PrivateSoundServer &server);
    ~SinkMonitor();

    bool ok() const { return m_ok; }
    // Throws away what has been recorded so far.
    void drain();
    // Waits until a frame that is not silent arrives; returns when it did (CLOCK_MONOTONIC, ns),
    // or 0 after timeoutMs.
    qint64 waitForSound(int timeoutMs);

private:
    QProcess m_recorder;
    bool m_ok = false;
};

qint64 monotonicNs();
