// Counts, bests and medians over one board's games.
#include "core/stats/stats_summary.h"

#include <QMap>
#include <algorithm>
#include <tuple>

namespace {
std::optional<double> median(QList<double> values)
{
    if (values.isEmpty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

std::optional<double> lowest(const QList<double> &values)
{
    if (values.isEmpty())
        return std::nullopt;
    return *std::min_element(values.begin(), values.end());
}
} // namespace

BoardSummary summarize(const QList<GameRecord> &records, const QString &board)
{
    BoardSummary summary;
    QList<double> clicks, seconds, beyond;
    int inFewest = 0;
    for (const GameRecord &record : records) {
        if (record.board() != board)
            continue;
        ++summary.played;
        if (!record.won)
            continue;
        ++summary.won;
        clicks << record.clicks;
        seconds << double(record.playedMs) / 1000.0;
        if (record.fewest) {
            beyond << record.clicks - *record.fewest;
            inFewest += record.clicks <= *record.fewest;
        }
        summary.trend << (record.fewest ? record.clicks - *record.fewest : record.clicks);
        summary.overFewest << record.fewest.has_value();
    }
    summary.bestClicks = lowest(clicks);
    summary.medianClicks = median(clicks);
    summary.bestSeconds = lowest(seconds);
    summary.medianSeconds = median(seconds);
    if (!beyond.isEmpty())
        summary.fewestShare = double(inFewest) / double(beyond.size());
    summary.medianOverFewest = median(beyond);
    const qsizetype first = std::max<qsizetype>(0, summary.trend.size() - TrendGames);
    summary.trend = summary.trend.mid(first);
    summary.overFewest = summary.overFewest.mid(first);
    return summary;
}

QStringList boardsPlayed(const QList<GameRecord> &records)
{
    // Ordered by size, then numbers before pictures, then the picture's name.
    QMap<std::tuple<int, bool, QString>, QString> boards;
    for (const GameRecord &record : records) {
        const std::tuple key(record.size, record.picture != QLatin1String("Numbers"),
                             record.picture);
        if (!boards.contains(key))
            boards.insert(key, record.board());
    }
    return boards.values();
}
