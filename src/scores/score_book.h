// The seven score lists: the fewest clicks per board, 9999 meaning no result yet.
#pragma once

#include <QtGlobal>
#include <array>

inline constexpr qint16 EmptyScore = 9999;

struct ScoreBook {
    using List = std::array<qint16, 5>;  // [0] is entry 1, the 3x3 board; [4] the 7x7
    List NumberScores{};
    List LeafScores{};
    List RoseScores{};
    List FlowerScores{};
    List DoorScores{};
    List MountainScores{};
    List CowScores{};
};
