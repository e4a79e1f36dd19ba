// Settings kept in a per-user INI file: <config folder>/<application>.conf, one [section] per
// program.
#pragma once

#include "core/platform/settings_store.h"

class IniSettingsStore : public SettingsStore
{
public:
    // folder: where the files live; empty means the user's configuration folder.
    explicit IniSettingsStore(QString folder = QString());

    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &defaultValue) const override;
    bool write(const QString &application, const QString &section, const QString &key,
               const QString &value) override;

    QString filePath(const QString &application) const;

private:
    QString m_folder;
};
