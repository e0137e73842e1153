#include "session/sessionclock.h"

#include <QElapsedTimer>

namespace {

qint64 monotonicMilliseconds()
{
    QElapsedTimer timer;
    timer.start();
    return timer.msecsSinceReference();
}

SessionClock::TimeSource timeSource = monotonicMilliseconds;

} // namespace

void SessionClock::start()
{
    startedAt = now();
}

qint64 SessionClock::restart()
{
    const qint64 current = now();
    const qint64 passed = current - startedAt;
    startedAt = current;
    return passed;
}

qint64 SessionClock::elapsed() const
{
    return now() - startedAt;
}

void SessionClock::setTimeSource(TimeSource source)
{
    timeSource = source ? source : monotonicMilliseconds;
}

qint64 SessionClock::now()
{
    return timeSource();
}
