#ifndef SESSIONPLAN_H
#define SESSIONPLAN_H

#include "session/programcatalogue.h"
#include "session/stageplan.h"

#include <QVector>

// What a session does to the tone, read off the session engine moved on 20 ms at a time, as the
// player's timer moves it.
struct SessionPlan
{
    // From Start to the moment at which the session stops by itself.
    qint64 lengthMs = 0;
    // From Start to the moment at which the time left first reads "Ending...": the sound fades
    // out from here to the end (Fade::outGain()).
    qint64 endingMs = 0;
    // The beat the session has at 15·k s for every tone loop k that begins before the end: the
    // generator takes it at the first frame of each loop.
    QVector<float> loopBeats;

    // A built-in program for a session of `totalSeconds`.
    static SessionPlan of(const Program &program, int totalSeconds);
    // A plan of stages, for a session as long as its stages together.
    static SessionPlan of(const StagePlan &stages);
};

#endif
