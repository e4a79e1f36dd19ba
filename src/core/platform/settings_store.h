// Per-user string settings addressed by application, section and key.
#pragma once

#include <QString>

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // Key names are compared without regard to case.
    virtual QString read(const QString &application, const QString &section, const QString &key,
                         const QString &defaultValue) const = 0;
    // False when the value could not be stored; the store is then exactly as it was.
    virtual bool write(const QString &application, const QString &section, const QString &key,
                       const QString &value) = 0;
};
