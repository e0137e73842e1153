#ifndef AMBIENTLOOP_H
#define AMBIENTLOOP_H

#include <QString>
#include <QVector>

#include <memory>

struct sf_private_tag;

// An ambient recording as 16-bit stereo at 44,100 Hz, played as an endless loop: each copy goes
// on from where the last one stopped and wraps from the last frame straight to the first, so the
// seam has no gap and no repeated frame. A file is decoded once, with libsndfile, into memory:
// all at once, or a little ahead of each copy on the first pass, so that a player starts at once.
class AmbientLoop
{
public:
    AmbientLoop();
    AmbientLoop(AmbientLoop &&other) noexcept;
    AmbientLoop &operator=(AmbientLoop &&other) noexcept;
    ~AmbientLoop();

    // Opens the file (MP3, WAV, FLAC, Ogg...) and decodes it as it is copied. A mono file plays in
    // both channels. On failure the loop is empty and error names the file and the problem.
    static AmbientLoop open(const QString &path, QString *error);
    // The same, with the whole file decoded at once.
    static AmbientLoop decode(const QString &path, QString *error);
    // A loop of interleaved stereo made in memory, such as Noise's.
    static AmbientLoop of(const QVector<qint16> &stereoSamples);

    bool isEmpty() const { return !file && samples.isEmpty(); }
    // The frames decoded so far: the whole loop once it has played through, or after decode().
    qint64 frameCount() const { return samples.size() / 2; }
    qint64 position() const { return positionFrames; }

    // Copies count frames from the loop position on into out (2 × count samples) and advances
    // the position, wrapping as often as needed. A file that turns out to hold no sound gives
    // silence.
    void copyFrames(qint16 *out, qint64 count);
    void rewind() { positionFrames = 0; }

private:
    // Appends at least `frames` more frames to the samples, or all that is left of the file.
    void decodeMore(qint64 frames);

    struct FileCloser
    {
        void operator()(sf_private_tag *file) const;
    };
    std::unique_ptr<sf_private_tag, FileCloser> file; // while frames are still to be decoded
    int channels = 2;
    QVector<qint16> samples;
    qint64 positionFrames = 0;
};

#endif
