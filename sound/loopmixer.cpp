#include "sound/loopmixer.h"

#include "sound/fade.h"

#include <algorithm>
#include <cmath>

namespace {

qint16 roundedSample(double value)
{
    return qint16(qBound(-32768L, std::lround(value), 32767L));
}

} // namespace

void LoopMixer::fadeIn(std::shared_ptr<AmbientLoop> loop)
{
    current = std::move(loop);
    outgoing.clear();
    beginFade(Curve::FadeIn, Fade::ambientFadeInMs);
}

// The loops already on their way out carry on down from the level they have reached, under the
// one that played until now. Over the queued frames it is the mix as it was that fades out; the
// loops in it carry on down past them from the levels they had reached at their end.
void LoopMixer::crossfadeTo(std::shared_ptr<AmbientLoop> loop, qint16 *queued, qint64 queuedFrames)
{
    for (FadingLoop &fading : outgoing)
        fading.startLevel *= outgoingGain(fadeFrame);
    if (current)
        outgoing.append({current, currentGain(fadeFrame)});
    current = std::move(loop);
    beginFade(Curve::Crossfade, Fade::crossfadeMs);
    if (queuedFrames <= 0)
        return;
    piece.resize(int(2 * queuedFrames));
    if (current)
        current->copyFrames(piece.data(), queuedFrames);
    else
        piece.fill(0);
    for (int k = 0; k < queuedFrames; ++k) {
        const double outgoing = outgoingGain(k);
        const double incoming = currentGain(k);
        for (int i = 2 * k; i < 2 * k + 2; ++i)
            queued[i] = roundedSample(queued[i] * outgoing + piece[i] * incoming);
    }
    fadeFrame = queuedFrames;
    if (fadeFrame >= fadeLength)
        outgoing.clear();
}

void LoopMixer::beginFade(Curve fadeCurve, int ms)
{
    curve = fadeCurve;
    fadeFrame = 0;
    fadeLength = Fade::framesFor(ms);
}

double LoopMixer::currentGain(qint64 fadeFrameIndex) const
{
    const double fraction = double(fadeFrameIndex) / fadeLength;
    return curve == Curve::FadeIn ? Fade::inGain(fraction)
                                  : Fade::crossfadeGains(fraction).incoming;
}

double LoopMixer::outgoingGain(qint64 fadeFrameIndex) const
{
    return Fade::crossfadeGains(double(fadeFrameIndex) / fadeLength).outgoing;
}

void LoopMixer::mix(qint16 *out, qint64 frameCount)
{
    if (fadeFrame >= fadeLength) {
        if (current)
            current->copyFrames(out, frameCount);
        else
            std::fill(out, out + 2 * frameCount, qint16(0));
        return;
    }
    const int samples = int(2 * frameCount);
    piece.resize(samples);
    sum.fill(0.0, samples);
    if (current) {
        current->copyFrames(piece.data(), frameCount);
        for (int k = 0; k < frameCount; ++k) {
            const double gain = currentGain(fadeFrame + k);
            sum[2 * k] += piece[2 * k] * gain;
            sum[2 * k + 1] += piece[2 * k + 1] * gain;
        }
    }
    for (const FadingLoop &fading : qAsConst(outgoing)) {
        fading.loop->copyFrames(piece.data(), frameCount);
        for (int k = 0; k < frameCount; ++k) {
            const double gain = fading.startLevel * outgoingGain(fadeFrame + k);
            sum[2 * k] += piece[2 * k] * gain;
            sum[2 * k + 1] += piece[2 * k + 1] * gain;
        }
    }
    for (int i = 0; i < samples; ++i)
        out[i] = roundedSample(sum[i]);
    fadeFrame += frameCount;
    if (fadeFrame >= fadeLength)
        outgoing.clear();
}
