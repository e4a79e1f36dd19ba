// Which entry a win belongs to, when it beats that entry, and how a list reads.
#include "core/scores/score_rules.h"

#include "core/board/game_setup.h"

#include <QCoreApplication>

ScoreBook::List *scoreListFor(ScoreBook &book, qint32 skillLevel)
{
    if (skillLevel == SkillNumbers)
        return &book.NumberScores;
    if (skillLevel >= 1 && skillLevel <= 6)
        return &book.list(skillLevel);
    return nullptr;
}

bool recordTopScore(ScoreBook &book, qint32 skillLevel, int n, qint32 clicks)
{
    ScoreBook::List *list = scoreListFor(book, skillLevel);
    if (!list || n < 3 || n > 7)
        return false;
    qint16 &entry = (*list)[static_cast<size_t>(n - 3)];
    // a click count is never negative, so anything below a 16-bit entry fits in one
    if (clicks >= static_cast<qint32>(entry) || clicks < 0)
        return false;
    entry = static_cast<qint16>(clicks);
    return true;
}

QString scoreCategoryLabel(int category)
{
    //: The heading of the Top Scores list; a fixed-size dialog.
    if (category == 0)
        return QCoreApplication::translate("ScoreRules", "NUMBERS");
    //: The heading of the Top Scores list, %1 a stock picture's name; a fixed-size dialog.
    return QCoreApplication::translate("ScoreRules", "PICTURES - %1")
        .arg(shownNameText(QString::fromLatin1(StockPictures[category - 1].caption)));
}

QString scoreListLine(int entry, qint16 value)
{
    const int n = entry + 2;
    //: A board size in the Top Scores list: 3x3 .. 7x7
    const QString size = QCoreApplication::translate("ScoreRules", "%1x%1").arg(n);
    //: No score yet on this board, in the narrow Top Scores list
    const QString text = value == EmptyScore ? QCoreApplication::translate("ScoreRules", "Empty")
                                             : QString::number(value);
    // the value column is deliberately not aligned: the dots are always ten
    return size + QStringLiteral("..........") + text;
}
