#ifndef GENERATOR_H
#define GENERATOR_H

#include <QByteArray>
#include <QIODevice>
#include <QVector>

#include "sound/tone.h"

// A read-only device that serves a fifteen-second binaural-beat loop of 44,100 Hz, two-channel,
// 16-bit signed PCM, endlessly: the carrier on the left, carrier plus beat on the right, and an
// optional 528 Hz secondary tone in both. The loop fades in over its first 1.2 s and out over its
// last 1.2 s. The owner sets the frequencies and the secondary tone, then calls generateData() to
// resynthesise the loop with them.
class Generator : public QIODevice
{
    Q_OBJECT

public:
    // The samples are stored in the given byte order. The loop is synthesised once here, with no
    // beat and no secondary tone; the device is left closed.
    Generator(QSysInfo::Endian byteOrder, QObject *parent);
    ~Generator() override;

    // Opens the device read-only without moving the read position.
    void start();
    // Rewinds to the first frame of the loop and closes the device.
    void stop();

    // Resynthesises the whole loop from the public fields; the read position stays where it is.
    // While the device is open, the 441 frames from the read position on blend the old loop into
    // the new one, so that a change of tone does not click.
    void generateData();

    // Copies maxSize bytes of the loop from the read position on, wrapping at its end; never
    // returns fewer bytes than asked for.
    qint64 readData(char *data, qint64 maxSize) override;
    // The device takes no data: returns 0.
    qint64 writeData(const char *data, qint64 len) override;
    qint64 bytesAvailable() const override;

    float carrierFrequency() const { return carrier; }
    float beatFrequency() const { return beat; }
    bool secondaryTone() const { return secondaryToneOn; }

public slots:
    // Each takes effect at the next generateData().
    void setCarrierFrequency(float hertz);
    void setBeatFrequency(float hertz);
    void setSecondaryTone(bool on);

private:
    void updateTerms();
    void synthesiseFade(int firstFrame, int endFrame, bool fadingIn);
    void synthesisePlateau();
    void keepBlendStretch();
    void blendIntoNewLoop();
    qint16 sampleAt(int sampleIndex) const;
    void storeSample(char *dest, qint16 value) const;

    QSysInfo::Endian byteOrder;
    float carrier = Tone::carrierFrequency;
    float beat = 0.0f;
    bool secondaryToneOn = false;
    qint64 readPosition;
    QByteArray buffer;

    // Scaled sine terms for one second (t = 0 .. 44,099), recomputed only when their frequency
    // changes: every second of the loop restarts the sines at t = 0.
    QVector<double> leftTerms;
    QVector<double> rightTerms;
    QVector<double> secondaryTerms;
    float leftTermsFrequency;
    float rightTermsFrequency;

    QByteArray plateauSecond;
    QVector<qint16> blendStretch;
};

#endif
