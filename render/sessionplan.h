#ifndef SESSIONPLAN_H
#define SESSIONPLAN_H

#include "session/programcatalogue.h"

#include <QVector>

// What a session does to the tone, read off the session engine run in virtual time, tick by tick
// as the window's timer drives it.
struct SessionPlan
{
    // From Start to the tick at which the session stops by itself.
    qint64 lengthMs = 0;
    // From Start to the tick at which the time left first reads "Ending...": the sound fades out
    // from here to the end (Fade::outGain()).
    qint64 endingMs = 0;
    // The beat the session has at 15·k s for every tone loop k that begins before the end: the
    // window rebuilds its loop with it each time the 15 s of the last one have played.
    QVector<int> loopBeats;

    static SessionPlan of(const Program &program, int totalSeconds);
};

#endif
