#include "sound/generator.h"
#include "sound/tone.h"
#include "tests/referencetone.h"

#include <QElapsedTimer>
#include <QVector>

#include <algorithm>
#include <cstdio>
#include <functional>

using ReferenceTone::LoopBytes;

namespace {

const int Runs = 15;
const int PeriodBytes = 3528;
const int PeriodReads = 1001;
// ReferenceTone's code for the machine's byte order, in which the generator stores its samples.
const int NativeOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? 1 : 0;

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

} // namespace

int main()
{
    Generator generator;
    generator.setBeatFrequency(10);
    generator.setSecondaryTone(true);
    QByteArray direct(LoopBytes, Qt::Uninitialized);

    const double directMs = medianMilliseconds(
        Runs, [&](int) { ReferenceTone::fillLoop(direct.data(), 396, 10, true, NativeOrder); });
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
    std::printf("(%d runs each, %d for readData)\n", Runs, PeriodReads);

    return identical ? 0 : 1;
}
