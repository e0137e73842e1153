#include "render/sessionrenderer.h"

#include "render/mix.h"
#include "sound/ambientloop.h"
#include "sound/fade.h"
#include "sound/tone.h"

SessionRenderer::SessionRenderer(const SessionPlan &plan, bool secondaryTone, ToneKind kind,
                                 AmbientLoop *ambient)
    : plan(plan)
    , ambient(ambient)
    , total(plan.lengthMs * Tone::framesPerSecond / 1000)
    , endingFrame(plan.endingMs * Tone::framesPerSecond / 1000)
{
    Q_ASSERT(plan.loopBeats.size() == (total + Tone::loopFrames - 1) / Tone::loopFrames);
    generator.setSecondaryTone(secondaryTone);
    generator.setToneKind(kind);
    if (ambient)
        ambient->rewind();
}

const QVector<qint16> &SessionRenderer::renderNext()
{
    const qint64 loop = rendered / Tone::loopFrames;
    const qint64 frameInLoop = rendered % Tone::loopFrames;
    const int count = int(qMin<qint64>(Tone::loopFrames - frameInLoop, total - rendered));
    samples.resize(2 * count);
    if (count == 0)
        return samples;

    // The read position is at the loop's first frame again after each whole loop; the rewind
    // there makes the generator take the loop's beat, as the player's does at the loop's end.
    if (frameInLoop == 0) {
        generator.setBeatFrequency(plan.loopBeats.at(int(loop)));
        generator.rewind();
    }
    generator.readData(reinterpret_cast<char *>(samples.data()),
                       Tone::bytesPerFrame * qint64(count));

    if (ambient) {
        ambientSamples.resize(2 * count);
        ambient->copyFrames(ambientSamples.data(), count);
        saturated += Mix::addSaturating(samples.data(), ambientSamples.constData(), 2 * count);
    }
    if (rendered + count > endingFrame)
        Fade::fadeOutFrames(samples.data(), count, rendered - endingFrame, total - endingFrame);
    rendered += count;
    return samples;
}
