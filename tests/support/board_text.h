// Boards drawn as text for tests: "1 2 3|4 _ 5|7 8 6", "_" the empty cell ("_9": empty, still holding 9).
#pragma once

#include "board/board_rules.h"
#include "fakes.h"

#include <deque>
#include <functional>

// A model board with recording views, sized from the drawing.
struct TestBoard {
    GameState state;
    std::deque<FakeTileView> views;  // a deque, so that adding a view never moves those the cells point at

    explicit TestBoard(const QString &drawing)
    {
        const QStringList rows = drawing.split(QLatin1Char('|'));
        const int n = int(rows.size());
        state.LastRow = state.LastCol = qint16(n - 1);
        state.Board.resize(n, n);
        state.BackgroundPicture = Picture{QImage(4, 4, QImage::Format_RGB32), QStringLiteral("Empty")};
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c) {
                const QString text = rows[r].split(QLatin1Char(' '), Qt::SkipEmptyParts).value(c);
                BoardCell &cell = state.Board(r, c);
                cell.Tile = &views.emplace_back();
                cell.IsBlank = text.startsWith(QLatin1Char('_'));
                cell.TileNumber = qint16(text.mid(cell.IsBlank ? 1 : 0).toInt());
                cell.Tile->setPicture(cell.IsBlank ? state.BackgroundPicture : Picture{state.BackgroundPicture.image, text});
                cell.Tile->setSpecialEffect(cell.IsBlank ? SpecialEffect::Sunken : SpecialEffect::Raised);
                if (cell.IsBlank)
                    std::tie(state.BlankRow, state.BlankCol) = std::pair(qint16(r), qint16(c));
            }
    }
};

inline QString drawBoard(int n, const std::function<QString(int, int)> &cellText)
{
    QStringList rows(n);
    for (int k = 0; k < n * n; ++k)
        rows[k / n] += (k % n ? QStringLiteral(" ") : QString()) + cellText(k / n, k % n);
    return rows.join(QLatin1Char('|'));
}

// The numbers in the model, "_" for the empty cell.
inline QString boardText(const GameState &s)
{
    return drawBoard(s.LastRow + 1, [&](int r, int c) {
        return s.Board(r, c).IsBlank ? QStringLiteral("_") : QString::number(s.Board(r, c).TileNumber);
    });
}

// What the views show: picture names, with "_" for a sunken view.
inline QString viewText(const GameState &s)
{
    return drawBoard(s.LastRow + 1, [&](int r, int c) {
        const TileView *view = s.Board(r, c).Tile;
        return view->specialEffect() == SpecialEffect::Sunken ? QStringLiteral("_") : view->picture().name;
    });
}

inline QString solvedDrawing(int n)
{
    return drawBoard(n, [n](int r, int c) {
        return r * n + c + 1 < n * n ? QString::number(r * n + c + 1) : QStringLiteral("_");
    });
}

// The values of a whole scramble from a seeded linear congruential generator.
inline std::vector<float> seededScramble(quint32 seed)
{
    std::vector<float> values(ScrambleSteps);
    for (float &value : values)
        value = float((seed = seed * 1664525u + 1013904223u) >> 8) / 16777216.0f;
    return values;
}

inline QImage gradient(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int k = 0; k < side * side; ++k)
        image.setPixel(k % side, k / side, qRgb(k % side % 256, k / side % 256, 90));
    return image;
}
