// Case-insensitive keys over QSettings' INI files.
#include "platform/ini_settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

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

void IniSettingsStore::write(const QString &application, const QString &section, const QString &key,
                             const QString &value)
{
    QDir().mkpath(m_folder);
    QSettings settings(filePath(application), QSettings::IniFormat);
    settings.beginGroup(section);
    settings.setValue(storedKey(settings, key), value);
    settings.endGroup();
    settings.sync();
}
