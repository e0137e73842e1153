#include "sound/generator.h"
#include "sound/tone.h"
#include "tests/referencetone.h"

#include <QElapsedTimer>
#include <QVector>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

using ReferenceTone::LoopBytes;
using ReferenceTone::LoopFrames;

namespace {

const int Runs = 15;
const int PeriodBytes = 3528;
const int PeriodReads = 1001;

double medianMilliseconds(int runs, const std::function<void(int)> &work)
{
    QVector<qint64> nanoseconds;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        work(run);
        nanoseconds.append(timer.nsecsElapsed());
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return nanoseconds.at(runs / 2) / 1e6;
}

qint16 sample(const QByteArray &pcm, int sampleIndex)
{
    return qFromLittleEndian<qint16>(pcm.constData() + 2 * sampleIndex);
}

// Plays up to frame, switches from a 10 Hz beat with the secondary tone to a 3 Hz beat without it,
// and returns the largest sample-to-sample step over the next 442 frames as they would be heard.
int spliceStep(int frame, bool open)
{
    Generator generator(Tone::playedByteOrder, nullptr);
    generator.setBeatFrequency(10);
    generator.setSecondaryTone(true);
    generator.generateData();
    if (open)
        generator.start();
    QByteArray played(4 * (frame + 442), Qt::Uninitialized);
    generator.readData(played.data(), 4 * frame);
    generator.setBeatFrequency(3);
    generator.setSecondaryTone(false);
    generator.generateData();
    generator.readData(played.data() + 4 * frame, 4 * 442);

    int largest = 0;
    for (int i = 2 * frame; i < 2 * (frame + 442); ++i)
        largest = qMax(largest, std::abs(sample(played, i) - sample(played, i - 2)));
    return largest;
}

} // namespace

int main()
{
    Generator generator(Tone::playedByteOrder, nullptr);
    generator.setBeatFrequency(10);
    generator.setSecondaryTone(true);
    QByteArray direct(LoopBytes, Qt::Uninitialized);

    const double directMs = medianMilliseconds(
        Runs, [&](int) { ReferenceTone::fillLoop(direct.data(), 396, 10, true, 1); });
    const double generateMs = medianMilliseconds(Runs, [&](int) { generator.generateData(); });

    QByteArray generated(LoopBytes, Qt::Uninitialized);
    generator.readData(generated.data(), LoopBytes);
    const bool identical = generated == direct;

    const double newBeatMs = medianMilliseconds(Runs, [&](int run) {
        generator.setBeatFrequency(1 + run);
        generator.generateData();
    });

    char period[PeriodBytes];
    const double readMs =
        medianMilliseconds(PeriodReads, [&](int) { generator.readData(period, PeriodBytes); });

    std::printf("%-44s %12s\n", "tone loop, 661,500 frames", "median ms");
    std::printf("%-44s %12.3f\n", "direct formula, three sines per frame", directMs);
    std::printf("%-44s %12.3f\n", "generateData, same beat", generateMs);
    std::printf("%-44s %12.3f\n", "generateData, new beat on every call", newBeatMs);
    std::printf("%-44s %12.1f\n", "ratio direct / generateData (same beat)", directMs / generateMs);
    std::printf("%-44s %12.1f\n", "ratio direct / generateData (new beat)", directMs / newBeatMs);
    std::printf("%-44s %12.5f\n", "readData of one period, 3,528 bytes", readMs);
    std::printf("%-44s %12s\n", "generateData identical to direct formula",
                identical ? "yes" : "NO");
    std::printf("(%d runs each, %d for readData)\n\n", Runs, PeriodReads);

    // Splices at every 100th frame of one second in the middle of the plateau.
    int closedStep = 0;
    int openStep = 0;
    int worstFrame = 0;
    for (int frame = 5 * 44100; frame < 6 * 44100; frame += 100) {
        const int step = spliceStep(frame, false);
        if (step > closedStep) {
            closedStep = step;
            worstFrame = frame;
        }
        openStep = qMax(openStep, spliceStep(frame, true));
    }
    std::printf("%-44s %12s\n", "splice, 10 Hz + tone -> 3 Hz, mid-plateau", "largest step");
    std::printf("%-44s %12d\n", "without blend (device closed)", closedStep);
    std::printf("%-44s %12d\n", "with blend (device open)", openStep);
    std::printf("(worst splice without blend at frame %d)\n", worstFrame);
    return identical ? 0 : 1;
}
