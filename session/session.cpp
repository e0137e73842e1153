#include "session/session.h"

#include "session/timeline.h"

#include <cmath>

Session::Session(QObject *parent)
    : QObject(parent)
{
}

void Session::start(const Program &program, int totalSeconds, bool secondaryTone)
{
    begin(&program, ProgramCatalogue::translatedName(program),
          ProgramCatalogue::stagePlan(program, totalSeconds), Rule::BuiltIn, secondaryTone);
}

void Session::start(const QString &programName, const StagePlan &plan, bool secondaryTone)
{
    Q_ASSERT(!plan.isEmpty());
    begin(nullptr, programName, plan, Rule::Planned, secondaryTone);
}

void Session::begin(const Program *builtIn, const QString &programName, const StagePlan &plan,
                    Rule stageRule, bool secondaryTone)
{
    builtInProgram = builtIn;
    name = programName;
    stages = plan;
    rule = stageRule;
    sessionSeconds = 0;
    for (const PlannedStage &planned : plan)
        sessionSeconds += planned.lengthSeconds;
    setSecondaryTone(secondaryTone);

    // The first beat is told even when it is the last session's: a new session starts its tone.
    beat = plan.first().beatFrom;
    emit beatFrequencyChanged(beat);
    nowMs = 0;
    flashStartedMs = 0;
    currentStage = 0;
    enterStage(1);

    running = true;
    endingTold = false;
    timeLeft = sessionSeconds;
    emit timeLeftChanged(timeLeft);
}

void Session::stop()
{
    if (!running)
        return;
    running = false;
    emit stopped();
}

void Session::setSecondaryTone(bool on)
{
    secondaryToneOn = on;
    emit secondaryToneChanged(on);
}

// The order of the steps is part of the result: the flash fades at the beat of the last moment,
// and a built-in program's colour mixes at the fraction read before a stage change.
void Session::advanceTo(qint64 ms)
{
    if (!running || ms < nowMs)
        return;
    nowMs = ms;

    float fraction = fractionAt(ms);

    const Timeline::FlashStep step = Timeline::flashStep(ms - flashStartedMs, beat, fade);
    flash = step.level;
    if (step.turn) {
        flashStartedMs = ms;
        fade = fade == Fade::In ? Fade::Out : Fade::In;
    }

    setBeatFrequency(beatAt(fraction));

    if (rule == Rule::BuiltIn) {
        if (stageOverAt(ms))
            changeStage();
    } else {
        // However late this moment comes, the stages it is past are over, and it plays its own.
        while (running && stageOverAt(ms))
            changeStage();
        if (running) {
            fraction = fractionAt(ms);
            setBeatFrequency(beatAt(fraction));
        }
    }

    mixedColour = Timeline::mixColours(rampFromColour, rampToColour, fraction);
    emit screenColourChanged(screenColour());

    // The text shows whole seconds: most moments change nothing in it.
    const int secondsLeft = secondsLeftAt(ms);
    if (secondsLeft != timeLeft) {
        timeLeft = secondsLeft;
        emit timeLeftChanged(timeLeft);
    }
    if (running && !endingTold && timeLeft < 1) {
        endingTold = true;
        emit ending(millisecondsToFinish());
    }
}

int Session::ticksToNextChange() const
{
    if (!running)
        return ticksPerSecond;
    for (int ticks = 1; ticks < ticksPerSecond; ++ticks) {
        const qint64 aheadMs = nowMs + qint64(ticks) * tickIntervalMs;
        if (stageOverAt(aheadMs) || secondsLeftAt(aheadMs) != timeLeft ||
            beatAt(fractionAt(aheadMs)) != beat)
            return ticks;
    }
    return ticksPerSecond;
}

int Session::millisecondsToFinish() const
{
    if (!running || currentStage != stages.size())
        return 0;
    return int(qMax<qint64>(0, finishMs() - nowMs));
}

QColor Session::screenColour() const
{
    return QColor(Timeline::screenComponent(mixedColour.red, flash),
                  Timeline::screenComponent(mixedColour.green, flash),
                  Timeline::screenComponent(mixedColour.blue, flash));
}

// A built-in program's stage is over at the first moment a whole second past its length; a plan's
// at its length, and its last stage once the ending has been read too.
bool Session::stageOverAt(qint64 ms) const
{
    const qint64 stageMs = ms - stageStartedMs;
    if (rule == Rule::BuiltIn)
        return stageMs / 1000 > stage().lengthSeconds;
    const int endingAfter = currentStage == stages.size() ? endingSeconds : 0;
    return stageMs >= (stage().lengthSeconds + endingAfter) * qint64(1000);
}

int Session::secondsLeftAt(qint64 ms) const
{
    return sessionSeconds - int(ms / 1000);
}

// A built-in program's fraction runs a little past 1 in the second its stage overstays.
float Session::fractionAt(qint64 ms) const
{
    const int length = stage().lengthSeconds;
    if (rule == Rule::BuiltIn)
        return Timeline::rampFraction(ms - stageStartedMs, length);
    if (length == 0)
        return 1.0f;
    return qBound(0.0f, Timeline::rampFraction(ms - stageStartedMs, length), 1.0f);
}

// A plan's beat moves in hundredths of a hertz: finer than anyone hears, and coarse enough that a
// session whose colour is not on show need not wake at every tick of a slow ramp.
float Session::beatAt(float fraction) const
{
    const PlannedStage &playing = stage();
    if (rule == Rule::BuiltIn)
        return float(Timeline::rampFrequency(int(playing.beatFrom), int(playing.beatTo), fraction));
    const float hertz = playing.beatFrom + fraction * (playing.beatTo - playing.beatFrom);
    return std::round(hertz * 100.0f) / 100.0f;
}

qint64 Session::finishMs() const
{
    const qint64 stageEndMs = stageStartedMs + stage().lengthSeconds * qint64(1000);
    return rule == Rule::BuiltIn ? stageEndMs + 1000 : stageEndMs + endingSeconds * 1000;
}

void Session::setBeatFrequency(float hertz)
{
    if (hertz == beat)
        return;
    beat = hertz;
    emit beatFrequencyChanged(beat);
}

void Session::changeStage()
{
    if (currentStage == stages.size())
        finish();
    else
        enterStage(currentStage + 1);
}

// A built-in program's next stage starts at the moment of the change; a plan's where the last one
// ended, so that no stage takes a moment's lateness from the one before.
void Session::enterStage(int number)
{
    if (number == 1)
        stageStartedMs = 0;
    else if (rule == Rule::BuiltIn)
        stageStartedMs = nowMs;
    else
        stageStartedMs += stage().lengthSeconds * qint64(1000);
    currentStage = number;
    const PlannedStage &entered = stage();
    rampFromColour = entered.colourFrom;
    rampToColour = entered.colourTo;
    if (number > 1)
        setBeatFrequency(entered.beatFrom);
    emit stageChanged(number);
}

void Session::finish()
{
    running = false;
    currentStage = 0;
    emit stageChanged(0);
    emit stopped();
    emit finished();
}
