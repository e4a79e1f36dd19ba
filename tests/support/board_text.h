// Boards drawn as text for tests: "1 2 3|4 _ 5|7 8 6", "_" the empty cell.
#pragma once

#include "board/board_rules.h"
#include "fakes.h"

#include <QStringList>
#include <memory>

// A model board with recording views, sized from the drawing.
struct TestBoard {
    GameState state;
    std::vector<std::unique_ptr<FakeTileView>> views;
    ViewGrid grid{};

    explicit TestBoard(const QString &drawing)
    {
        const QStringList rows = drawing.split(QLatin1Char('|'));
        const int n = static_cast<int>(rows.size());
        state.LastRow = state.LastCol = static_cast<qint16>(n - 1);
        state.Board.resize(n, n);
        state.BackgroundPicture = Picture{QImage(4, 4, QImage::Format_RGB32), QStringLiteral("Empty")};
        for (int r = 0; r < n; ++r) {
            const QStringList cells = rows[r].split(QLatin1Char(' '), Qt::SkipEmptyParts);
            for (int c = 0; c < n; ++c) {
                views.push_back(std::make_unique<FakeTileView>());
                grid[static_cast<size_t>(r)][static_cast<size_t>(c)] = views.back().get();
                BoardCell &cell = state.Board(r, c);
                cell.Tile = views.back().get();
                const bool empty = cells.value(c) == QLatin1String("_");
                cell.TileNumber = static_cast<qint16>(empty ? 0 : cells.value(c).toInt());
                cell.IsBlank = empty ? true : false;
                cell.Tile->setPicture(empty ? state.BackgroundPicture
                                            : Picture{QImage(4, 4, QImage::Format_RGB32), cells.value(c)});
                cell.Tile->setSpecialEffect(empty ? SpecialEffect::Sunken : SpecialEffect::Raised);
                if (empty) {
                    state.BlankRow = static_cast<qint16>(r);
                    state.BlankCol = static_cast<qint16>(c);
                }
            }
        }
    }
};

// The numbers in the model, "_" for the empty cell.
inline QString boardText(const GameState &state)
{
    QStringList rows;
    for (int r = 0; r <= state.LastRow; ++r) {
        QStringList cells;
        for (int c = 0; c <= state.LastCol; ++c) {
            const BoardCell &cell = state.Board(r, c);
            cells << (cell.IsBlank ? QStringLiteral("_") : QString::number(cell.TileNumber));
        }
        rows << cells.join(QLatin1Char(' '));
    }
    return rows.join(QLatin1Char('|'));
}

// What the views show: picture names, with "_" for a sunken view.
inline QString viewText(const GameState &state)
{
    QStringList rows;
    for (int r = 0; r <= state.LastRow; ++r) {
        QStringList cells;
        for (int c = 0; c <= state.LastCol; ++c) {
            const TileView *view = state.Board(r, c).Tile;
            cells << (view->specialEffect() == SpecialEffect::Sunken ? QStringLiteral("_") : view->picture().name);
        }
        rows << cells.join(QLatin1Char(' '));
    }
    return rows.join(QLatin1Char('|'));
}
