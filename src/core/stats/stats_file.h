// The statistics file: every game played, a line each, shared by every copy of the game.
#pragma once

#include "core/stats/game_record.h"

#include <QList>
#include <QString>
#include <optional>

inline constexpr char StatsFileName[] = "Statistics.txt";
// Ten thousand games take well under a megabyte; a larger file is read this far and then left
// alone, never rewritten without what lies beyond.
inline constexpr qint64 MaxStatsFileBytes = 16 << 20;

// The records a file's text holds, in file order; lines that are not records are passed over.
QList<GameRecord> readRecords(const QByteArray &text);

struct MergedStatistics
{
    QByteArray text;
    QList<GameRecord> records; // every record of `text`
};
// The file's text `now` with the records of `added` it does not hold yet put at the end and those
// of board `reset` taken out, every other line kept as it stands; a heading when `now` is empty.
MergedStatistics mergeStatistics(const QByteArray &now, const QList<GameRecord> &added,
                                 const QString &reset = {});

class StatsFile
{
public:
    explicit StatsFile(QString folder);
    QString path() const;
    // What can be read; nothing when there is no file.
    QList<GameRecord> load() const;
    // Under a lock beside the file: mergeStatistics() of the file as it is now, replaced whole or
    // not at all. Returns every record then in the file, or nothing when the file
    // could not be written or could not be rewritten without losing what it held.
    std::optional<QList<GameRecord>> save(const QList<GameRecord> &added,
                                          const QString &reset = {}) const;

private:
    QString m_folder;
};
