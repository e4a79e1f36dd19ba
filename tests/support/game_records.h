// Games of the statistics as tests print them when a compare fails: the file's line, field by
// field.
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
