// The pattern tables' file: made by the build, read by the first 4 x 4 search of a run.
#include "core/solver/solver_patterns.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <mutex>

namespace solver {

namespace {
const QByteArray PatternHeading = QByteArrayLiteral("Tessary pattern tables 2\n");

// FNV-1a over 64-bit words (least significant byte first), then over the bytes left: eight times
// faster than byte by byte, which kept the first 4 x 4 game waiting for tens of milliseconds.
quint64 fnv1a(const char *data, qsizetype size)
{
    quint64 hash = 14695981039346656037ull;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word = 0;
        for (int k = 7; k >= 0; --k)
            word = word << 8 | static_cast<uint8_t>(data[i + k]);
        hash = (hash ^ word) * 1099511628211ull;
    }
    for (; i < size; ++i)
        hash = (hash ^ static_cast<uint8_t>(data[i])) * 1099511628211ull;
    return hash;
}

// Set from the UI thread, read by the search's worker.
std::mutex pathLock;
QString path;

QString patternFilePath()
{
    const std::lock_guard lock(pathLock);
    return path;
}

} // namespace

std::optional<std::vector<PatternTable>> loadPatternFile()
{
    QFile file(patternFilePath());
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    size_t expected = static_cast<size_t>(PatternHeading.size()) + sizeof(quint64);
    for (const std::vector<int> &pieces : tablePatterns())
        expected += PatternTable::residueBytes(pieces.size());
    if (static_cast<size_t>(file.size()) != expected)
        return std::nullopt;
    return readPatternFile(file.readAll());
}

QByteArray patternFileBytes(const std::vector<PatternTable> &tables)
{
    QByteArray bytes = PatternHeading;
    for (const PatternTable &table : tables)
        bytes.append(reinterpret_cast<const char *>(table.residues().data()),
                     static_cast<qsizetype>(table.residues().size()));
    const quint64 sum = fnv1a(bytes.constData(), bytes.size());
    for (int i = 0; i < 8; ++i) // least significant byte first
        bytes.append(static_cast<char>(sum >> (8 * i)));
    return bytes;
}

std::optional<std::vector<PatternTable>> readPatternFile(const QByteArray &bytes)
{
    qsizetype at = PatternHeading.size();
    const qsizetype payload = bytes.size() - qsizetype(sizeof(quint64));
    if (payload < at || !bytes.startsWith(PatternHeading))
        return std::nullopt;
    quint64 sum = 0;
    for (int i = 8; i-- > 0;)
        sum = sum << 8 | static_cast<uint8_t>(bytes[payload + i]);
    if (sum != fnv1a(bytes.constData(), payload))
        return std::nullopt;
    std::vector<PatternTable> tables;
    for (const std::vector<int> &pieces : tablePatterns()) {
        const auto size = static_cast<qsizetype>(PatternTable::residueBytes(pieces.size()));
        if (payload - at < size)
            return std::nullopt;
        const auto *first = reinterpret_cast<const uint8_t *>(bytes.constData() + at);
        tables.emplace_back(pieces, std::vector<uint8_t>(first, first + size));
        at += size;
    }
    if (at != payload)
        return std::nullopt;
    return tables;
}

void usePatternFile(const QString &file)
{
    const std::lock_guard lock(pathLock);
    path = file;
}

} // namespace solver
