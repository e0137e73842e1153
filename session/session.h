#ifndef SESSION_H
#define SESSION_H

#include "session/colour.h"
#include "session/programcatalogue.h"
#include "session/stageplan.h"
#include "session/timeline.h"

#include <QColor>
#include <QObject>
#include <QString>

// One session of a program: its stages ramp the beat frequency and the colour linearly, one after
// another, and a flash fades in and out at the beat frequency. It keeps no clock: whoever runs it
// (the player's timer, the renderer's loop, a test) moves it on to a moment, in milliseconds since
// its start, and it tells what changed through its signals. It knows nothing of widgets or sound
// devices.
//
// A built-in program plays by the rule it was born with: three stages (Timeline::stageLengthsFor),
// the beat in whole hertz, truncated, and each stage over at the first moment a whole second past
// its length, so that the session takes three seconds more than its length. Any other plan of
// stages plays its beats to a hundredth of a hertz and changes stage at the stages' own
// boundaries; its end is that of a built-in program, the same three seconds of "Ending...".
class Session : public QObject
{
    Q_OBJECT

public:
    using Fade = Timeline::Fade;

    // The moments a session is moved on at: a timer that keeps to this grid changes the flash in
    // steps fine enough for its fastest fade; a coarse one drifts by up to 5 %, which shows.
    static constexpr int tickIntervalMs = 20;
    static constexpr int ticksPerSecond = 1000 / tickIntervalMs;
    // How long a plan's session reads "Ending...", as a built-in program's does.
    static constexpr int endingSeconds = 3;

    explicit Session(QObject *parent = nullptr);

    bool isRunning() const { return running; }
    // The built-in program of the last session started; nullptr before the first, and when that
    // session played a plan of its own.
    const Program *program() const { return builtInProgram; }
    // The name of the last session's program, as it was started; empty before the first.
    QString programName() const { return name; }
    // The stages of the last session started, their lengths fitted to its length.
    const StagePlan &plan() const { return stages; }
    // The stage playing: 1 to plan().size(); 0 once the session has ended by itself.
    int stageNumber() const { return currentStage; }
    int totalSeconds() const { return sessionSeconds; }
    float beatFrequency() const { return beat; }
    bool secondaryTone() const { return secondaryToneOn; }
    // The stage's colour at the last moment, before the flash.
    Colour colour() const { return mixedColour; }
    float flashLevel() const { return flash; }
    // Carried over from one session to the next, as the flash was left.
    Fade fadeDirection() const { return fade; }
    // As last told by screenColourChanged() and timeLeftChanged().
    QColor screenColour() const;
    int secondsLeft() const { return timeLeft; }
    // The moment the session was last moved on to, in milliseconds since its start.
    qint64 moment() const { return nowMs; }
    // While the last stage runs, the time from the last moment to the one at which the session
    // finishes by itself; 0 at any other time.
    int millisecondsToFinish() const;
    // The steps of the 20 ms grid from the last moment to the next at which the time left, the
    // beat or the stage changes, at most a second's worth: how far a session whose colour is not
    // on show may sleep.
    int ticksToNextChange() const;

public slots:
    // Starts a built-in program for `totalSeconds` (300 to 46,500) at moment 0, named by its
    // translated name; a running session is replaced.
    void start(const Program &program, int totalSeconds, bool secondaryTone);
    // Starts a plan of 1 to 32 stages at moment 0; the session lasts as long as its stages
    // together. A running session is replaced.
    void start(const QString &programName, const StagePlan &plan, bool secondaryTone);
    // Leaves the stage, the moment and the fade as they are.
    void stop();
    void setSecondaryTone(bool on);
    // Moves a running session on to `ms` since its start: flash, ramp, stage change, time left
    // and its end, each as at a moment at least as late as the last one. Does nothing while no
    // session runs, or for a moment before the last.
    void advanceTo(qint64 ms);

signals:
    void beatFrequencyChanged(float hertz);
    void secondaryToneChanged(bool on);
    // 1 to the plan's size as a stage begins; 0 at the session's own end.
    void stageChanged(int number);
    // Whole seconds left; below 1 in the last seconds, when the session is about to end.
    void timeLeftChanged(int seconds);
    // Once a session, at the first moment at or past the one at which the time left reads
    // "Ending...", however late that moment comes: the session finishes by itself `ms` on.
    void ending(int ms);
    // The colour for the session screen, scaled by the flash level; at every moment.
    void screenColourChanged(const QColor &colour);
    // By stop() or at the end of the last stage.
    void stopped();
    // The session ran to its end and stopped itself; comes after stopped().
    void finished();

private:
    enum class Rule { BuiltIn, Planned };

    void begin(const Program *builtIn, const QString &programName, const StagePlan &plan,
               Rule stageRule, bool secondaryTone);
    void setBeatFrequency(float hertz);
    void changeStage();
    void enterStage(int number);
    void finish();
    // What the session finds at a moment: advanceTo() and ticksToNextChange() must agree.
    bool stageOverAt(qint64 ms) const;
    int secondsLeftAt(qint64 ms) const;
    float fractionAt(qint64 ms) const;
    float beatAt(float fraction) const;
    qint64 finishMs() const;
    const PlannedStage &stage() const { return stages.at(currentStage - 1); }

    const Program *builtInProgram = nullptr;
    QString name;
    StagePlan stages;
    Rule rule = Rule::BuiltIn;
    bool running = false;
    bool endingTold = false;
    int currentStage = 0;
    Fade fade = Fade::In;
    float flash = 0;
    float beat = 0;
    bool secondaryToneOn = false;
    int timeLeft = 0;
    int sessionSeconds = 0;

    qint64 nowMs = 0;
    qint64 stageStartedMs = 0;
    qint64 flashStartedMs = 0;
    Colour rampFromColour {};
    Colour rampToColour {};
    Colour mixedColour {};
};

#endif
