// The real clock.
#pragma once

#include "core/platform/clock.h"

#include <QElapsedTimer>

class SystemClock : public Clock
{
public:
    SystemClock() { m_steady.start(); }
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
    qint64 steadyMs() const override { return m_steady.elapsed(); }

private:
    QElapsedTimer m_steady;
};
