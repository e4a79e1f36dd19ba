// What a game is: its board size, numbers or a picture, the goal picture, its score list and its
// name.
#pragma once

#include "core/scores/score_rules.h"

#include <QImage>
#include <QString>

enum class GameKind { Numbers, Picture };

// The six pictures that ship with the game, in the order their options are tested.
struct StockPicture
{
    const char *caption; // also what the status bar shows for the game
    const char *file;    // in the program's folder
    qint32 skillLevel;   // its score list
};
inline constexpr int StockPictureCount = 6;
inline constexpr StockPicture StockPictures[StockPictureCount] = {
    {"Leaf", "Leaf.gif", 1}, {"Rose", "rose.jpg", 2},         {"Flower", "flower.jpg", 3},
    {"Door", "door.jpg", 4}, {"Mountain", "mountain.jpg", 5}, {"Cow", "cow.jpg", 6},
};

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
    QString shownName = QStringLiteral("N/A"); // the status bar's picture-name panel
    int stock = -1;                            // the stock picture's index, -1 for none
    QString pictureFile; // the player's own picture, kept to show it again in the next run

    static GameSetup numbers(int size);
    // stock: 0 .. StockPictureCount - 1
    static GameSetup stockPicture(int size, int stock, const QImage &goal);
    static GameSetup customPicture(int size, const QImage &goal, const QString &file = {});

    bool picturesGame() const { return kind == GameKind::Picture; }
};
