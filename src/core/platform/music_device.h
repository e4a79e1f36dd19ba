// A MIDI sequencer driven by command strings.
#pragma once

#include <QString>
#include <functional>

class MusicDevice
{
public:
    virtual ~MusicDevice() = default;
    virtual void setFileName(const QString &path) = 0;
    // "open", "play" (resume), "stop" (pause, keeps the position), "next" (back to the start),
    // "close".
    virtual void command(const QString &command) = 0;
    virtual qint32 position() const = 0;
    virtual qint32 length() const = 0;
    // Called every 1000 ms while the music plays, and once more after it stops: the end of the
    // piece can only be reached while it plays.
    virtual void setStatusUpdate(std::function<void()> handler) = 0;
};
