#ifndef GENERATOR_H
#define GENERATOR_H

#include "sound/tonekind.h"

#include <QByteArray>
#include <QIODevice>
#include <QVector>

// A read-only device that serves a fifteen-second beat-tone loop of 44,100 Hz, two-channel, 16-bit
// signed PCM in the machine's byte order, endlessly, in one of three kinds (ToneKind): binaural,
// the 396 Hz carrier on the left and carrier plus beat on the right; isochronic, the carrier in
// both ears pulsed at the beat with smooth edges; monaural, carrier and carrier plus beat mixed in
// both ears. Each peaks at the same level, and an optional 528 Hz secondary tone is in both ears.
// The loop fades in over its first 1.2 s and out over its last 1.2 s, so one loop joins the next
// without a click.
//
// A change of beat, kind or secondary tone is heard from the next loop on: the loop is
// resynthesised when a read runs past its last frame, by whoever reads it, and only if something
// changed.
class Generator : public QIODevice
{
    Q_OBJECT

public:
    // Synthesises the loop with no beat and no secondary tone, and opens the device read-only.
    explicit Generator(QObject *parent = nullptr);
    ~Generator() override;

    // Back to the first frame of the loop, which takes the beat, kind and secondary tone set by
    // now: whatever changes after this waits for the loop's next first frame.
    void rewind();
    // Synthesises the loop for the current beat, kind and secondary tone now, as the read at the
    // loop's first frame would; the read position stays where it is.
    void generateData();

    // Copies maxSize bytes of the loop from the read position on, wrapping at its end; never
    // returns fewer bytes than asked for.
    qint64 readData(char *data, qint64 maxSize) override;
    // The device takes no data: returns 0.
    qint64 writeData(const char *data, qint64 len) override;

    float beatFrequency() const { return beat; }
    bool secondaryTone() const { return secondaryToneOn; }
    ToneKind toneKind() const { return kind; }

    // Each takes effect at the loop's next first frame, or at a rewind.
    void setBeatFrequency(float hertz);
    void setSecondaryTone(bool on);
    void setToneKind(ToneKind toneKind);

private:
    void updateTerms();
    void synthesiseFade(int firstFrame, int endFrame, bool fadingIn);
    void synthesisePlateau();

    float beat = 0.0f;
    bool secondaryToneOn = false;
    ToneKind kind = ToneKind::Binaural;
    // The loop no longer holds the beat, kind or secondary tone set.
    bool changed = false;
    qint64 readPosition = 0;
    QByteArray buffer;

    // Scaled sine terms for one second (t = 0 .. 44,099): every second of the loop restarts the
    // sines at t = 0. They are recomputed only when the beat or the kind changes, and a binaural
    // tone's left ear's never change.
    QVector<double> leftTerms;
    QVector<double> rightTerms;
    QVector<double> secondaryTerms;
    ToneKind termsKind = ToneKind::Binaural;
    float rightTermsFrequency;

    QByteArray plateauSecond;
};

#endif
