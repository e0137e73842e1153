#include "sound/fadeoutschedule.h"

#include "sound/fade.h"

void FadeOutSchedule::add(qint64 firstFrame, qint64 lengthFrames)
{
    fades.append({firstFrame, qMax<qint64>(lengthFrames, 1)});
}

void FadeOutSchedule::apply(qint16 *samples, qint64 frameCount, qint64 firstFrame) const
{
    for (const Span &fade : fades) {
        const qint64 offset = fade.firstFrame - firstFrame;
        if (offset >= frameCount)
            continue;
        const qint64 skipped = qMax<qint64>(offset, 0);
        Fade::fadeOutFrames(samples + 2 * skipped, frameCount - skipped, skipped - offset,
                            fade.lengthFrames);
    }
}
