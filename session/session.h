#ifndef SESSION_H
#define SESSION_H

#include "session/colour.h"
#include "session/programcatalogue.h"
#include "session/sessionclock.h"
#include "session/timeline.h"

#include <QColor>
#include <QObject>
#include <QTimer>

// One session of a program: three stages that ramp the beat frequency and the colour from the
// program's start values to its plateau, hold the plateau, and ramp to its end values, and a
// flash that fades in and out at the beat frequency. It runs on the session clocks, ticking on a
// 20 ms grid while it runs, and tells what it changed through its signals; it knows nothing of
// widgets or sound devices. Tests drive tick() by hand in virtual time (SessionClock).
class Session : public QObject
{
    Q_OBJECT

public:
    enum class Stage { None, FirstRamp, Plateau, FinalRamp };
    Q_ENUM(Stage)
    using Fade = Timeline::Fade;

    // A precise timer keeps the ticks on their 20 ms grid; a coarse one drifts by up to 5 %,
    // which shows in a fast flash fade.
    static constexpr int tickIntervalMs = 20;
    static constexpr int ticksPerSecond = 1000 / tickIntervalMs;

    explicit Session(QObject *parent = nullptr);

    bool isRunning() const { return running; }
    // The program of the last session started; nullptr before the first.
    const Program *program() const { return currentProgram; }
    Stage stage() const { return currentStage; }
    int totalSeconds() const { return sessionSeconds; }
    int rampLength() const { return rampSeconds; }
    int plateauLength() const { return plateauSeconds; }
    int beatFrequency() const { return beat; }
    bool secondaryTone() const { return secondaryToneOn; }
    // The stage's colour at the last tick, before the flash.
    Colour colour() const { return mixedColour; }
    float flashLevel() const { return flash; }
    // Carried over from one session to the next, as the flash was left.
    Fade fadeDirection() const { return fade; }
    // As last told by screenColourChanged() and timeLeftChanged().
    QColor screenColour() const;
    int secondsLeft() const { return timeLeft; }
    // While the last stage runs, the time until the tick at which the session finishes by itself,
    // as the session's clocks read now; 0 at any other time.
    int millisecondsToFinish() const;
    bool isColourShown() const { return colourShown; }

public slots:
    // Starts over at the first stage with fresh clocks; a running session is replaced.
    void start(const Program &program, int totalSeconds, bool secondaryTone);
    // Leaves the stage, the clocks and the fade as they are.
    void stop();
    void setSecondaryTone(bool on);
    // One step of a running session: flash, ramp, stage change and time left. Does nothing
    // while no session runs.
    void tick();
    // While on, as it is at first, a running session ticks itself. A caller that drives tick()
    // itself, to time each tick for instance, turns it off.
    void setSelfTicking(bool on);
    // Whether the colour is on show. While it is, a session ticks itself every 20 ms, for the
    // flash. While it is not, as at first, it wakes only for the ticks of that grid at which the
    // time left, the beat or the stage changes: at least once a second, and each at the tick it
    // would have had anyway.
    void setColourShown(bool shown);
    // The ticks of the 20 ms grid from this one to the next at which the time left, the beat or
    // the stage changes, at most a second's worth: how far a session whose colour is not on show
    // sleeps.
    int ticksToNextChange() const;

signals:
    void beatFrequencyChanged(int hertz);
    void secondaryToneChanged(bool on);
    void stageChanged(Session::Stage stage);
    // Whole seconds left; below 1 in the last seconds, when the session is about to end.
    void timeLeftChanged(int seconds);
    // The colour for the session screen, scaled by the flash level; every tick.
    void screenColourChanged(const QColor &colour);
    // By stop() or at the end of the last stage.
    void stopped();
    // The session ran to its end and stopped itself; comes after stopped().
    void finished();

private:
    void setBeatFrequency(int hertz);
    void setStage(Stage stage);
    void changeStage();
    void rampFromPlateau(int length, int toFrequency, const Colour &toColour);
    void finish();
    void scheduleNextTick();
    // What a tick at these clock readings finds: tick() and ticksToNextChange() must agree.
    bool stageOverAt(qint64 stageMs) const { return stageMs / 1000 > stageSeconds; }
    int secondsLeftAt(qint64 sessionMs) const { return sessionSeconds - int(sessionMs / 1000); }
    int beatAt(float fraction) const;

    QTimer ticker;
    bool selfTicking = true;
    bool colourShown = false;
    const Program *currentProgram = nullptr;
    bool running = false;
    Stage currentStage = Stage::None;
    Fade fade = Fade::In;
    float flash = 0;
    int beat = 0;
    bool secondaryToneOn = false;
    int timeLeft = 0;

    SessionClock stageClock;
    SessionClock sessionClock;
    SessionClock flashClock;

    int sessionSeconds = 0;
    int rampSeconds = 0;
    int plateauSeconds = 0;
    int stageSeconds = 0;
    int rampFromFrequency = 0;
    int rampToFrequency = 0;
    Colour rampFromColour {};
    Colour rampToColour {};
    Colour mixedColour {};
};

#endif
