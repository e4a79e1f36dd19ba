// Builds the 4 x 4 pattern tables into the file shipped beside the program.
// Usage: tessary-patterns <output file>
#include "core/files/whole_file.h"
#include "core/solver/solver_patterns.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    const auto tables = solver::buildPatternTables(nullptr);
    if (!tables || !replaceFileWhole(QString::fromLocal8Bit(argv[1]), solver::patternFileBytes(*tables))) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
