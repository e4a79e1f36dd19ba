// Stand-ins that do nothing: for tools and benchmarks that run the game's windows unattended.
#pragma once

#include "adapters/system_clock.h"
#include "adapters/system_random.h"
#include "core/platform/help_viewer.h"
#include "core/platform/message_boxes.h"
#include "core/platform/music_device.h"
#include "core/platform/platform.h"
#include "core/platform/program_control.h"
#include "core/platform/settings_store.h"
#include "core/platform/wave_player.h"

class SilentWavePlayer : public WavePlayer
{
public:
    void play(const QString &, Mode) override {}
};

class SilentMusicDevice : public MusicDevice
{
public:
    void setFileName(const QString &) override {}
    void command(const QString &) override {}
    qint32 position() const override { return 0; }
    qint32 length() const override { return 0; }
    void setStatusUpdate(std::function<void()>) override {}
};

class NoHelpViewer : public HelpViewer
{
public:
    void showContentsAndIndex(const QString &) override {}
};

// Every read gives the default; nothing is kept.
class DefaultSettings : public SettingsStore
{
public:
    QString read(const QString &, const QString &, const QString &,
                 const QString &def) const override
    {
        return def;
    }
    bool write(const QString &, const QString &, const QString &, const QString &) override
    {
        return true;
    }
};

class SilentMessageBoxes : public MessageBoxes
{
public:
    void show(const QString &) override {}
    bool ask(const QString &) override { return false; }
};

class KeepRunning : public ProgramControl
{
public:
    void end() override {}
};

// The game's outside world with nothing attached: real random numbers, everything else silent.
struct UnattendedPlatform
{
    SystemRandom random;
    DefaultSettings settings;
    SilentWavePlayer waves;
    SilentMusicDevice music;
    SilentMessageBoxes messages;
    NoHelpViewer help;
    KeepRunning program;
    SystemClock clock;

    Platform platform(const QString &programFolder)
    {
        return Platform{programFolder, random, settings, waves, music,
                        messages,      help,   program,  clock};
    }
};
