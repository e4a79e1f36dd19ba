// Stand-ins that do nothing: used where no real device or viewer is available.
#pragma once

#include "platform/help_viewer.h"
#include "platform/music_device.h"
#include "platform/wave_player.h"

class SilentWavePlayer : public WavePlayer {
public:
    void play(const QString &, Mode) override {}
};

class SilentMusicDevice : public MusicDevice {
public:
    void setFileName(const QString &) override {}
    void command(const QString &) override {}
    qint32 position() const override { return 0; }
    qint32 length() const override { return 0; }
    void setStatusUpdate(std::function<void()>) override {}
};

class NoHelpViewer : public HelpViewer {
public:
    void showContentsAndIndex(const QString &) override {}
};
