// Where each preference lives in the settings store, and how its stored text reads.
#include "core/prefs/preferences.h"

#include "core/platform/settings_store.h"

#include <QString>

namespace {
const QString Application = QStringLiteral("Orvane.Works");
const QString Section = QStringLiteral("Tessary");
const QString TrueText = QStringLiteral("True");
const QString FalseText = QStringLiteral("False");

struct Key
{
    const char *written;
    const char *read; // the store compares keys without regard to case, so both name one value
};

Key keyOf(Preference preference)
{
    switch (preference) {
    case Preference::Music: return {"Music", "Music"};
    case Preference::Sound: return {"Sound", "Sound"};
    case Preference::StatusBar: break;
    }
    return {"StatusBar", "statusbar"};
}
} // namespace

bool preferenceOn(const SettingsStore &store, Preference preference)
{
    const QString key = QString::fromLatin1(keyOf(preference).read);
    return store.read(Application, Section, key, TrueText) != FalseText;
}

void storePreference(SettingsStore &store, Preference preference, bool on)
{
    store.write(Application, Section, QString::fromLatin1(keyOf(preference).written),
                on ? TrueText : FalseText);
}
