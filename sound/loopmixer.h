#ifndef LOOPMIXER_H
#define LOOPMIXER_H

#include "sound/ambientloop.h"

#include <QVector>

#include <memory>

// The ambient sound as its player serves it: the loop that plays and, while one sound hands over
// to the next, the sound that fades out under it, read on from where it is. A loop that plays
// alone and at full level comes out sample for sample as it is.
//
// However quickly the sound changes, no more than two loops are read: a change while a handover
// runs mixes what is left of that handover ahead, at once, and fades the mix out under the new
// loop as it would fade out a single loop.
class LoopMixer
{
public:
    // Plays `loop` alone, fading in from silence over Fade::ambientFadeInMs.
    void fadeIn(std::shared_ptr<AmbientLoop> loop);
    // Hands over from whatever plays to `loop` over Fade::crossfadeMs, with equal power; a null
    // loop fades out to silence. The last `queuedFrames` frames of the mix, given back in `queued`,
    // are not heard yet: the handover starts at the first of them, and they are mixed again in
    // place, the mix they held fading out under the new loop's start.
    void crossfadeTo(std::shared_ptr<AmbientLoop> loop, qint16 *queued = nullptr,
                     qint64 queuedFrames = 0);

    // Copies the next `frameCount` frames of the mix into out, as interleaved stereo.
    void mix(qint16 *out, qint64 frameCount);

    // The loops read for the mix: 0, 1 or 2.
    int loopCount() const;

private:
    enum class Curve { FadeIn, Crossfade };
    // The sound that fades out: what was left of the last handover, already mixed, then the loop
    // that handover led to, at its full level.
    struct Outgoing
    {
        QVector<qint16> mixedAhead;
        qint64 mixedAheadRead = 0;
        std::shared_ptr<AmbientLoop> loop;
        bool sounds() const { return loop || mixedAheadRead < qint64(mixedAhead.size() / 2); }
        void copyFrames(qint16 *out, qint64 frameCount);
    };

    double currentGain(qint64 fadeFrameIndex) const;
    double outgoingGain(qint64 fadeFrameIndex) const;
    void beginFade(Curve curve, int ms);
    bool handingOver() const { return fadeFrame < fadeLength; }

    std::shared_ptr<AmbientLoop> current;
    Outgoing outgoing;
    Curve curve = Curve::FadeIn;
    qint64 fadeFrame = 0;
    qint64 fadeLength = 0;
    QVector<qint16> piece;
    QVector<double> sum;
};

#endif
