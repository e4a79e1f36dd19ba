// Test files on disk: whole-file reads and writes, and a full disk without filling one.
#pragma once

#include <QtTest>
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

// What `act` returns, run while no file can grow past `bytes`; a write past the limit fails with
// EFBIG instead of ending the test with SIGXFSZ.
template<typename Act>
auto withFileSizeLimit(rlim_t bytes, Act act)
{
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit limited{bytes, old.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    const auto result = act();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    return result;
}
