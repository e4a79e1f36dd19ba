// Plays short wave files.
#pragma once

#include <QString>

class WavePlayer
{
public:
    enum class Mode { Async, Sync };
    virtual ~WavePlayer() = default;
    // Async returns at once; Sync returns when the sound has finished.
    // A new sound cuts off the one still playing. Missing files play nothing.
    virtual void play(const QString &path, Mode mode) = 0;
};
