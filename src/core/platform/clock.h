// The time of day for the statistics, and a steady clock for the playing time.
#pragma once

#include <QDateTime>

class Clock
{
public:
    virtual ~Clock() = default;
    // Coordinated universal time.
    virtual QDateTime now() const = 0;
    // Milliseconds from some fixed moment, never going back when the time of day is changed.
    virtual qint64 steadyMs() const = 0;
};
