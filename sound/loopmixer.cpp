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
    outgoing = {};
    beginFade(Curve::FadeIn, Fade::ambientFadeInMs);
}

// What the mix was to play next fades out: the rest of a handover that runs, mixed ahead now as
// far as the new one can be heard, then the loop it led to. Over the queued frames it is the mix as
// it was that fades out.
void LoopMixer::crossfadeTo(std::shared_ptr<AmbientLoop> loop, qint16 *queued, qint64 queuedFrames)
{
    queuedFrames = qMax<qint64>(0, queuedFrames);
    Outgoing next;
    const qint64 ahead =
        qMin(fadeLength - fadeFrame, Fade::framesFor(Fade::crossfadeMs) - queuedFrames);
    if (ahead > 0) {
        next.mixedAhead.resize(int(2 * ahead));
        mix(next.mixedAhead.data(), ahead);
    }
    next.loop = std::move(current);
    outgoing = std::move(next);
    current = std::move(loop);
    beginFade(Curve::Crossfade, Fade::crossfadeMs);
    if (queuedFrames == 0)
        return;
    piece.resize(int(2 * queuedFrames));
    if (current)
        current->copyFrames(piece.data(), queuedFrames);
    else
        piece.fill(0);
    for (int k = 0; k < queuedFrames; ++k) {
        const double outgoingLevel = outgoingGain(k);
        const double incoming = currentGain(k);
        for (int i = 2 * k; i < 2 * k + 2; ++i)
            queued[i] = roundedSample(queued[i] * outgoingLevel + piece[i] * incoming);
    }
    fadeFrame = queuedFrames;
    if (!handingOver())
        outgoing = {};
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

int LoopMixer::loopCount() const
{
    return (current ? 1 : 0) + (outgoing.loop ? 1 : 0);
}

void LoopMixer::mix(qint16 *out, qint64 frameCount)
{
    if (!handingOver()) {
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
    if (outgoing.sounds()) {
        outgoing.copyFrames(piece.data(), frameCount);
        for (int k = 0; k < frameCount; ++k) {
            const double gain = outgoingGain(fadeFrame + k);
            sum[2 * k] += piece[2 * k] * gain;
            sum[2 * k + 1] += piece[2 * k + 1] * gain;
        }
    }
    for (int i = 0; i < samples; ++i)
        out[i] = roundedSample(sum[i]);
    fadeFrame += frameCount;
    if (!handingOver())
        outgoing = {};
}

void LoopMixer::Outgoing::copyFrames(qint16 *out, qint64 frameCount)
{
    const qint64 fromAhead = qMin(frameCount, qint64(mixedAhead.size() / 2) - mixedAheadRead);
    std::copy_n(mixedAhead.constData() + 2 * mixedAheadRead, 2 * fromAhead, out);
    mixedAheadRead += fromAhead;
    qint16 *rest = out + 2 * fromAhead;
    if (loop)
        loop->copyFrames(rest, frameCount - fromAhead);
    else
        std::fill(rest, rest + 2 * (frameCount - fromAhead), qint16(0));
}
