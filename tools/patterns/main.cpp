// Builds the 4 x 4 pattern tables into the file shipped beside the program.
// Usage: tessary-patterns <output file>
#include "core/files/whole_file.h"
#include "core/solver/solver_patterns.h"

#include <QFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    const auto tables = solver::buildPatternTables(nullptr);
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QByteArray bytes = tables ? solver::patternFileBytes(*tables) : QByteArray();
    if (!tables || !replaceFileWhole(path, bytes)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    // What the game will read is what was built: the file, read back as the game reads it, holds
    // these very tables.
    QFile written(path);
    const auto read = written.open(QIODevice::ReadOnly) ? solver::readPatternFile(written.readAll())
                                                        : std::nullopt;
    if (!read || solver::patternFileBytes(*read) != bytes) {
        std::fprintf(stderr, "%s: %s does not read back as the tables built\n", argv[0], argv[1]);
        QFile::remove(path);
        return 1;
    }
    return 0;
}
