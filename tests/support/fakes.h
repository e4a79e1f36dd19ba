// Test stand-ins for everything the outside world provides.
#pragma once

#include "platform/help_viewer.h"
#include "platform/message_boxes.h"
#include "platform/music_device.h"
#include "platform/platform.h"
#include "platform/program_control.h"
#include "platform/random_source.h"
#include "platform/settings_store.h"
#include "platform/tile_view.h"
#include "platform/wave_player.h"

#include <QtCore>
#include <functional>
#include <vector>

class FakeTileView : public TileView {
public:
    void setPicture(const Picture &p) override { m_picture = p; }
    Picture picture() const override { return m_picture; }
    void setSpecialEffect(SpecialEffect e) override { m_effect = e; }
    SpecialEffect specialEffect() const override { return m_effect; }
    void setBorderStyle(BorderStyle s) override { m_border = s; }
    BorderStyle borderStyle() const override { return m_border; }
    void setPictureAlignment(PictureAlignment a) override { m_alignment = a; }
    PictureAlignment pictureAlignment() const override { return m_alignment; }
    void setPictureSizeMode(PictureSizeMode m) override { m_sizeMode = m; }
    PictureSizeMode pictureSizeMode() const override { return m_sizeMode; }

private:
    Picture m_picture;
    // Values no set-up leaves behind, so a view that was never reset shows.
    SpecialEffect m_effect = SpecialEffect(-1);
    BorderStyle m_border = BorderStyle(-1);
    PictureAlignment m_alignment = PictureAlignment(-1);
    PictureSizeMode m_sizeMode = PictureSizeMode(-1);
};

// Gives the values it was handed, in order, then repeats the last one.
class FakeRandom : public RandomSource {
public:
    explicit FakeRandom(std::vector<float> values = {0.0f}) : values(std::move(values)) {}
    void randomize() override { ++randomized; }
    float next() override { return values.at(std::min(index++, values.size() - 1)); }
    std::vector<float> values;
    size_t index = 0;
    int randomized = 0;
};

class MemorySettings : public SettingsStore {
public:
    QString read(const QString &app, const QString &section, const QString &key, const QString &def) const override
    {
        return values.value(address(app, section, key), def);
    }
    bool write(const QString &app, const QString &section, const QString &key, const QString &value) override
    {
        values.insert(address(app, section, key), value);
        writes << key + '=' + value;
        return true;
    }
    static QString address(const QString &app, const QString &section, const QString &key)
    {
        return app + '/' + section + '/' + key.toLower();
    }
    QMap<QString, QString> values;
    QStringList writes;
};

// Records "change.wav async" style entries with the file name only.
class FakeWaves : public WavePlayer {
public:
    void play(const QString &path, Mode mode) override
    {
        played << QFileInfo(path).fileName() + (mode == Mode::Sync ? " sync" : " async");
        paths << path;
        if (mode == Mode::Sync && whilePlaying)
            whilePlaying();
    }
    QStringList played;
    QStringList paths;
    std::function<void()> whilePlaying;  // runs during a sound played to its end
};

class FakeMusic : public MusicDevice {
public:
    void setFileName(const QString &path) override { fileName = path; }
    void command(const QString &c) override { commands << c; }
    qint32 position() const override { return pos; }
    qint32 length() const override { return len; }
    void setStatusUpdate(std::function<void()> handler) override { statusUpdate = std::move(handler); }
    QString fileName;
    QStringList commands;
    qint32 pos = 0;
    qint32 len = 0;
    std::function<void()> statusUpdate;
};

class FakeMessages : public MessageBoxes {
public:
    void show(const QString &text) override
    {
        shown << text;
        if (onShow)
            onShow(text);
    }
    QStringList shown;
    std::function<void(const QString &)> onShow;  // runs while the "modal" box is up
};

class FakeHelp : public HelpViewer {
public:
    void showContentsAndIndex(const QString &) override {}
};

class FakeProgram : public ProgramControl {
public:
    void end() override { ++ended; }
    int ended = 0;
};

// One set of fakes with a temporary program folder.
struct Fakes {
    QTemporaryDir folder;
    FakeRandom random;
    MemorySettings settings;
    FakeWaves waves;
    FakeMusic music;
    FakeMessages messages;
    FakeHelp help;
    FakeProgram program;
    Platform platform() { return Platform{folder.path(), random, settings, waves, music, messages, help, program}; }
};
