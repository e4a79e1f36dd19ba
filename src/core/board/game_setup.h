// What a game is: its board size, numbers or a picture, the goal picture, its score list and its
// name.
#pragma once

#include "core/scores/score_rules.h"

#include <QImage>
#include <QString>
#include <QtGlobal>

enum class GameKind { Numbers, Picture };

// The six pictures that ship with the game, in the order their options are tested.
struct StockPicture
{
    const char *caption; // also what the status bar shows for the game, through shownNameText()
    const char *file;    // in the program's folder
    qint32 skillLevel;   // its score list
};
inline constexpr int StockPictureCount = 6;
// The captions are kept in English in the game, the statistics and the kept game; only what the
// player reads is translated.
inline constexpr StockPicture StockPictures[StockPictureCount] = {
    //: A stock picture's name: its option in Picture Setup and Top Scores, and the status bar.
    {QT_TRANSLATE_NOOP("GameSetup", "Leaf"), "Leaf.gif", 1},
    {QT_TRANSLATE_NOOP("GameSetup", "Rose"), "rose.jpg", 2},
    {QT_TRANSLATE_NOOP("GameSetup", "Flower"), "flower.jpg", 3},
    {QT_TRANSLATE_NOOP("GameSetup", "Door"), "door.jpg", 4},
    {QT_TRANSLATE_NOOP("GameSetup", "Mountain"), "mountain.jpg", 5},
    {QT_TRANSLATE_NOOP("GameSetup", "Cow"), "cow.jpg", 6},
};

// The shown names of a numbers game (no picture) and of a picture of the player's own.
//: The status bar's picture panel in a numbers game: no picture. Little room.
inline constexpr char NoPictureName[] = QT_TRANSLATE_NOOP("GameSetup", "N/A");
//: The player's own picture, as against the six stock pictures: an option of Picture Setup and
//: the status bar's picture panel. Little room.
inline constexpr char CustomPictureName[] = QT_TRANSLATE_NOOP("GameSetup", "Custom");

// The goal picture's side in logical pixels, as Picture Setup's preview shows it.
inline constexpr int GoalPictureSide = 253;

inline constexpr int SmallestBoard = 3;
inline constexpr int LargestBoard = 7;

// Everything that tells one game from another. Made whole by the set-up dialogs and applied whole,
// so the tiles, the score list and the name shown can never come from two different choices.
struct GameSetup
{
    int size = 4; // SmallestBoard .. LargestBoard
    GameKind kind = GameKind::Numbers;
    QImage goalPicture;               // the square picture cut into tiles; null in a numbers game
    qint32 SkillLevel = SkillNumbers; // the score list: SkillNumbers, 1 .. 6, or SkillCustom (none)
    QString shownName = QString::fromLatin1(NoPictureName); // the status bar's picture panel
    int stock = -1;      // the stock picture's index, -1 for none
    QString pictureFile; // the player's own picture, kept to show it again in the next run

    static GameSetup numbers(int size);
    // stock: 0 .. StockPictureCount - 1
    static GameSetup stockPicture(int size, int stock, const QImage &goal);
    static GameSetup customPicture(int size, const QImage &goal, const QString &file = {});

    bool picturesGame() const { return kind == GameKind::Picture; }
};

// A shown name ("Leaf", "Custom", "N/A") as the player reads it, in the player's language.
QString shownNameText(const QString &shownName);
