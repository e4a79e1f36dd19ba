// Test stand-ins for everything the outside world provides.
#pragma once

#include "core/platform/clock.h"
#include "core/platform/help_viewer.h"
#include "core/platform/message_boxes.h"
#include "core/platform/music_device.h"
#include "core/platform/platform.h"
#include "core/platform/program_control.h"
#include "core/platform/random_source.h"
#include "core/platform/settings_store.h"
#include "core/platform/wave_player.h"

#include <QtCore>
#include <functional>
#include <vector>

// Gives the values it was handed, in order, then repeats the last one.
class FakeRandom : public RandomSource
{
public:
    explicit FakeRandom(std::vector<float> values = {0.0f}) : values(std::move(values)) {}
    void randomize() override { ++randomized; }
    float next() override { return values.at(std::min(index++, values.size() - 1)); }
    std::vector<float> values;
    size_t index = 0;
    int randomized = 0;
};

class MemorySettings : public SettingsStore
{
public:
    QString read(const QString &app, const QString &section, const QString &key,
                 const QString &def) const override
    {
        return values.value(address(app, section, key), def);
    }
    bool write(const QString &app, const QString &section, const QString &key,
               const QString &value) override
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
class FakeWaves : public WavePlayer
{
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
    std::function<void()> whilePlaying; // runs during a sound played to its end
};

class FakeMusic : public MusicDevice
{
public:
    void setFileName(const QString &path) override { fileName = path; }
    void command(const QString &c) override { commands << c; }
    qint32 position() const override { return pos; }
    qint32 length() const override { return len; }
    void setStatusUpdate(std::function<void()> handler) override
    {
        statusUpdate = std::move(handler);
    }
    QString fileName;
    QStringList commands;
    qint32 pos = 0;
    qint32 len = 0;
    std::function<void()> statusUpdate;
};

class FakeMessages : public MessageBoxes
{
public:
    void show(const QString &text) override
    {
        shown << text;
        if (onShow)
            onShow(text);
    }
    bool ask(const QString &text) override
    {
        asked << text;
        return answer;
    }
    QStringList shown;
    std::function<void(const QString &)> onShow; // runs while the "modal" box is up
    QStringList asked;
    bool answer = true;
};

// Stands still until told to move.
class FakeClock : public Clock
{
public:
    QDateTime now() const override { return start.addMSecs(steady); }
    qint64 steadyMs() const override { return steady; }
    QDateTime start = QDateTime(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC);
    qint64 steady = 0;
};

class FakeHelp : public HelpViewer
{
public:
    void showContentsAndIndex(const QString &helpFile) override
    {
        ++shown;
        file = helpFile;
    }
    int shown = 0;
    QString file;
};

class FakeProgram : public ProgramControl
{
public:
    void end() override { ++ended; }
    int ended = 0;
};

// One set of fakes with a temporary program folder, and the user's data folder inside it.
struct Fakes
{
    // The program folder holds the pattern tables the build made, so that a 4 x 4 game reads them
    // as the game does rather than building them.
    Fakes()
    {
        QFile::link(QStringLiteral(TESSARY_PROGRAM_DIR "/patterns.bin"),
                    folder.filePath(QStringLiteral("patterns.bin")));
    }
    QTemporaryDir folder;
    FakeRandom random;
    MemorySettings settings;
    FakeWaves waves;
    FakeMusic music;
    FakeMessages messages;
    FakeHelp help;
    FakeProgram program;
    FakeClock clock;
    Platform platform()
    {
        return Platform{
            folder.path(), random, settings, waves, music,
            messages,      help,   program,  clock, folder.filePath(QStringLiteral("data"))};
    }
};
