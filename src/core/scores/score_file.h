// The top-score file "Hsl.hsf": its bytes, a tolerant reader, and where it is kept.
#pragma once

#include "core/scores/score_book.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

inline constexpr char ScoreFileName[] = "Hsl.hsf";

// The 35 lines in file order, each " 57 \r\n" ("-" in place of the blank when negative).
QByteArray scoreFileBytes(const ScoreBook &book);

// Reads the 35 numbers in file order. Anything that is not a 16-bit number gives 9999 for its
// entry, and so does every entry the file does not reach. Reads no further than it needs.
ScoreBook readScores(QIODevice &device);

// The user's own data folder for the score file, used when the program's folder cannot be written.
QString userScoreFolder();

// True when files can be created in `folder`.
bool folderWritable(const QString &folder);

// The score file in the program's folder, with the user's data folder as the fallback.
class ScoreFile
{
public:
    using WritableCheck = std::function<bool(const QString &folder)>;
    ScoreFile(QString programFolder, QString userFolder, WritableCheck writable = folderWritable);

    QString programPath() const;
    QString userPath() const;
    // The file to read: the newer of the two when both are ordinary files; empty when neither is.
    QString readPath() const;
    bool exists() const { return !readPath().isEmpty(); }
    // 9999 in every entry that cannot be read, all of them when no file can be opened.
    ScoreBook load() const;
    // Takes the file as it is now into `book`, entry by entry the better of the two: another copy
    // of the game may have set records since `book` was read.
    void refresh(ScoreBook &book) const;

    struct SaveResult
    {
        QString writtenTo; // empty when no place could be written
        QStringList tried; // every path tried, in order
        bool ok() const { return !writtenTo.isEmpty(); }
    };
    // Under a lock file beside the score file: refreshes `book` from the file, then replaces the
    // file whole (or not at all) with it, in the program's folder when it can be written, else in
    // the user's data folder. Copies of the game saving at once both end up in the file.
    SaveResult save(ScoreBook &book) const;

private:
    bool programFolderUsable() const;
    bool saveIn(const QString &folder, ScoreBook &book) const;

    QString m_programFolder;
    QString m_userFolder;
    WritableCheck m_writable;
};

// A win judged as the plain recordTopScore() judges it, against `book` refreshed from `file`: a
// result that another copy of the game has already beaten is no record.
bool recordTopScore(ScoreBook &book, const ScoreFile &file, qint32 skillLevel, int n,
                    qint32 clicks);
