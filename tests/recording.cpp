#include "tests/recording.h"

#include <QElapsedTimer>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <complex>
#include <utility>

Recording::Recording(const QString &path, const QString &sink, int latencyMs)
    : path(path)
    , sink(sink.isEmpty() ? qEnvironmentVariable("VELMORA_TEST_SINK") : sink)
    , latencyMs(latencyMs)
    , file(path)
{
}

Recording::~Recording()
{
    if (parec.state() != QProcess::NotRunning) {
        parec.terminate();
        if (!parec.waitForFinished(5000))
            parec.kill();
        parec.waitForFinished(5000);
    }
}

bool Recording::start(QString *error)
{
    if (sink.isEmpty()) {
        *error = QStringLiteral("VELMORA_TEST_SINK is not set: run under tests/with-desktop");
        return false;
    }
    // Without a latency of its own, parec gets the monitor in blocks of up to two seconds, which
    // would blur every time measured against the moment of a click and hold up every wait on the
    // recording.
    parec.start(QStringLiteral("parec"),
                {QStringLiteral("--raw"), QStringLiteral("-d"), sink + QStringLiteral(".monitor"),
                 QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                 QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=%1").arg(latencyMs),
                 path});
    if (!parec.waitForStarted(5000)) {
        *error = QStringLiteral("parec did not start: ") + parec.errorString();
        return false;
    }
    QElapsedTimer deadline;
    deadline.start();
    while (!file.isOpen() && deadline.elapsed() < 10000) {
        if (!file.exists() || !file.open(QIODevice::ReadOnly))
            QTest::qWait(10);
    }
    if (!waitForFrames(1, 10000)) {
        *error = QStringLiteral("parec recorded nothing: ") +
            QString::fromLocal8Bit(parec.readAllStandardError());
        return false;
    }
    return true;
}

qint64 Recording::update()
{
    if (file.isOpen())
        pcm += file.readAll();
    return frames();
}

bool Recording::waitForFrames(qint64 wanted, int timeoutMs)
{
    QElapsedTimer deadline;
    deadline.start();
    while (update() < wanted) {
        if (deadline.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

namespace {

void fft(std::complex<double> *x, int n)
{
    for (int i = 1, j = 0; i < n; ++i) {
        int bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(x[i], x[j]);
    }
    for (int length = 2; length <= n; length <<= 1) {
        const double angle = -2 * M_PI / length;
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (int i = 0; i < n; i += length) {
            std::complex<double> w(1);
            for (int k = 0; k < length / 2; ++k) {
                const std::complex<double> a = x[i + k];
                const std::complex<double> b = x[i + k + length / 2] * w;
                x[i + k] = a + b;
                x[i + k + length / 2] = a - b;
                w *= step;
            }
        }
    }
}

} // namespace

double SoundAnalysis::bandLevel(const QByteArray &pcm, qint64 firstFrame, double lowHz,
                                double highHz)
{
    const int n = WindowFrames;
    static const QVector<double> window = [] {
        QVector<double> w(WindowFrames);
        for (int i = 0; i < WindowFrames; ++i)
            w[i] = 0.5 - 0.5 * std::cos(2 * M_PI * i / WindowFrames);
        return w;
    }();
    static const double windowEnergy = [] {
        double sum = 0;
        for (double w : window)
            sum += w * w;
        return sum;
    }();

    const auto *samples = reinterpret_cast<const qint16 *>(pcm.constData()) + 2 * firstFrame;
    const double binHz = double(Recording::FramesPerSecond) / n;
    const int lowBin = int(std::ceil(lowHz / binHz));
    const int highBin = qMin(int(std::floor(highHz / binHz)), n / 2 - 1);
    double meanSquare = 0;
    std::complex<double> x[WindowFrames];
    for (int channel = 0; channel < 2; ++channel) {
        for (int i = 0; i < n; ++i)
            x[i] = window[i] * qFromLittleEndian(samples[2 * i + channel]);
        fft(x, n);
        // Parseval: each positive bin stands for itself and its negative twin.
        for (int k = lowBin; k <= highBin; ++k)
            meanSquare += 2 * std::norm(x[k]) / (n * windowEnergy);
    }
    return std::sqrt(meanSquare / 2);
}

QVector<double> SoundAnalysis::bandLevels(const QByteArray &pcm, qint64 fromFrame, qint64 toFrame,
                                          double lowHz, double highHz)
{
    QVector<double> levels;
    toFrame = qMin(toFrame, qint64(pcm.size() / 4));
    for (qint64 frame = qMax(fromFrame, qint64(0)); frame + WindowFrames <= toFrame;
         frame += HopFrames)
        levels << bandLevel(pcm, frame, lowHz, highHz);
    return levels;
}

namespace {

bool frameSounds(const QByteArray &pcm, qint64 frame)
{
    return qFromLittleEndian<qint16>(pcm.constData() + 4 * frame) != 0 ||
        qFromLittleEndian<qint16>(pcm.constData() + 4 * frame + 2) != 0;
}

} // namespace

bool Recording::holdsSoundFor(qint64 frames)
{
    const qint64 recorded = update();
    const qint64 first = SoundAnalysis::firstSoundingFrame(pcm);
    return first >= 0 && recorded >= first + frames;
}

qint64 SoundAnalysis::firstSoundingFrame(const QByteArray &pcm, qint64 from)
{
    for (qint64 frame = from; frame < pcm.size() / 4; ++frame) {
        if (frameSounds(pcm, frame))
            return frame;
    }
    return -1;
}

qint64 SoundAnalysis::lastSoundingFrame(const QByteArray &pcm)
{
    for (qint64 frame = pcm.size() / 4 - 1; frame >= 0; --frame) {
        if (frameSounds(pcm, frame))
            return frame;
    }
    return -1;
}
