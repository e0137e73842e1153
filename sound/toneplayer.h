#ifndef TONEPLAYER_H
#define TONEPLAYER_H

#include "sound/tonekind.h"

#include <QObject>

class Generator;
class SoundOutput;

// Plays the beat tone (Generator) through a sound output of its own, for as long as it is told
// to play. Every call returns at once: the generator lives in the output's thread, and the calls
// reach it there in the order they were made. A change of beat, kind or secondary tone is heard
// from the tone's next fifteen-second loop on.
class TonePlayer : public QObject
{
    Q_OBJECT

public:
    explicit TonePlayer(QObject *parent = nullptr);
    ~TonePlayer() override;

    // The sound reaches the sound server, as last reported by playingChanged().
    bool isPlaying() const;

public slots:
    void setBeatFrequency(float hertz);
    void setSecondaryTone(bool on);
    void setToneKind(ToneKind kind);
    // From the first frame of a loop, with the beat and the secondary tone set by then: a change
    // made after this call is heard from the next loop on.
    void play();
    // Ramps the tone to silence at once (Fade::stopMs).
    void stop();
    // Fades the tone out to silence `ms` from now (see SoundOutput::fadeOut()).
    void fadeOut(int ms);

signals:
    // True once the sound plays, false when it cannot, after a play or when it is lost; a stop
    // says nothing.
    void playingChanged(bool playing);

private:
    Generator *generator; // owned by the output and used in its thread
    SoundOutput *output;
};

#endif
