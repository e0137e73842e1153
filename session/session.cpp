#include "session/session.h"

#include "session/timeline.h"

Session::Session(QObject *parent)
    : QObject(parent)
{
    ticker.setTimerType(Qt::PreciseTimer);
    connect(&ticker, &QTimer::timeout, this, &Session::tick);
}

void Session::start(const Program &program, int totalSeconds, bool secondaryTone)
{
    currentProgram = &program;
    sessionSeconds = totalSeconds;
    setSecondaryTone(secondaryTone);

    const Timeline::StageLengths lengths = Timeline::stageLengthsFor(totalSeconds);
    rampSeconds = lengths.rampLength;
    plateauSeconds = lengths.plateauLength;
    stageSeconds = rampSeconds;
    rampFromFrequency = program.startFrequency;
    rampToFrequency = program.plateauFrequency;
    rampFromColour = program.startColour;
    rampToColour = program.plateauColour;
    beat = program.startFrequency;
    emit beatFrequencyChanged(beat);
    setStage(Stage::FirstRamp);

    stageClock.start();
    sessionClock.start();
    flashClock.start();
    running = true;
    timeLeft = totalSeconds;
    emit timeLeftChanged(timeLeft);
    scheduleNextTick();
}

void Session::stop()
{
    if (!running)
        return;
    running = false;
    ticker.stop();
    emit stopped();
}

void Session::setSecondaryTone(bool on)
{
    secondaryToneOn = on;
    emit secondaryToneChanged(on);
}

// The order of the steps is part of the result: the flash fades at the beat of the last tick, and
// the colour mixes at the fraction read before a stage change.
void Session::tick()
{
    if (!running)
        return;

    const float fraction = Timeline::rampFraction(stageClock.elapsed(), stageSeconds);

    const qint64 flashElapsed = flashClock.elapsed();
    const Timeline::FlashStep step =
        Timeline::flashStep(flashElapsed, flashClock.elapsed(), float(beat), fade);
    flash = step.level;
    if (step.turn) {
        flashClock.restart();
        fade = fade == Fade::In ? Fade::Out : Fade::In;
    }

    setBeatFrequency(beatAt(fraction));

    if (stageOverAt(stageClock.elapsed()))
        changeStage();

    mixedColour = Timeline::mixColours(rampFromColour, rampToColour, fraction);
    emit screenColourChanged(screenColour());

    // The text shows whole seconds: most ticks change nothing in it.
    const int secondsLeft = secondsLeftAt(sessionClock.elapsed());
    if (secondsLeft != timeLeft) {
        timeLeft = secondsLeft;
        emit timeLeftChanged(timeLeft);
    }
    if (!colourShown)
        scheduleNextTick();
}

void Session::setSelfTicking(bool on)
{
    selfTicking = on;
    scheduleNextTick();
}

void Session::setColourShown(bool shown)
{
    if (shown == colourShown)
        return;
    colourShown = shown;
    scheduleNextTick();
}

// Every tick but those of the flash is on show on its own: a new second of time left, a beat for
// the tone, a stage change or the end. While the flash is not on show, the timer skips the ticks
// at which none of them would happen; a whole second of them at most, which keeps this search
// short.
void Session::scheduleNextTick()
{
    if (!running || !selfTicking) {
        ticker.stop();
        return;
    }
    ticker.start(colourShown ? tickIntervalMs : ticksToNextChange() * tickIntervalMs);
}

int Session::ticksToNextChange() const
{
    const qint64 stageMs = stageClock.elapsed();
    const qint64 sessionMs = sessionClock.elapsed();
    for (int ticks = 1; ticks < ticksPerSecond; ++ticks) {
        const qint64 aheadMs = qint64(ticks) * tickIntervalMs;
        if (stageOverAt(stageMs + aheadMs) || secondsLeftAt(sessionMs + aheadMs) != timeLeft ||
            beatAt(Timeline::rampFraction(stageMs + aheadMs, stageSeconds)) != beat)
            return ticks;
    }
    return ticksPerSecond;
}

// The last stage is over at the first tick from its length plus one second on (stageOverAt()).
int Session::millisecondsToFinish() const
{
    if (!running || currentStage != Stage::FinalRamp)
        return 0;
    return int(qMax<qint64>(0, (stageSeconds + 1) * qint64(1000) - stageClock.elapsed()));
}

QColor Session::screenColour() const
{
    return QColor(Timeline::screenComponent(mixedColour.red, flash),
                  Timeline::screenComponent(mixedColour.green, flash),
                  Timeline::screenComponent(mixedColour.blue, flash));
}

int Session::beatAt(float fraction) const
{
    return Timeline::rampFrequency(rampFromFrequency, rampToFrequency, fraction);
}

void Session::setBeatFrequency(int hertz)
{
    if (hertz == beat)
        return;
    beat = hertz;
    emit beatFrequencyChanged(beat);
}

void Session::setStage(Stage stage)
{
    currentStage = stage;
    emit stageChanged(stage);
}

void Session::changeStage()
{
    stageClock.restart();
    switch (currentStage) {
    case Stage::FirstRamp:
        rampFromPlateau(plateauSeconds, currentProgram->plateauFrequency,
                        currentProgram->plateauColour);
        setStage(Stage::Plateau);
        break;
    case Stage::Plateau:
        rampFromPlateau(rampSeconds, currentProgram->endFrequency, currentProgram->endColour);
        setStage(Stage::FinalRamp);
        break;
    case Stage::FinalRamp:
    case Stage::None:
        finish();
        break;
    }
}

// Stages 2 and 3 both start at the plateau's frequency and colour; the plateau ramps to itself.
void Session::rampFromPlateau(int length, int toFrequency, const Colour &toColour)
{
    stageSeconds = length;
    rampFromFrequency = currentProgram->plateauFrequency;
    setBeatFrequency(currentProgram->plateauFrequency);
    rampToFrequency = toFrequency;
    rampFromColour = currentProgram->plateauColour;
    rampToColour = toColour;
}

void Session::finish()
{
    running = false;
    ticker.stop();
    setStage(Stage::None);
    emit stopped();
    emit finished();
}
