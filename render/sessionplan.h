#ifndef SESSIONPLAN_H
#define SESSIONPLAN_H

#include "session/programcatalogue.h"

#include <QVector>

// What a session does to the tone, read off the session engine run in virtual time, tick by tick
// as the window's timer drives it.
struct SessionPlan
{
    static constexpr int loopSeconds = 15;

    // From Start to the tick at which the session stops by itself.
    qint64 lengthMs = 0;
    // The beat the session has at loopSeconds × k for every loop k that begins before the end:
    // the window rebuilds its tone loop with it each time 15 s of sound have played.
    QVector<int> loopBeats;

    static SessionPlan of(const Program &program, int totalSeconds);
};

#endif
