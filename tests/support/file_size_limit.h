// Test files on disk: whole-file reads and writes, and a full disk without filling one.
#pragma once

#include <QFile>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

// The whole file, or nothing when it cannot be opened.
inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

// No file can grow past `bytes` while this lives; a write past the limit fails with EFBIG
// instead of ending the test with SIGXFSZ.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limited{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old), std::signal(SIGXFSZ, handler); }
    void (*handler)(int);
    rlimit old{};
};
