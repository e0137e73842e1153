#ifndef SESSIONPLAYER_H
#define SESSIONPLAYER_H

#include "session/programcatalogue.h"
#include "sound/ambientsound.h"
#include "sound/tonekind.h"

#include <QColor>
#include <QObject>

class AmbientPlayer;
class Session;
class TonePlayer;

// A session as it is heard: the session engine (Session), the binaural tone it steers (TonePlayer)
// and the ambient sound under it (AmbientPlayer). It has no widgets; a window, the desktop's media
// controls and the tests drive it alike, and follow it through its signals.
class SessionPlayer : public QObject
{
    Q_OBJECT

public:
    explicit SessionPlayer(QObject *parent = nullptr);
    ~SessionPlayer() override;

    bool isRunning() const;
    // The program of the session that runs, or of the last one; nullptr before the first.
    const Program *program() const;
    // As last told by timeLeftChanged() and screenColourChanged().
    int secondsLeft() const;
    QColor screenColour() const;
    AmbientSound ambientSound() const { return ambient; }
    ToneKind toneKind() const { return kind; }
    // The tone reaches the sound server, as last told by soundPlayingChanged().
    bool isSoundPlaying() const;

    // The engine, for what only a test or a benchmark asks of it: its clocks and its ticks.
    Session &session() { return *engine; }
    AmbientPlayer &ambientPlayer() { return *ambientSoundPlayer; }

public slots:
    // Starts a session of `seconds` (300 to 46,500) of the program; a running one is replaced.
    void start(const Program &program, int seconds, AmbientSound ambient, bool secondaryTone);
    void stop();
    // Each takes effect in a running session too: the ambient sound at once, the secondary tone
    // from the tone's next loop on. Both are kept for the next session.
    void setAmbientSound(AmbientSound sound);
    void setSecondaryTone(bool on);
    // From the tone's next loop on in a running session, and for every session after it.
    void setToneKind(ToneKind toneKind);
    // Whether the screen colour is on show: while it is, the session ticks for every step of the
    // flash; while it is not, only when the time left, the beat or the stage changes.
    void setColourShown(bool shown);

signals:
    void started(const Program &program, int seconds);
    // Whole seconds left; below 1 in the last seconds, when the session is about to end.
    void timeLeftChanged(int seconds);
    // The colour for the session screen, flash included.
    void screenColourChanged(const QColor &colour);
    // At stop(), and at the session's own end (atItsEnd); the sound is silenced.
    void stopped(bool atItsEnd);
    // While a session runs: whether its tone can reach the sound server.
    void soundPlayingChanged(bool playing);

private:
    void silence();

    Session *engine;
    TonePlayer *tone;
    AmbientPlayer *ambientSoundPlayer;
    AmbientSound ambient = AmbientSound::PinkNoise;
    ToneKind kind = ToneKind::Binaural;
};

#endif
