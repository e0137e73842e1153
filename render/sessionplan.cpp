#include "render/sessionplan.h"

#include "session/session.h"
#include "sound/tone.h"

namespace {

// The session's clocks read this while a plan is made: its ticks come as fast as they can, each
// 20 ms later in the session's time.
qint64 virtualNowMs = 0;

qint64 virtualNow()
{
    return virtualNowMs;
}

} // namespace

SessionPlan SessionPlan::of(const Program &program, int totalSeconds)
{
    SessionClock::setTimeSource(virtualNow);
    virtualNowMs = 0;
    Session session;
    session.setSelfTicking(false);
    session.start(program, totalSeconds, false);

    SessionPlan plan;
    const qint64 loopMs = Tone::loopSeconds * 1000;
    plan.loopBeats << session.beatFrequency();
    while (session.isRunning()) {
        virtualNowMs += Session::tickIntervalMs;
        session.tick();
        if (plan.endingMs == 0 && session.secondsLeft() < 1)
            plan.endingMs = virtualNowMs;
        if (session.isRunning() && virtualNowMs % loopMs == 0)
            plan.loopBeats << session.beatFrequency();
    }
    plan.lengthMs = virtualNowMs;
    SessionClock::setTimeSource(nullptr);
    return plan;
}
