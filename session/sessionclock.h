#ifndef SESSIONCLOCK_H
#define SESSIONCLOCK_H

#include <QtGlobal>

// A stopwatch on the monotonic clock, so that a wall-clock change during an overnight session
// (daylight saving, a time-server correction) cannot stretch or cut it. Tests replace the time
// source to run whole sessions in virtual time.
class SessionClock
{
public:
    using TimeSource = qint64 (*)();

    void start();
    // Returns the milliseconds elapsed before the restart.
    qint64 restart();
    qint64 elapsed() const;

    // Milliseconds from any fixed origin; nullptr restores the monotonic clock.
    static void setTimeSource(TimeSource source);

private:
    static qint64 now();

    qint64 startedAt = 0;
};

#endif
