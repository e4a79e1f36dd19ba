// The statistics file: a comment heading that says what the columns are, then one game a line.
#include "core/stats/stats_file.h"

#include "core/files/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {
const QByteArray Heading =
    "# Tessary statistics: one game a line, tab-separated: start (UTC), board size, picture,\n"
    "# clicks, playing time in seconds, won or left, hint, undo, fewest clicks possible (- where\n"
    "# not known).\n";

struct Contents
{
    bool readable = false; // absent counts as readable: there is nothing to lose
    QByteArray text;
};

Contents contents(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {true, {}};
    QFile file(path);
    if (!info.isFile() || info.size() > MaxStatsFileBytes || !file.open(QIODevice::ReadOnly))
        return {false, {}};
    const QByteArray text = file.read(MaxStatsFileBytes + 1);
    return {text.size() <= MaxStatsFileBytes, text};
}

// Calls `visit` with each line of `text` as split('\n') would give it, and the line without a
// "\r" before its break; both share the text's bytes, so a file of many lines is not copied a line
// at a time.
template<typename Visit>
void forEachLine(const QByteArray &text, Visit visit)
{
    for (qsizetype start = 0;;) {
        const qsizetype end = text.indexOf('\n', start);
        const qsizetype size = (end < 0 ? text.size() : end) - start;
        const char *from = text.constData() + start;
        visit(QByteArray::fromRawData(from, size),
              QByteArray::fromRawData(from, size > 0 && from[size - 1] == '\r' ? size - 1 : size));
        if (end < 0)
            return;
        start = end + 1;
    }
}
} // namespace

QList<GameRecord> readRecords(const QByteArray &text)
{
    QList<GameRecord> records;
    forEachLine(text, [&records](const QByteArray &, const QByteArray &bare) {
        if (const auto record = parseRecordLine(bare))
            records << *record;
    });
    return records;
}

StatsFile::StatsFile(QString folder) : m_folder(std::move(folder))
{
}

QString StatsFile::path() const
{
    return m_folder.isEmpty() ? QString() : m_folder + '/' + QLatin1String(StatsFileName);
}

QList<GameRecord> StatsFile::load() const
{
    QFile file(path());
    if (!QFileInfo(path()).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return readRecords(file.read(MaxStatsFileBytes));
}

std::optional<QList<GameRecord>> StatsFile::save(const QList<GameRecord> &added,
                                                 const QString &reset) const
{
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return std::nullopt;
    const SaveLock lock(path());
    const Contents now = contents(path());
    if (!now.readable)
        return std::nullopt;
    const MergedStatistics merged = mergeStatistics(now.text, added, reset);
    if (!replaceFileWhole(path(), merged.text))
        return std::nullopt;
    return merged.records;
}

MergedStatistics mergeStatistics(const QByteArray &now, const QList<GameRecord> &added,
                                 const QString &reset)
{
    QByteArray text = now.isEmpty() ? Heading : QByteArray();
    QSet<QByteArray> held; // lines of `now` share its bytes, which outlive the set
    QList<GameRecord> records;
    forEachLine(now, [&](const QByteArray &line, const QByteArray &bare) {
        const auto record = parseRecordLine(bare);
        if (record && !reset.isEmpty() && record->board() == reset)
            return;
        if (record) {
            held.insert(bare);
            records << *record;
        }
        text += line;
        text += '\n';
    });
    text.chop(1); // one more line than the text has line breaks
    if (!text.isEmpty() && !text.endsWith('\n'))
        text += '\n';
    for (const GameRecord &record : added) {
        const QByteArray line = recordLine(record);
        if (record.board() == reset || held.contains(line))
            continue;
        held.insert(line);
        text += line + '\n';
        records << record;
    }
    return {text, records};
}
