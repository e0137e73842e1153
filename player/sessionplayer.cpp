#include "player/sessionplayer.h"

#include "session/session.h"
#include "sound/ambientplayer.h"
#include "sound/toneplayer.h"

SessionPlayer::SessionPlayer(QObject *parent)
    : QObject(parent)
    , engine(new Session(this))
    , tone(new TonePlayer(this))
    , ambientSoundPlayer(new AmbientPlayer(this))
{
    connect(engine, &Session::beatFrequencyChanged, tone, &TonePlayer::setBeatFrequency);
    connect(engine, &Session::secondaryToneChanged, tone, &TonePlayer::setSecondaryTone);
    connect(engine, &Session::timeLeftChanged, this, &SessionPlayer::timeLeftChanged);
    connect(engine, &Session::screenColourChanged, this, &SessionPlayer::screenColourChanged);
    connect(engine, &Session::stopped, this, &SessionPlayer::silence);
    // Tone and ambient sound fade out over the seconds that read "Ending...", and are silent when
    // the session stops by itself.
    connect(engine, &Session::timeLeftChanged, this, [this](int seconds) {
        if (seconds != 0)
            return;
        const int ms = engine->millisecondsToFinish();
        tone->fadeOut(ms);
        ambientSoundPlayer->fadeOut(ms);
    });
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

void SessionPlayer::start(const Program &program, int seconds, AmbientSound sound,
                          bool secondaryTone)
{
    if (sound != ambient)
        setAmbientSound(sound);
    // The engine tells the tone its first beat and secondary tone as it starts, before the tone
    // plays its first frame.
    engine->start(program, seconds, secondaryTone);
    tone->play();
    ambientSoundPlayer->play();
    emit started(program, seconds);
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
    engine->setColourShown(shown);
}

// A session that ends by itself has left its last stage by the time it says it stopped.
void SessionPlayer::silence()
{
    tone->stop();
    ambientSoundPlayer->stop();
    emit stopped(engine->stage() == Session::Stage::None);
}
