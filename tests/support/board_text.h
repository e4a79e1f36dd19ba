// Boards drawn as text for tests: "1 2 3|4 _ 5|7 8 6", "_" the empty cell ("_9": empty, still
// showing 9).
#pragma once

#include "core/board/board.h"

#include <QtGui>
#include <functional>

// A board from its drawing; the empty cell's record is where the drawing puts it.
inline Board boardFrom(const QString &drawing)
{
    const QStringList rows = drawing.split(QLatin1Char('|'));
    Board board = Board::solved(int(rows.size()));
    for (int k = 0; k < board.n * board.n; ++k) {
        const QString text =
            rows[k / board.n].split(QLatin1Char(' '), Qt::SkipEmptyParts).value(k % board.n);
        board.tiles[size_t(k)] = text.startsWith(QLatin1Char('_')) ? 0 : text.toInt();
        if (text.startsWith(QLatin1Char('_')))
            std::tie(board.BlankRow, board.BlankCol) =
                std::pair(qint16(k / board.n), qint16(k % board.n));
    }
    board.lastPieceInGap = drawing.contains(QStringLiteral("_%1").arg(board.n * board.n));
    return board;
}

inline QString drawBoard(int n, const std::function<QString(int, int)> &cellText)
{
    QStringList rows(n);
    for (int k = 0; k < n * n; ++k)
        rows[k / n] += (k % n ? QStringLiteral(" ") : QString()) + cellText(k / n, k % n);
    return rows.join(QLatin1Char('|'));
}

// The numbers on the board, "_" for the empty cell.
inline QString boardText(const Board &board)
{
    return drawBoard(board.n, [&](int r, int c) {
        return board.at(r, c) ? QString::number(board.at(r, c)) : QStringLiteral("_");
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
