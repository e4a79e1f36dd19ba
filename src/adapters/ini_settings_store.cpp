// Case-insensitive keys over QSettings' INI files, written whole or not at all.
#include "adapters/ini_settings_store.h"

#include "core/files/whole_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
// The stored spelling of a key that matches without regard to case, or the key itself.
QString storedKey(QSettings &settings, const QString &key)
{
    const QStringList keys = settings.childKeys();
    for (const QString &k : keys) {
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return k;
    }
    return key;
}

using Entries = QMap<QString, QVariant>;

// Text as it comes back once written: an escape in a hand-damaged file can read as half of a
// UTF-16 pair, which is written as U+FFFD.
QString asWritten(const QString &text)
{
    return QString::fromUtf8(text.toUtf8());
}

// The entries as a reader finds them. A hand-damaged file can list a key under a stray slash, or
// one that holds no value, and give a list back as another kind of list; written afresh, those
// come back in one form, so they are taken in that form.
Entries entriesOf(QSettings &settings)
{
    Entries entries;
    for (const QString &listed : settings.allKeys()) {
        const QString key =
            listed.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
        QVariant value = settings.value(key);
        if (value.typeId() == QMetaType::QVariantList || value.typeId() == QMetaType::QStringList) {
            QStringList texts = value.toStringList();
            for (QString &text : texts)
                text = asWritten(text);
            value = texts;
        } else if (value.typeId() == QMetaType::QString) {
            value = asWritten(value.toString());
        }
        if (!key.isEmpty() && value.isValid())
            entries.insert(asWritten(key), value);
    }
    return entries;
}

// A new file beside `path` holding `content`, or "" on failure.
QString newScratch(const QString &path, const QByteArray &content = {})
{
    QTemporaryFile scratch(path + QStringLiteral(".XXXXXX"));
    scratch.setAutoRemove(false);
    if (!scratch.open())
        return QString();
    if (scratch.write(content) != content.size() || !scratch.flush()) {
        scratch.remove();
        return QString();
    }
    return scratch.fileName();
}

// The entries of the INI file `old` with one value set, written afresh into the empty file `fresh`;
// returns the new bytes, or nothing when they did not all reach the disk. Written from the entries
// rather than over the old text, a hand-damaged file comes back in QSettings' own form, which reads
// back as it was written. QSettings saves through QSaveFile, whose commit ignores a failed flush,
// so the result is read back under another name, where no cached copy can stand in for it.
QByteArray setAfresh(const QString &old, const QString &fresh, const QString &section,
                     const QString &key, const QString &value)
{
    Entries wanted;
    {
        QSettings settings(old, QSettings::IniFormat);
        settings.beginGroup(section);
        const QString name = section + QLatin1Char('/') + storedKey(settings, key);
        settings.endGroup();
        wanted = entriesOf(settings);
        wanted.insert(name, value);
    }
    {
        QSettings settings(fresh, QSettings::IniFormat);
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return QByteArray();
    }
    const QString check = fresh + QStringLiteral(".check");
    if (!QFile::rename(fresh, check))
        return QByteArray();
    QByteArray bytes;
    {
        QSettings reread(check, QSettings::IniFormat);
        QFile written(check);
        if (entriesOf(reread) == wanted && written.open(QIODevice::ReadOnly))
            bytes = written.readAll();
    }
    QFile::remove(check);
    return bytes;
}
} // namespace

IniSettingsStore::IniSettingsStore(QString folder) : m_folder(std::move(folder))
{
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString IniSettingsStore::filePath(const QString &application) const
{
    return QDir(m_folder).filePath(application + QStringLiteral(".conf"));
}

QString IniSettingsStore::read(const QString &application, const QString &section,
                               const QString &key, const QString &defaultValue) const
{
    QSettings settings(filePath(application), QSettings::IniFormat);
    settings.beginGroup(section);
    const QVariant value = settings.value(storedKey(settings, key));
    if (!value.isValid())
        return defaultValue;
    // The INI reader splits an unquoted value at its commas; the store holds plain text.
    if (value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool IniSettingsStore::write(const QString &application, const QString &section, const QString &key,
                             const QString &value)
{
    QDir().mkpath(m_folder);
    const QString path = filePath(application);
    // A file that exists but cannot be read must not be replaced by one key alone.
    QFile current(path);
    if (current.exists() && !current.open(QIODevice::ReadOnly))
        return false;
    const QString old = newScratch(path, current.isOpen() ? current.readAll() : QByteArray());
    const QString fresh = newScratch(path);
    const QByteArray bytes = old.isEmpty() || fresh.isEmpty()
                                 ? QByteArray()
                                 : setAfresh(old, fresh, section, key, value);
    for (const QString &scratch : {old, fresh}) {
        if (!scratch.isEmpty())
            QFile::remove(scratch);
    }
    const QFileInfo before(path);
    const QDateTime oldTime = before.exists() ? before.lastModified() : QDateTime();
    if (bytes.isEmpty() || !replaceFileWhole(path, bytes))
        return false;
    // QSettings keeps what it read of a file until its size or time changes: a rewrite of the same
    // size within the same millisecond would read back as the old text.
    QFile replaced(path);
    if (oldTime.isValid() && before.size() == bytes.size()
        && QFileInfo(path).lastModified() == oldTime && replaced.open(QIODevice::ReadOnly))
        replaced.setFileTime(oldTime.addMSecs(1), QFileDevice::FileModificationTime);
    return true;
}
