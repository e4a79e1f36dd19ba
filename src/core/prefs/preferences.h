// The three preferences as the settings store keeps them.
#pragma once

class SettingsStore;

enum class Preference { Music, Sound, StatusBar };

// Only a stored "False" turns a preference off: a missing or hand-edited value keeps the default,
// on.
bool preferenceOn(const SettingsStore &store, Preference preference);
// Stores "True" or "False".
void storePreference(SettingsStore &store, Preference preference, bool on);
