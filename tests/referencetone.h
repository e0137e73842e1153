#ifndef REFERENCETONE_H
#define REFERENCETONE_H

#include <QByteArray>
#include <QtEndian>

#include <cmath>

// The tone loop computed straight from its formula, three sines for every frame. The tests hold
// the generator to it byte for byte, and the benchmark times the generator against it.
namespace ReferenceTone {

const int FramesPerSecond = 44100;
const int LoopFrames = 661500;
const int LoopBytes = LoopFrames * 4;

struct Frame
{
    qint16 left;
    qint16 right;
};

inline float envelope(int i)
{
    if (i < 52920)
        return float(i / 52920.0);
    if (i <= 608580)
        return float(52919 / 52920.0);
    return float(1 - (i - 608580) / 52920.0);
}

inline Frame frame(int i, float carrierFrequency, float beatFrequency, bool secondaryTone)
{
    const double twoPi = 6.283185307179586;
    const int t = i % FramesPerSecond;
    const double sL = std::sin(twoPi * carrierFrequency * t / 44100);
    const double sR = std::sin(twoPi * (carrierFrequency + beatFrequency) * t / 44100);
    const double s = std::sin(twoPi * 528 * t / 44100);
    const float e = envelope(i);
    const qint16 secondary = secondaryTone ? qint16(32767 * s * 0.1 * e) : 0;
    return {qint16(qint16(sL * 32767 * 0.7 * e) + secondary),
            qint16(qint16(sR * 32767 * 0.7 * e) + secondary)};
}

inline void storeSample(char *dest, qint16 value, int byteOrder)
{
    if (byteOrder == 1)
        qToLittleEndian(value, dest);
    else
        qToBigEndian(value, dest);
}

// Fills LoopBytes bytes at out.
inline void fillLoop(char *out, float carrierFrequency, float beatFrequency, bool secondaryTone,
                     int byteOrder)
{
    for (int i = 0; i < LoopFrames; ++i) {
        const Frame f = frame(i, carrierFrequency, beatFrequency, secondaryTone);
        storeSample(out + 4 * i, f.left, byteOrder);
        storeSample(out + 4 * i + 2, f.right, byteOrder);
    }
}

inline QByteArray loop(float carrierFrequency, float beatFrequency, bool secondaryTone,
                       int byteOrder)
{
    QByteArray bytes(LoopBytes, Qt::Uninitialized);
    fillLoop(bytes.data(), carrierFrequency, beatFrequency, secondaryTone, byteOrder);
    return bytes;
}

// The sample at sampleIndex (two per frame) of little-endian PCM.
inline qint16 sampleAt(const QByteArray &pcm, qint64 sampleIndex)
{
    return qFromLittleEndian<qint16>(pcm.constData() + 2 * sampleIndex);
}

} // namespace ReferenceTone

#endif
