// Feeds every kept fuzz input and seed, and the shipped media, through the fuzz entry points:
// a plain build without libFuzzer still checks every input that once found a fault.
#include "entry_points.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sys/resource.h>

namespace {
// No file may make the program hold this much more memory than before it was read.
constexpr long MaxGrowthKb = 256 * 1024;

long peakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

using Entry = int (*)(const uint8_t *, size_t);

struct Target {
    const char *name;
    Entry entry;
    QStringList mediaSuffixes;  // shipped files this target reads
};

int feed(const Target &target, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "FAULT: cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    // Named first: a fault aborts, and the log then ends with the input that caused it.
    std::printf("%s: %s\n", target.name, qPrintable(path));
    std::fflush(stdout);
    const long before = peakKb();
    target.entry(reinterpret_cast<const uint8_t *>(bytes.constData()), static_cast<size_t>(bytes.size()));
    if (peakKb() - before > MaxGrowthKb) {
        std::fprintf(stderr, "FAULT: %s took %ld MB\n", qPrintable(path), (peakKb() - before) / 1024);
        return 1;
    }
    return 0;
}
} // namespace

// Under AddressSanitizer, one allocation of 256 MB is a fault, as it is to the fuzzer: a reader
// that asks for it on a file's word and gives it back untouched leaves no trace in the peak.
extern "C" const char *__asan_default_options();
extern "C" const char *__asan_default_options()
{
    return "max_allocation_size_mb=255";
}

// Usage: fuzz_regressions <fuzz folder> <media folder>
int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <fuzz folder> <media folder>\n", argv[0]);
        return 2;
    }
    fuzz::initialise(&argc, &argv);
    const QString fuzzFolder = QString::fromLocal8Bit(argv[1]);
    const QDir media(QString::fromLocal8Bit(argv[2]));
    const Target targets[] = {
        {"score_file", fuzz::scoreFile, {}},
        {"settings_values", fuzz::settingsValues, {}},
        {"picture_file", fuzz::pictureFile, {"gif", "jpg"}},
        {"help_topics", fuzz::helpTopics, {"html"}},
        {"wave_file", fuzz::waveFile, {"wav"}},
        {"tune_file", fuzz::tuneFile, {"mid"}},
        {"kept_game", fuzz::keptGame, {}},
        {"statistics", fuzz::statistics, {}},
    };
    int failures = 0;
    int inputs = 0;
    for (const Target &target : targets) {
        for (const char *kind : {"regressions", "seeds"}) {
            QDirIterator it(fuzzFolder + '/' + kind + '/' + target.name, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                failures += feed(target, it.next());
                ++inputs;
            }
        }
        for (const QFileInfo &info : media.entryInfoList(QDir::Files)) {
            if (target.mediaSuffixes.contains(info.suffix().toLower())) {
                failures += feed(target, info.filePath());
                ++inputs;
            }
        }
    }
    std::printf("%d inputs fed, %d failed\n", inputs, failures);
    return failures == 0 && inputs > 0 ? 0 : 1;
}
