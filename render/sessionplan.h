#ifndef SESSIONPLAN_H
#define SESSIONPLAN_H

#include "session/programcatalogue.h"

#include <QVector>

// What a session does to the tone, read off the session engine run in virtual time, tick by tick
// as its own timer drives it in the player.
struct SessionPlan
{
    // From Start to the tick at which the session stops by itself.
    qint64 lengthMs = 0;
    // From Start to the tick at which the time left first reads "Ending...": the sound fades out
    // from here to the end (Fade::outGain()).
    qint64 endingMs = 0;
    // The beat the session has at 15·k s for every tone loop k that begins before the end: the
    // generator takes it at the first frame of each loop.
    QVector<int> loopBeats;

    static SessionPlan of(const Program &program, int totalSeconds);
};

#endif
