#include "render/sessionrenderer.h"

#include "render/mix.h"
#include "sound/ambientloop.h"

#include <QAudioFormat>

namespace {

// The generator stores samples in the order asked for; in the machine's own they are ready to use
// as they are.
int nativeByteOrder()
{
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? QAudioFormat::LittleEndian
                                                         : QAudioFormat::BigEndian;
}

} // namespace

SessionRenderer::SessionRenderer(const SessionPlan &plan, bool secondaryTone, AmbientLoop *ambient)
    : plan(plan)
    , ambient(ambient)
    , generator(nativeByteOrder(), nullptr)
    , total(plan.lengthMs * framesPerSecond / 1000)
{
    Q_ASSERT(plan.loopBeats.size() == (total + loopFrames - 1) / loopFrames);
    generator.secondaryTone = secondaryTone;
    if (ambient)
        ambient->rewind();
}

const QVector<qint16> &SessionRenderer::renderNext()
{
    const qint64 loop = rendered / loopFrames;
    const qint64 frameInLoop = rendered % loopFrames;
    const int count = int(qMin<qint64>(loopFrames - frameInLoop, total - rendered));
    samples.resize(2 * count);
    if (count == 0)
        return samples;

    // The generator stays closed, so a rebuild here replaces the loop outright: the read
    // position is at its first frame again after each whole loop.
    if (frameInLoop == 0) {
        generator.beatFrequency = plan.loopBeats.at(int(loop));
        generator.generateData();
    }
    generator.readData(reinterpret_cast<char *>(samples.data()), 4 * qint64(count));

    if (ambient) {
        ambientSamples.resize(2 * count);
        ambient->copyFrames(ambientSamples.data(), count);
        saturated += Mix::addSaturating(samples.data(), ambientSamples.constData(), 2 * count);
    }
    rendered += count;
    return samples;
}
