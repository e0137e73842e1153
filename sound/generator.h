#ifndef GENERATOR_H
#define GENERATOR_H

#include <QByteArray>
#include <QIODevice>
#include <QVector>

// A read-only device that serves a fifteen-second binaural-beat loop of 44,100 Hz, two-channel,
// 16-bit signed PCM in the machine's byte order, endlessly: the 396 Hz carrier on the left,
// carrier plus beat on the right, and an optional 528 Hz secondary tone in both. The loop fades in
// over its first 1.2 s and out over its last 1.2 s, so one loop joins the next without a click.
//
// A change of beat or secondary tone is heard from the next loop on: the loop is resynthesised
// when a read runs past its last frame, by whoever reads it, and only if something changed.
class Generator : public QIODevice
{
    Q_OBJECT

public:
    // Synthesises the loop with no beat and no secondary tone, and opens the device read-only.
    explicit Generator(QObject *parent = nullptr);
    ~Generator() override;

    // Back to the first frame of the loop, which takes the beat and the secondary tone set by now:
    // whatever changes after this waits for the loop's next first frame.
    void rewind();
    // Synthesises the loop for the current beat and secondary tone now, as the read at the loop's
    // first frame would; the read position stays where it is.
    void generateData();

    // Copies maxSize bytes of the loop from the read position on, wrapping at its end; never
    // returns fewer bytes than asked for.
    qint64 readData(char *data, qint64 maxSize) override;
    // The device takes no data: returns 0.
    qint64 writeData(const char *data, qint64 len) override;

    float beatFrequency() const { return beat; }
    bool secondaryTone() const { return secondaryToneOn; }

    // Each takes effect at the loop's next first frame, or at a rewind.
    void setBeatFrequency(float hertz);
    void setSecondaryTone(bool on);

private:
    void updateTerms();
    void synthesiseFade(int firstFrame, int endFrame, bool fadingIn);
    void synthesisePlateau();

    float beat = 0.0f;
    bool secondaryToneOn = false;
    // The loop no longer holds the beat or the secondary tone set.
    bool changed = false;
    qint64 readPosition = 0;
    QByteArray buffer;

    // Scaled sine terms for one second (t = 0 .. 44,099): every second of the loop restarts the
    // sines at t = 0. The right ear's are recomputed only when the beat changes.
    QVector<double> leftTerms;
    QVector<double> rightTerms;
    QVector<double> secondaryTerms;
    float rightTermsFrequency;

    QByteArray plateauSecond;
};

#endif
