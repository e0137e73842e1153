#include "sound/generator.h"

#include "sound/tone.h"

#include <cmath>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace {

const double TwoPi = 6.283185307179586;
const double Pi = TwoPi / 2;
const int FramesPerSecond = Tone::framesPerSecond;
const int LoopFrames = Tone::loopFrames;
const int BytesPerFrame = Tone::bytesPerFrame;
const int LoopBytes = Tone::loopBytes;
const int FadeFrames = Tone::fadeFrames;
const int FadeOutStart = LoopFrames - FadeFrames;
const float SecondaryFrequency = Tone::secondaryFrequency;

// A term is the sample formula without its envelope, with the same operations in the same order,
// so that term × envelope gives bit for bit the sample that the formula gives frame by frame.
void fillMainTerms(QVector<double> &terms, float frequency)
{
    terms.resize(FramesPerSecond);
    for (int t = 0; t < FramesPerSecond; ++t)
        terms[t] = std::sin(TwoPi * frequency * t / FramesPerSecond) * 32767 * 0.7;
}

// A pulse's share of each period of the beat, edges included; each edge takes this share of it,
// as half a cosine, which keeps even a 40 Hz pulse's edges 3 ms long: no click at any pulse.
const double PulseOnShare = 0.5;
const double PulseEdgeShare = 0.125;

// The isochronic pulse's gain, 0 to 1, at `phase` (0 to 1) of the beat's period: it rises at 0,
// holds, falls at PulseOnShare and stays off to the period's end.
double pulseGain(double phase)
{
    if (phase < PulseEdgeShare)
        return 0.5 - 0.5 * std::cos(Pi * phase / PulseEdgeShare);
    if (phase < PulseOnShare)
        return 1;
    if (phase < PulseOnShare + PulseEdgeShare)
        return 0.5 + 0.5 * std::cos(Pi * (phase - PulseOnShare) / PulseEdgeShare);
    return 0;
}

// The carrier, pulsed at the beat; with no beat, unpulsed. A whole number of beats fits in each
// second, as a whole number of carrier periods does, so the terms of one second repeat.
void fillIsochronicTerms(QVector<double> &terms, float beat)
{
    terms.resize(FramesPerSecond);
    for (int t = 0; t < FramesPerSecond; ++t) {
        const double beatPeriods = double(beat) * t / FramesPerSecond;
        const double gain = beat > 0 ? pulseGain(beatPeriods - std::floor(beatPeriods)) : 1;
        terms[t] =
            std::sin(TwoPi * Tone::carrierFrequency * t / FramesPerSecond) * 32767 * 0.7 * gain;
    }
}

// The two frequencies at half the level each, so that their sum peaks where one binaural ear does.
void fillMonauralTerms(QVector<double> &terms, float beat)
{
    terms.resize(FramesPerSecond);
    const float upper = Tone::carrierFrequency + beat;
    for (int t = 0; t < FramesPerSecond; ++t)
        terms[t] = (std::sin(TwoPi * Tone::carrierFrequency * t / FramesPerSecond) +
                    std::sin(TwoPi * upper * t / FramesPerSecond)) *
            32767 * 0.35;
}

void fillSecondaryTerms(QVector<double> &terms)
{
    terms.resize(FramesPerSecond);
    for (int t = 0; t < FramesPerSecond; ++t)
        terms[t] = 32767 * std::sin(TwoPi * SecondaryFrequency * t / FramesPerSecond) * 0.1;
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void clearUpperVectorHalves()
{
    _mm256_zeroupper();
}
#endif

// In the machine's byte order, as the sound server and the renderer's mix take it.
void storeSample(char *dest, qint16 value)
{
    std::memcpy(dest, &value, sizeof value);
}

// Qt's AVX2 painting leaves the upper halves of the vector registers in use, and the SSE code of
// the synthesis then pays a transition penalty on every instruction: on the GUI thread, after a
// paint, it took six times as long as alone. Clearing them changes no result.
void releaseWideVectorState()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        clearUpperVectorHalves();
#endif
}

} // namespace

Generator::Generator(QObject *parent)
    : QIODevice(parent)
    , rightTermsFrequency(Tone::carrierFrequency)
    , plateauSecond(FramesPerSecond * BytesPerFrame, 0)
{
    fillMainTerms(leftTerms, Tone::carrierFrequency);
    fillMainTerms(rightTerms, rightTermsFrequency);
    fillSecondaryTerms(secondaryTerms);
    generateData();
    // Unbuffered: a rewind must not leave frames read ahead of it in QIODevice's own buffer.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

Generator::~Generator() = default;

void Generator::setBeatFrequency(float hertz)
{
    changed = changed || hertz != beat;
    beat = hertz;
}

void Generator::setSecondaryTone(bool on)
{
    changed = changed || on != secondaryToneOn;
    secondaryToneOn = on;
}

void Generator::setToneKind(ToneKind toneKind)
{
    changed = changed || toneKind != kind;
    kind = toneKind;
}

void Generator::rewind()
{
    readPosition = 0;
    if (changed)
        generateData();
}

void Generator::generateData()
{
    releaseWideVectorState();
    buffer.resize(LoopBytes);
    updateTerms();
    synthesiseFade(0, FadeFrames, true);
    synthesisePlateau();
    synthesiseFade(FadeOutStart + 1, LoopFrames, false);
    changed = false;
}

qint64 Generator::readData(char *data, qint64 maxSize)
{
    qint64 total = 0;
    while (total < maxSize) {
        const qint64 piece = qMin(buffer.size() - readPosition, maxSize - total);
        std::memcpy(data + total, buffer.constData() + readPosition, size_t(piece));
        readPosition += piece;
        total += piece;
        if (readPosition == buffer.size()) {
            readPosition = 0;
            // Both ends of the loop are silent, so a new loop takes over here without a click.
            if (changed)
                generateData();
        }
    }
    return total;
}

qint64 Generator::writeData(const char *data, qint64 len)
{
    Q_UNUSED(data);
    Q_UNUSED(len);
    return 0;
}

// The terms are keyed by the kind and the right ear's frequency, carrier plus beat.
void Generator::updateTerms()
{
    const float rightFrequency = Tone::carrierFrequency + beat;
    if (kind == termsKind && rightFrequency == rightTermsFrequency)
        return;
    switch (kind) {
    case ToneKind::Binaural:
        if (termsKind != ToneKind::Binaural)
            fillMainTerms(leftTerms, Tone::carrierFrequency);
        fillMainTerms(rightTerms, rightFrequency);
        break;
    case ToneKind::Isochronic:
        fillIsochronicTerms(leftTerms, beat);
        rightTerms = leftTerms;
        break;
    case ToneKind::Monaural:
        fillMonauralTerms(leftTerms, beat);
        rightTerms = leftTerms;
        break;
    }
    termsKind = kind;
    rightTermsFrequency = rightFrequency;
}

// The envelope changes every frame here, so these frames are computed one by one.
void Generator::synthesiseFade(int firstFrame, int endFrame, bool fadingIn)
{
    char *out = buffer.data() + firstFrame * BytesPerFrame;
    int t = firstFrame % FramesPerSecond;
    for (int i = firstFrame; i < endFrame; ++i) {
        const float e = fadingIn ? float(i / double(FadeFrames))
                                 : float(1 - (i - FadeOutStart) / double(FadeFrames));
        const qint16 secondary = secondaryToneOn ? qint16(secondaryTerms[t] * e) : 0;
        storeSample(out, qint16(qint16(leftTerms[t] * e) + secondary));
        storeSample(out + 2, qint16(qint16(rightTerms[t] * e) + secondary));
        out += BytesPerFrame;
        if (++t == FramesPerSecond)
            t = 0;
    }
}

// Between the fades the envelope holds still, so every plateau frame with the same t is the same:
// one second is synthesised and copied into place.
void Generator::synthesisePlateau()
{
    const float e = float((FadeFrames - 1) / double(FadeFrames));
    char *out = plateauSecond.data();
    for (int t = 0; t < FramesPerSecond; ++t) {
        const qint16 secondary = secondaryToneOn ? qint16(secondaryTerms[t] * e) : 0;
        storeSample(out, qint16(qint16(leftTerms[t] * e) + secondary));
        storeSample(out + 2, qint16(qint16(rightTerms[t] * e) + secondary));
        out += BytesPerFrame;
    }

    int frame = FadeFrames;
    while (frame <= FadeOutStart) {
        const int t = frame % FramesPerSecond;
        const int count = qMin(FramesPerSecond - t, FadeOutStart + 1 - frame);
        std::memcpy(buffer.data() + frame * BytesPerFrame,
                    plateauSecond.constData() + t * BytesPerFrame, size_t(count) * BytesPerFrame);
        frame += count;
    }
}
