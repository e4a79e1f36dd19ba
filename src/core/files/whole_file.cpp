// Replacing a small file whole or not at all.
#include "core/files/whole_file.h"

#include <QSaveFile>

bool replaceFileWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() flushes its buffer without checking: on a full disk it would rename the part that
    // fit over the last good file. A failed flush leaves the temporary file to the destructor.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

namespace {
constexpr int StaleLockMs = 5000;
// Longer than the stale time, so a wait ends with the lock unless it cannot be made at all.
constexpr int LockWaitMs = 6000;
} // namespace

SaveLock::SaveLock(const QString &path) : m_lock(path + QStringLiteral(".lock"))
{
    m_lock.setStaleLockTime(StaleLockMs);
    m_lock.tryLock(LockWaitMs);
}
