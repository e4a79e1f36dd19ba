// The seven score lists: the fewest clicks per board, 9999 meaning no result yet.
#pragma once

#include <QtGlobal>
#include <array>

inline constexpr qint16 EmptyScore = 9999;
inline constexpr int ScoreEntries = 5;    // one per board size, 3x3 .. 7x7
inline constexpr int ScoreCategories = 7; // Numbers, then the six stock pictures
inline constexpr int ScoreCount = ScoreEntries * ScoreCategories;

struct ScoreBook
{
    using List = std::array<qint16, ScoreEntries>; // [0] is entry 1, the 3x3 board; [4] the 7x7
    List NumberScores{};
    List LeafScores{};
    List RoseScores{};
    List FlowerScores{};
    List DoorScores{};
    List MountainScores{};
    List CowScores{};

    // Category 0 .. 6 in file order: Numbers, Leaf, Rose, Flower, Door, Mountain, Cow.
    List &list(int category) { return *lists()[static_cast<size_t>(category)]; }
    const List &list(int category) const { return const_cast<ScoreBook *>(this)->list(category); }
    // Entry 0 .. 34 in file order (line number - 1).
    qint16 &at(int index)
    {
        return list(index / ScoreEntries)[static_cast<size_t>(index % ScoreEntries)];
    }
    qint16 at(int index) const { return const_cast<ScoreBook *>(this)->at(index); }

    static ScoreBook empty()
    {
        ScoreBook book;
        for (int i = 0; i < ScoreCount; ++i)
            book.at(i) = EmptyScore;
        return book;
    }
    // Keeps, entry by entry, the better (lower) of this book and `other`.
    void takeBetter(const ScoreBook &other)
    {
        for (int i = 0; i < ScoreCount; ++i)
            at(i) = qMin(at(i), other.at(i));
    }
    bool operator==(const ScoreBook &) const = default;

private:
    std::array<List *, ScoreCategories> lists()
    {
        return {&NumberScores, &LeafScores,     &RoseScores, &FlowerScores,
                &DoorScores,   &MountainScores, &CowScores};
    }
};
