#include "render/sessionplan.h"

#include "session/session.h"
#include "sound/tone.h"

namespace {

SessionPlan planOf(Session &session)
{
    SessionPlan plan;
    const qint64 loopMs = Tone::loopSeconds * 1000;
    qint64 moment = 0;
    plan.loopBeats << session.beatFrequency();
    while (session.isRunning()) {
        moment += Session::tickIntervalMs;
        session.advanceTo(moment);
        if (plan.endingMs == 0 && session.secondsLeft() < 1)
            plan.endingMs = moment;
        if (session.isRunning() && moment % loopMs == 0)
            plan.loopBeats << session.beatFrequency();
    }
    plan.lengthMs = moment;
    return plan;
}

} // namespace

SessionPlan SessionPlan::of(const Program &program, int totalSeconds)
{
    Session session;
    session.start(program, totalSeconds, false);
    return planOf(session);
}

SessionPlan SessionPlan::of(const StagePlan &stages)
{
    Session session;
    session.start(QString(), stages, false);
    return planOf(session);
}
