#ifndef SESSIONPLAYER_H
#define SESSIONPLAYER_H

#include "session/programcatalogue.h"
#include "session/stageplan.h"
#include "sound/ambientsound.h"
#include "sound/tonekind.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class AmbientPlayer;
class Session;
class TonePlayer;

// A session as it is heard: the session engine (Session), moved on by a timer of the player's own
// against a monotonic clock, the binaural tone it steers (TonePlayer) and the ambient sound under
// it (AmbientPlayer). It has no widgets; a window, the desktop's media controls and the tests drive
// it alike, and follow it through its signals.
class SessionPlayer : public QObject
{
    Q_OBJECT

public:
    // Milliseconds from any fixed origin, never going back.
    using Clock = std::function<qint64()>;

    explicit SessionPlayer(QObject *parent = nullptr);
    ~SessionPlayer() override;

    bool isRunning() const;
    // The built-in program of the session that runs, or of the last one; nullptr before the first
    // and when that session plays a plan of its own.
    const Program *program() const;
    // The name of the program of the session that runs, or of the last one.
    QString programName() const;
    // As last told by timeLeftChanged() and screenColourChanged().
    int secondsLeft() const;
    QColor screenColour() const;
    AmbientSound ambientSound() const { return ambient; }
    ToneKind toneKind() const { return kind; }
    // The tone reaches the sound server, as last told by soundPlayingChanged().
    bool isSoundPlaying() const;
    bool isColourShown() const { return colourShown; }

    // For what only a test or a benchmark asks: the engine, the ambient player, and the seams of
    // time. The clock is the player's own monotonic one until another is set; a test sets one that
    // runs ahead or in virtual time. With self-ticking off, the session moves only at tick().
    Session &session() { return *engine; }
    AmbientPlayer &ambientPlayer() { return *ambientSoundPlayer; }
    void setClock(Clock clock);
    void setSelfTicking(bool on);

public slots:
    // Starts a session of `seconds` (300 to 46,500) of a built-in program; a running one is
    // replaced.
    void start(const Program &program, int seconds, AmbientSound ambient, bool secondaryTone);
    // Starts a session of a plan of stages, named `programName`; it lasts as long as its stages
    // together. A running one is replaced.
    void start(const QString &programName, const StagePlan &plan, AmbientSound ambient,
               bool secondaryTone);
    void stop();
    // Each takes effect in a running session too: the ambient sound at once, the secondary tone
    // from the tone's next loop on. Both are kept for the next session.
    void setAmbientSound(AmbientSound sound);
    void setSecondaryTone(bool on);
    // From the tone's next loop on in a running session, and for every session after it.
    void setToneKind(ToneKind toneKind);
    // Whether the screen colour is on show: while it is, the session moves on every 20 ms, for
    // the flash; while it is not, only at the moments at which the time left, the beat or the
    // stage changes: at least once a second, and each on the 20 ms grid it would have had anyway.
    void setColourShown(bool shown);
    // Moves a running session on to the clock's reading now, as the player's timer does.
    void tick();

signals:
    // The program's name as the window shows it.
    void started(const QString &programName, int seconds);
    // Whole seconds left; below 1 in the last seconds, when the session is about to end.
    void timeLeftChanged(int seconds);
    // The colour for the session screen, flash included.
    void screenColourChanged(const QColor &colour);
    // At stop(), and at the session's own end (atItsEnd); the sound is silenced.
    void stopped(bool atItsEnd);
    // While a session runs: whether its tone can reach the sound server.
    void soundPlayingChanged(bool playing);

private:
    void play(AmbientSound sound);
    void fadeOut(int ms);
    void scheduleNextTick();
    void silence();

    Session *engine;
    TonePlayer *tone;
    AmbientPlayer *ambientSoundPlayer;
    AmbientSound ambient = AmbientSound::PinkNoise;
    ToneKind kind = ToneKind::Binaural;
    QTimer ticker;
    Clock clock;
    qint64 startedAt = 0;
    bool selfTicking = true;
    bool colourShown = false;
};

#endif
