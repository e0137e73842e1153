#ifndef LOOPMIXER_H
#define LOOPMIXER_H

#include "sound/ambientloop.h"

#include <QVector>

#include <memory>

// The ambient sound as its player serves it: the loop that plays and, while one sound hands over
// to the next, the loops that fade out under it, each read on from where it is. A loop that plays
// alone and at full level comes out sample for sample as it is.
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

private:
    enum class Curve { FadeIn, Crossfade };
    struct FadingLoop
    {
        std::shared_ptr<AmbientLoop> loop;
        // Its level when the crossfade began.
        double startLevel;
    };

    double currentGain(qint64 fadeFrameIndex) const;
    double outgoingGain(qint64 fadeFrameIndex) const;
    void beginFade(Curve curve, int ms);

    std::shared_ptr<AmbientLoop> current;
    QVector<FadingLoop> outgoing;
    Curve curve = Curve::FadeIn;
    qint64 fadeFrame = 0;
    qint64 fadeLength = 0;
    QVector<qint16> piece;
    QVector<double> sum;
};

#endif
