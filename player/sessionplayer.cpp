#include "player/sessionplayer.h"

#include "session/session.h"
#include "sound/ambientplayer.h"
#include "sound/toneplayer.h"

#include <QElapsedTimer>

namespace {

// The monotonic clock, so that a wall-clock change during an overnight session (daylight saving,
// a time-server correction) can neither stretch nor cut it.
qint64 monotonicNow()
{
    QElapsedTimer timer;
    timer.start();
    return timer.msecsSinceReference();
}

} // namespace

SessionPlayer::SessionPlayer(QObject *parent)
    : QObject(parent)
    , engine(new Session(this))
    , tone(new TonePlayer(this))
    , ambientSoundPlayer(new AmbientPlayer(this))
    , clock(monotonicNow)
{
    // A precise timer keeps the moments on their 20 ms grid; a coarse one drifts by up to 5 %.
    ticker.setTimerType(Qt::PreciseTimer);
    connect(&ticker, &QTimer::timeout, this, &SessionPlayer::tick);

    connect(engine, &Session::beatFrequencyChanged, tone, &TonePlayer::setBeatFrequency);
    connect(engine, &Session::secondaryToneChanged, tone, &TonePlayer::setSecondaryTone);
    connect(engine, &Session::timeLeftChanged, this, &SessionPlayer::timeLeftChanged);
    connect(engine, &Session::screenColourChanged, this, &SessionPlayer::screenColourChanged);
    connect(engine, &Session::stopped, this, &SessionPlayer::silence);
    // Tone and ambient sound fade out over the seconds that read "Ending...", and are silent when
    // the session stops by itself.
    connect(engine, &Session::ending, this, &SessionPlayer::fadeOut);
    connect(tone, &TonePlayer::playingChanged, this, [this](bool playing) {
        if (engine->isRunning())
            emit soundPlayingChanged(playing);
    });
}

SessionPlayer::~SessionPlayer() = default;

bool SessionPlayer::isRunning() const
{
    return engine->isRunning();
}

const Program *SessionPlayer::program() const
{
    return engine->program();
}

QString SessionPlayer::programName() const
{
    return engine->programName();
}

int SessionPlayer::secondsLeft() const
{
    return engine->secondsLeft();
}

QColor SessionPlayer::screenColour() const
{
    return engine->screenColour();
}

bool SessionPlayer::isSoundPlaying() const
{
    return tone->isPlaying();
}

void SessionPlayer::setClock(Clock source)
{
    clock = source ? std::move(source) : Clock(monotonicNow);
}

void SessionPlayer::setSelfTicking(bool on)
{
    selfTicking = on;
    scheduleNextTick();
}

// The engine tells the tone its first beat and secondary tone as it starts, before the tone plays
// its first frame.
void SessionPlayer::start(const Program &program, int seconds, AmbientSound sound,
                          bool secondaryTone)
{
    startedAt = clock();
    engine->start(program, seconds, secondaryTone);
    play(sound);
}

void SessionPlayer::start(const QString &programName, const StagePlan &plan, AmbientSound sound,
                          bool secondaryTone)
{
    startedAt = clock();
    engine->start(programName, plan, secondaryTone);
    play(sound);
}

void SessionPlayer::play(AmbientSound sound)
{
    if (sound != ambient)
        setAmbientSound(sound);
    tone->play();
    ambientSoundPlayer->play();
    scheduleNextTick();
    emit started(engine->programName(), engine->totalSeconds());
}

void SessionPlayer::stop()
{
    engine->stop();
}

void SessionPlayer::setAmbientSound(AmbientSound sound)
{
    ambient = sound;
    ambientSoundPlayer->setSound(sound);
}

void SessionPlayer::setSecondaryTone(bool on)
{
    engine->setSecondaryTone(on);
}

void SessionPlayer::setToneKind(ToneKind toneKind)
{
    kind = toneKind;
    tone->setToneKind(toneKind);
}

void SessionPlayer::setColourShown(bool shown)
{
    if (shown == colourShown)
        return;
    colourShown = shown;
    scheduleNextTick();
}

void SessionPlayer::tick()
{
    if (!engine->isRunning())
        return;
    engine->advanceTo(clock() - startedAt);
    // While the colour is on show the timer repeats on its own 20 ms grid.
    if (!colourShown)
        scheduleNextTick();
}

// Every moment but those of the flash is on show on its own: a new second of time left, a beat for
// the tone, a stage change or the end. While the flash is not on show, the timer skips the moments
// at which none of them would happen.
void SessionPlayer::scheduleNextTick()
{
    if (!engine->isRunning() || !selfTicking) {
        ticker.stop();
        return;
    }
    ticker.start(colourShown ? Session::tickIntervalMs
                             : engine->ticksToNextChange() * Session::tickIntervalMs);
}

void SessionPlayer::fadeOut(int ms)
{
    tone->fadeOut(ms);
    ambientSoundPlayer->fadeOut(ms);
}

// A session that ends by itself has left its last stage by the time it says it stopped.
void SessionPlayer::silence()
{
    ticker.stop();
    tone->stop();
    ambientSoundPlayer->stop();
    emit stopped(engine->stageNumber() == 0);
}
