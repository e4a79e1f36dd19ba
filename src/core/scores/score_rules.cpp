// Which entry a win belongs to, when it beats that entry, and how a list reads.
#include "core/scores/score_rules.h"

namespace {
const char *const PictureNames[] = {"Leaf", "Rose", "Flower", "Door", "Mountain", "Cow"};
} // namespace

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
    if (category == 0)
        return QStringLiteral("NUMBERS");
    return QStringLiteral("PICTURES - ") + QLatin1String(PictureNames[category - 1]);
}

QString scoreListLine(int entry, qint16 value)
{
    const int n = entry + 2;
    const QString size = QStringLiteral("%1x%1").arg(n);
    const QString text = value == EmptyScore ? QStringLiteral("Empty") : QString::number(value);
    // the value column is deliberately not aligned: the dots are always ten
    return size + QStringLiteral("..........") + text;
}
