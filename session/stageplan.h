#ifndef STAGEPLAN_H
#define STAGEPLAN_H

#include "session/colour.h"

#include <QList>

// One stage of a session as it will play, its length already fitted to the session's: the beat
// and the colour ramp linearly from their first values to their second over it.
struct PlannedStage
{
    int lengthSeconds;
    float beatFrom;
    float beatTo;
    Colour colourFrom;
    Colour colourTo;
};

// The stages of one session, in the order they play; their lengths add up to the session's.
using StagePlan = QList<PlannedStage>;

#endif
