// Replacing a small file whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to a temporary file beside `path` and renames it over `path` only when every byte
// reached the disk; otherwise returns false and `path` is exactly as it was.
bool replaceFileWhole(const QString &path, const QByteArray &bytes);
