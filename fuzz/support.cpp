// The application object, scratch files and fault reports the fuzz entry points share.
#include "entry_points.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

void initialise(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A fixed zone: otherwise the C library looks at /etc/localtime for every file time read.
    qputenv("TZ", "UTC0");
    // Qt's warnings about damaged pictures would drown the fuzzer's own output.
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    static QGuiApplication app(*argc, *argv);
}

void require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "FAULT: %s\n", what);
    std::abort();
}

QString scratchFile(const QString &name, const QByteArray &bytes)
{
    // Memory-backed when possible: the targets write a file on every run.
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/tessary-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/tessary-fuzz-XXXXXX"));
    require(dir.isValid(), "no scratch folder");
    const QString path = dir.filePath(name);
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file cannot be written");
    require(file.write(bytes) == bytes.size(), "scratch file written short");
    file.close();
    return path;
}

} // namespace fuzz
