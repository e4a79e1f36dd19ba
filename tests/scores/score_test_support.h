// Small file helpers shared by the score tests.
#pragma once

#include "scores/score_book.h"

#include <QFile>
#include <QList>
#include <QTest>

inline const QByteArray EmptyLine(" 9999 \r\n");

// The whole file, or nothing when it cannot be opened.
inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The leading entries as given, then 9999 up to 35.
inline ScoreBook bookOf(const QList<int> &leading)
{
    ScoreBook book = ScoreBook::empty();
    for (int i = 0; i < leading.size(); ++i)
        book.at(i) = static_cast<qint16>(leading[i]);
    return book;
}

inline QList<int> values(const ScoreBook &book)
{
    QList<int> out;
    for (int i = 0; i < ScoreCount; ++i)
        out << book.at(i);
    return out;
}
