// What the Statistics window says about one board.
#pragma once

#include "core/stats/game_record.h"

#include <QList>
#include <QStringList>
#include <optional>

inline constexpr int TrendGames = 50;

struct BoardSummary
{
    int played = 0;
    int won = 0;
    std::optional<double> bestClicks, medianClicks; // of won games
    std::optional<double> bestSeconds, medianSeconds;
    // Of won games whose fewest clicks are known: the share solved in that many, and the median
    // of the clicks beyond it.
    std::optional<double> fewestShare;
    std::optional<double> medianOverFewest;
    // The last won games, oldest first: clicks beyond the fewest possible where that is known
    // (`overFewest`), else clicks.
    QList<int> trend;
    QList<bool> overFewest;
};

BoardSummary summarize(const QList<GameRecord> &records, const QString &board);
// Every board with a game, smallest first, numbers before pictures.
QStringList boardsPlayed(const QList<GameRecord> &records);
