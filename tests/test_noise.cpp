#include "sound/noise.h"
#include "sound/tone.h"
#include "tests/stereowav.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <sndfile.h>

Q_DECLARE_METATYPE(Noise::Colour)

namespace {

const double twoPi = 6.283185307179586;

// One ear's power near `frequency`, from the loop alone: the mean over its Hann-windowed
// stretches of 8,192 frames of the discrete Fourier power at the eight bins around it, each
// found with Goertzel's recurrence.
double powerNear(const QVector<qint16> &stereo, int channel, double frequency)
{
    const int length = 8192;
    const int frames = stereo.size() / 2;
    const int centreBin = int(std::lround(frequency * length / Tone::framesPerSecond));
    QVector<double> window(length);
    for (int i = 0; i < length; ++i)
        window[i] = 0.5 - 0.5 * std::cos(twoPi * i / length);
    double total = 0;
    int count = 0;
    for (int start = 0; start + length <= frames; start += length) {
        for (int bin = centreBin - 4; bin < centreBin + 4; ++bin) {
            const double coefficient = 2 * std::cos(twoPi * bin / length);
            double previous = 0;
            double beforePrevious = 0;
            for (int i = 0; i < length; ++i) {
                const double next = stereo[2 * (start + i) + channel] * window[i] +
                    coefficient * previous - beforePrevious;
                beforePrevious = previous;
                previous = next;
            }
            total += previous * previous + beforePrevious * beforePrevious -
                coefficient * previous * beforePrevious;
            ++count;
        }
    }
    return total / count;
}

} // namespace

// The noises Velmora makes, measured from their samples: their slopes, their seams, their peaks,
// and their loudness by the same meter that holds the shipped files to the layer's.
class TestNoise : public QObject
{
    Q_OBJECT

private slots:
    void slopeAndSeam_data();
    void slopeAndSeam();
    void loudnessIsTheLayers();
};

void TestNoise::slopeAndSeam_data()
{
    QTest::addColumn<Noise::Colour>("colour");
    QTest::addColumn<double>("decibelsPerOctave");

    QTest::newRow("brown") << Noise::Colour::Brown << -6.02;
    QTest::newRow("white") << Noise::Colour::White << 0.0;
}

// The power from 125 Hz to 4 kHz, an octave apart, falls along a straight line of the colour's
// slope in each ear; the loop's last frame steps into its first no further than its neighbours
// step anywhere in it; no sample is past the room the tone leaves.
void TestNoise::slopeAndSeam()
{
    QFETCH(Noise::Colour, colour);
    QFETCH(double, decibelsPerOctave);

    const QVector<qint16> loop = Noise::loop(colour);
    QCOMPARE(loop.size(), 2 * Noise::loopSeconds * Tone::framesPerSecond);
    QCOMPARE(Noise::loop(colour), loop);

    for (int channel = 0; channel < 2; ++channel) {
        // A least-squares line through (octave, dB).
        double sumX = 0, sumY = 0, sumXX = 0, sumXY = 0;
        const int octaves = 6;
        for (int k = 0; k < octaves; ++k) {
            const double decibels = 10 * std::log10(powerNear(loop, channel, 125.0 * (1 << k)));
            sumX += k;
            sumY += decibels;
            sumXX += k * k;
            sumXY += k * decibels;
        }
        const double slope = (octaves * sumXY - sumX * sumY) / (octaves * sumXX - sumX * sumX);
        qInfo("ear %d: %.2f dB an octave", channel, slope);
        QVERIFY2(
            qAbs(slope - decibelsPerOctave) < 0.75,
            qPrintable(QStringLiteral("ear %1 falls %2 dB an octave").arg(channel).arg(slope)));

        int steepest = 0;
        int loudest = 0;
        for (int i = channel + 2; i < loop.size(); i += 2) {
            steepest = qMax(steepest, qAbs(loop[i] - loop[i - 2]));
            loudest = qMax(loudest, qAbs(int(loop[i])));
        }
        const int seam = qAbs(loop[channel] - loop[loop.size() - 2 + channel]);
        QVERIFY2(seam <= steepest,
                 qPrintable(QStringLiteral("seam %1, steepest %2").arg(seam).arg(steepest)));
        QVERIFY(loudest + Tone::peak < 32767);
    }
}

// tests/test_ambient_levels.py measures with sox, as for the shipped files.
void TestNoise::loudnessIsTheLayers()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(writeStereoWav(folder.filePath("brown.wav"), Noise::loop(Noise::Colour::Brown)));
    QVERIFY(writeStereoWav(folder.filePath("white.wav"), Noise::loop(Noise::Colour::White)));
    QProcess meter;
    meter.setProcessChannelMode(QProcess::MergedChannels);
    meter.start("python3", {QStringLiteral(VELMORA_LEVELS_SCRIPT), folder.path()});
    QVERIFY(meter.waitForFinished(60000));
    const QByteArray report = meter.readAll();
    qInfo("%s", report.constData());
    QVERIFY2(meter.exitStatus() == QProcess::NormalExit && meter.exitCode() == 0,
             report.constData());
}

QTEST_APPLESS_MAIN(TestNoise)

#include "test_noise.moc"
