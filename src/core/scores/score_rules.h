// The top-score rule after a win and the texts that show a score list.
#pragma once

#include "core/scores/score_book.h"

#include <QString>

// Score categories of a game: the numbers list, 1 .. 6 for the stock pictures, and no list at all
// for a picture of the player's own.
inline constexpr qint32 SkillNumbers = -1;
inline constexpr qint32 SkillCustom = 0;

// The list that ranks games of `skillLevel`: SkillNumbers, 1 .. 6 Leaf .. Cow; nullptr for any
// other value (a custom picture has no list).
ScoreBook::List *scoreListFor(ScoreBook &book, qint32 skillLevel);

// Stores `clicks` in the entry of the n x n board and returns true only when strictly fewer
// than the entry: a tie keeps the earlier record. Boards outside 3..7 and unlisted skills: false.
bool recordTopScore(ScoreBook &book, qint32 skillLevel, int n, qint32 clicks);

// "NUMBERS", "PICTURES - Leaf" .. "PICTURES - Cow" for category 0 .. 6.
QString scoreCategoryLabel(int category);

// One line of the Top Scores list for entry 1 .. 5: "3x3..........Empty", "4x4..........87".
QString scoreListLine(int entry, qint16 value);
