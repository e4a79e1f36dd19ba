// Games of the statistics for tests: made from the facts a test is about, and printed as the
// file's line, field by field, when a compare fails.
#pragma once

#include "core/stats/game_record.h"

#include <QtTest>

Q_DECLARE_METATYPE(GameRecord)

namespace QTest {
template<>
inline char *toString(const GameRecord &record)
{
    return qstrdup(recordLine(record).replace('\t', " | ").constData());
}
} // namespace QTest

// A game started when the fake clock starts, with its clicks and playing time.
inline GameRecord gameRecord(int clicks, int seconds, bool won,
                             std::optional<int> fewest = std::nullopt)
{
    GameRecord record;
    record.started = QDateTime(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC);
    record.clicks = clicks;
    record.playedMs = 1000LL * seconds;
    record.won = won;
    record.fewest = fewest;
    return record;
}
