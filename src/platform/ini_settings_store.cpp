// Case-insensitive keys over QSettings' INI files, written whole or not at all.
#include "platform/ini_settings_store.h"

#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
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

Entries entriesOf(QSettings &settings)
{
    Entries entries;
    for (const QString &key : settings.allKeys())
        entries.insert(key, settings.value(key));
    return entries;
}

// A scratch file beside `path` holding a copy of it (empty when there is none); "" on failure,
// including a file that exists but cannot be read, which must not be replaced by one key alone.
QString scratchCopyOf(const QString &path)
{
    QFile current(path);
    if (current.exists() && !current.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray old = current.isOpen() ? current.readAll() : QByteArray();
    QTemporaryFile scratch(path + QStringLiteral(".XXXXXX"));
    scratch.setAutoRemove(false);
    if (!scratch.open())
        return QString();
    if (scratch.write(old) != old.size() || !scratch.flush()) {
        scratch.remove();
        return QString();
    }
    return scratch.fileName();
}

// Whether the file read back holds all that was written. A hand-damaged name may come back spelt
// another way, so when the entries differ, what tells a cut-off write is a lost entry, a wrong
// value for the key just set, or a last line without its end.
bool complete(const Entries &readBack, const Entries &wanted, const QString &name, const QByteArray &bytes)
{
    if (readBack == wanted)
        return true;
    return readBack.size() == wanted.size() && readBack.value(name) == wanted.value(name) && bytes.endsWith('\n');
}

// Sets one value in the INI file `scratch` and returns the file's new bytes, or nothing when they
// did not all reach the disk. QSettings saves through QSaveFile, whose commit ignores a failed
// flush, so the result is read back under another name, where no cached copy can stand in for it.
QByteArray setInScratch(const QString &scratch, const QString &section, const QString &key, const QString &value)
{
    Entries wanted;
    QString name;
    {
        QSettings settings(scratch, QSettings::IniFormat);
        settings.beginGroup(section);
        name = section + QLatin1Char('/') + storedKey(settings, key);
        settings.setValue(storedKey(settings, key), value);
        settings.endGroup();
        settings.sync();
        // A format error only says the old file was damaged; it is written afresh all the same.
        if (settings.status() == QSettings::AccessError)
            return QByteArray();
        wanted = entriesOf(settings);
    }
    const QString check = scratch + QStringLiteral(".check");
    if (!QFile::rename(scratch, check))
        return QByteArray();
    QByteArray bytes;
    {
        QSettings reread(check, QSettings::IniFormat);
        QFile written(check);
        if (written.open(QIODevice::ReadOnly))
            bytes = written.readAll();
        if (!complete(entriesOf(reread), wanted, name, bytes))
            bytes.clear();
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

QString IniSettingsStore::read(const QString &application, const QString &section, const QString &key,
                               const QString &defaultValue) const
{
    QSettings settings(filePath(application), QSettings::IniFormat);
    settings.beginGroup(section);
    const QVariant value = settings.value(storedKey(settings, key));
    if (!value.isValid())
        return defaultValue;
    // The INI reader splits an unquoted value at its commas; the store holds plain text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool IniSettingsStore::write(const QString &application, const QString &section, const QString &key,
                             const QString &value)
{
    QDir().mkpath(m_folder);
    const QString path = filePath(application);
    const QString scratch = scratchCopyOf(path);
    if (scratch.isEmpty())
        return false;
    const QByteArray bytes = setInScratch(scratch, section, key, value);
    QFile::remove(scratch);
    return !bytes.isEmpty() && replaceFileWhole(path, bytes);
}
