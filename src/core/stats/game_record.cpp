// A record's line: start, board size, picture, clicks, seconds, won or left, hint, undo, fewest.
#include "core/stats/game_record.h"

#include "core/board/game_setup.h"

#include <QList>
#include <array>
#include <cstdio>

namespace {
constexpr qint32 MaxClicks = 100'000'000;
constexpr double MaxSeconds = 10.0 * 365 * 24 * 3600;

bool knownPicture(const QString &name)
{
    if (name == QLatin1String("Numbers") || name == QLatin1String("Custom"))
        return true;
    for (const StockPicture &stock : StockPictures)
        if (name == QLatin1String(stock.caption))
            return true;
    return false;
}

// Digits only: no sign, no blanks, no leading zero, nothing a number this program writes would not
// be. So a line read is exactly the line the record writes, and a game is never saved twice.
std::optional<qint64> count(const QByteArray &text, qint64 max)
{
    if (text.isEmpty() || text.size() > 12 || (text.size() > 1 && text[0] == '0')
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const qint64 value = text.toLongLong();
    return value <= max ? std::optional<qint64>(value) : std::nullopt;
}

std::optional<bool> mark(const QByteArray &text, const char *yes, const char *no)
{
    if (text == yes || text == no)
        return text == yes;
    return std::nullopt;
}
} // namespace

QByteArray utcTimeText(const QDateTime &time)
{
    const QDateTime utc = time.toUTC();
    const QDate d = utc.date();
    const QTime t = utc.time();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", d.year(), d.month(),
                  d.day(), t.hour(), t.minute(), t.second(), t.msec());
    return text;
}

QDateTime parseUtcTimeText(const QByteArray &text)
{
    static const char Pattern[] = "dddd-dd-ddTdd:dd:dd.dddZ";
    if (text.size() != qsizetype(sizeof Pattern) - 1)
        return {};
    for (qsizetype i = 0; i < text.size(); ++i)
        if (Pattern[i] == 'd' ? text[i] < '0' || text[i] > '9' : text[i] != Pattern[i])
            return {};
    const auto at = [&text](int from, int digits) {
        int value = 0;
        for (int i = from; i < from + digits; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    const QDate date(at(0, 4), at(5, 2), at(8, 2));
    const QTime time(at(11, 2), at(14, 2), at(17, 2), at(20, 3));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

QString GameRecord::board() const
{
    return QStringLiteral("%1x%1 %2").arg(size).arg(picture);
}

QByteArray recordLine(const GameRecord &record)
{
    const QByteArrayList fields{
        utcTimeText(record.started),
        QByteArray::number(record.size) + 'x' + QByteArray::number(record.size),
        record.picture.toUtf8(),
        QByteArray::number(record.clicks),
        QByteArray::number(double(record.playedMs) / 1000.0, 'f', 3),
        record.won ? "won" : "left",
        record.hint ? "hint" : "-",
        record.undo ? "undo" : "-",
        record.fewest ? QByteArray::number(*record.fewest) : "-",
    };
    return fields.join('\t');
}

std::optional<GameRecord> parseRecordLine(const QByteArray &line)
{
    // Counted first: splitting every line that is no record would cost more than the records.
    if (line.count('\t') != 8)
        return std::nullopt;
    // The fields share the line's bytes: most lines a save reads are records.
    std::array<QByteArray, 9> fields;
    for (qsizetype k = 0, start = 0; k < 9; ++k) {
        const qsizetype end = k < 8 ? line.indexOf('\t', start) : line.size();
        fields[size_t(k)] = QByteArray::fromRawData(line.constData() + start, end - start);
        start = end + 1;
    }
    GameRecord record;
    record.started = parseUtcTimeText(fields[0]);
    const QByteArrayList sides = fields[1].split('x');
    const auto size = count(sides.value(0), LargestBoard);
    record.picture = QString::fromUtf8(fields[2]);
    const auto clicks = count(fields[3], MaxClicks);
    const QByteArrayList seconds = fields[4].split('.');
    const auto whole = count(seconds.value(0), qint64(MaxSeconds));
    // Always three digits, leading zeros included.
    const QByteArray fraction = seconds.value(1);
    const bool thousandths = fraction.size() == 3
                             && std::all_of(fraction.begin(), fraction.end(),
                                            [](char c) { return c >= '0' && c <= '9'; });
    const auto won = mark(fields[5], "won", "left");
    const auto hint = mark(fields[6], "hint", "-");
    const auto undo = mark(fields[7], "undo", "-");
    const auto fewest = count(fields[8], 1000);
    if (!record.started.isValid() || sides.size() != 2 || sides[0] != sides[1] || !size
        || *size < SmallestBoard || !knownPicture(record.picture) || !clicks || seconds.size() != 2
        || !whole || !thousandths || !won || !hint || !undo || (!fewest && fields[8] != "-"))
        return std::nullopt;
    record.size = int(*size);
    record.clicks = qint32(*clicks);
    record.playedMs = *whole * 1000 + fraction.toInt();
    record.won = *won;
    record.hint = *hint;
    record.undo = *undo;
    if (fewest)
        record.fewest = int(*fewest);
    return record;
}
