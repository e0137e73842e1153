#ifndef RECORDING_H
#define RECORDING_H

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QVector>

// Everything played into a sink (the test sink $VELMORA_TEST_SINK of tests/with-desktop unless
// named), recorded by parec from the sink's monitor as 44.1 kHz 16-bit stereo and read back while
// it grows.
class Recording
{
public:
    static constexpr int FramesPerSecond = 44100;
    // parec's latency. Short, the recording marks the moment of a click closely. But PipeWire runs
    // its whole graph at the shortest latency a client asks for, and at 10 ms it misses a cycle
    // now and then on a busy machine, zeroing or delaying frames of every stream: a test that
    // compares the sound sample for sample records at a tenth of a second.
    static constexpr int ClickTimingLatencyMs = 10;
    static constexpr int SampleExactLatencyMs = 100;

    explicit Recording(const QString &path, const QString &sink = QString(),
                       int latencyMs = ClickTimingLatencyMs);
    ~Recording();

    // Starts parec and waits until its first data arrive; false, with the reason, if it cannot.
    bool start(QString *error);
    // Takes in what parec has written since the last call and returns the frames recorded so far.
    // Called just before a user action, it marks that moment to within parec's short latency.
    qint64 update();
    // Runs the event loop until at least `frames` frames are recorded; false at the deadline.
    bool waitForFrames(qint64 frames, int timeoutMs);
    // Takes in what is new, and tells whether the recording holds `frames` frames from its first
    // sounding one on.
    bool holdsSoundFor(qint64 frames);

    qint64 frames() const { return pcm.size() / 4; }
    const QByteArray &data() const { return pcm; }

private:
    QString path;
    QString sink;
    int latencyMs;
    QProcess parec;
    QFile file;
    QByteArray pcm;
};

// Levels of a band of frequencies along a recording, from a Hann-windowed FFT of each window. A
// level is the band's RMS amplitude in sample units, both channels taken together.
namespace SoundAnalysis {

const int WindowFrames = 1024;
const int HopFrames = 256;

// The level of the window that starts at `firstFrame`.
double bandLevel(const QByteArray &pcm, qint64 firstFrame, double lowHz, double highHz);
// The levels of the windows from `fromFrame` on, one every HopFrames, that end by `toFrame`.
QVector<double> bandLevels(const QByteArray &pcm, qint64 fromFrame, qint64 toFrame, double lowHz,
                           double highHz);

// The first frame from `from` on with a non-zero sample, or -1.
qint64 firstSoundingFrame(const QByteArray &pcm, qint64 from = 0);
// The last frame with a non-zero sample, or -1.
qint64 lastSoundingFrame(const QByteArray &pcm);

} // namespace SoundAnalysis

#endif
