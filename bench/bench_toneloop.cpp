// Writes the tone a session of "Active Concentration" opens with, made by Velmora's own
// Generator, as raw 44,100 Hz two-channel s16le PCM: the loop repeated for at least the seconds
// asked. run-benchmarks plays the file with a plain `pacat --raw`, the leanest player of the same
// sound, beside a real session.
//
//   bench_toneloop FILE SECONDS [BEAT_HZ]      BEAT_HZ defaults to 15, the program's first beat

#include "sound/generator.h"
#include "sound/tone.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool secondsOk = false;
    const int seconds = arguments.value(2).toInt(&secondsOk);
    bool beatOk = true;
    const float beat = arguments.size() > 3 ? arguments.at(3).toFloat(&beatOk) : 15.0f;
    if (arguments.size() < 3 || arguments.size() > 4 || !secondsOk || seconds <= 0 || !beatOk) {
        std::fputs("usage: bench_toneloop FILE SECONDS [BEAT_HZ]\n", stderr);
        return 2;
    }

    // The window's tone has the secondary tone on, as its box is when the window opens.
    Generator generator;
    generator.setBeatFrequency(beat);
    generator.setSecondaryTone(true);
    generator.rewind();
    QByteArray loop(Tone::loopBytes, Qt::Uninitialized);
    generator.read(loop.data(), loop.size());

    QFile out(arguments.at(1));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "bench_toneloop: cannot write %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const int loops = (seconds + Tone::loopSeconds - 1) / Tone::loopSeconds;
    for (int i = 0; i < loops; ++i) {
        if (out.write(loop) != loop.size()) {
            std::fprintf(stderr, "bench_toneloop: writing %s failed\n",
                         qPrintable(arguments.at(1)));
            return 1;
        }
    }
    return 0;
}
