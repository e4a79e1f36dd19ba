// One game played, as the statistics keep it, and its line in the statistics file.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

struct GameRecord
{
    QDateTime started; // coordinated universal time, to the millisecond
    int size = 4;
    QString picture = QStringLiteral("Numbers"); // "Numbers", a stock picture's name or "Custom"
    qint32 clicks = 0;
    qint64 playedMs = 0; // while the window was in use, and not while the board was left alone
    bool won = false;    // else left unfinished
    bool hint = false;
    bool undo = false;
    std::optional<int> fewest; // the fewest clicks possible, where known

    // "4x4 Numbers", "5x5 Cow": the statistics are kept per board.
    QString board() const;
    friend bool operator==(const GameRecord &, const GameRecord &) = default;
};

// "2026-12-07T10:00:00.000Z", written and read by hand: exactly this form, and fast (Qt's general
// date parser would take most of the time of reading ten thousand games). An invalid time for any
// other text.
QByteArray utcTimeText(const QDateTime &time);
QDateTime parseUtcTimeText(const QByteArray &text);

// The record's line in the file, tab-separated and without the line break:
// 2026-12-07T10:00:00.000Z  4x4  Numbers  57  83.250  won  -  undo  31
QByteArray recordLine(const GameRecord &record);
// Nothing for a line that is not such a record, or holds a value no game can have.
std::optional<GameRecord> parseRecordLine(const QByteArray &line);
