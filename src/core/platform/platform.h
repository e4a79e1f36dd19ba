// Everything the outside world provides to the game, handed in as one bundle.
#pragma once

#include <QString>

class RandomSource;
class SettingsStore;
class WavePlayer;
class MusicDevice;
class MessageBoxes;
class HelpViewer;
class ProgramControl;
class Clock;

struct Platform
{
    QString programFolder;
    RandomSource &random;
    SettingsStore &settings;
    WavePlayer &waves;
    MusicDevice &music;
    MessageBoxes &messages;
    HelpViewer &help;
    ProgramControl &program;
    Clock &clock;
    // The user's data folder: the fallback score file and the kept game. Empty: the usual one.
    QString dataFolder = {};
    // The language of the translation in use ("de", "pt_BR"); empty for English.
    QString language = {};

    // The program's folder joined with a file name.
    QString file(const QString &name) const;
    // The help page in the player's language where there is one, the English one otherwise.
    QString helpFile() const;
};
