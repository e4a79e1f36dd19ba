// Replacing a small file whole or not at all.
#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>

// Writes `bytes` to a temporary file beside `path` and renames it over `path` only when every byte
// reached the disk; otherwise returns false and `path` is exactly as it was.
bool replaceFileWhole(const QString &path, const QByteArray &bytes);

// Held while a copy of the game reads, merges and replaces a file that other copies write too:
// "<path>.lock". A save holds it for milliseconds, so one older than five seconds was left by a
// copy that hung and is taken over. A lock that cannot be made at all (no room, no rights) is
// no reason to give up: the write that follows finds out whether the place can take it.
class SaveLock
{
public:
    explicit SaveLock(const QString &path);

private:
    QLockFile m_lock;
};
