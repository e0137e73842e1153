#ifndef AMBIENTLOOP_H
#define AMBIENTLOOP_H

#include <QString>
#include <QVector>

// An ambient recording decoded once into memory as interleaved 16-bit stereo at 44,100 Hz, and
// played as an endless loop: each copy goes on from where the last one stopped and wraps from the
// last frame straight to the first, so the seam has no gap and no repeated frame.
class AmbientLoop
{
public:
    // Decodes the whole file with libsndfile (MP3, WAV, FLAC, Ogg...). A mono file plays in both
    // channels. On failure the loop is empty and error names the file and the problem.
    static AmbientLoop decode(const QString &path, QString *error);

    bool isEmpty() const { return samples.isEmpty(); }
    qint64 frameCount() const { return samples.size() / 2; }
    qint64 position() const { return positionFrames; }

    // Copies count frames from the loop position on into out (2 × count samples) and advances
    // the position, wrapping as often as needed.
    void copyFrames(qint16 *out, qint64 count);
    void rewind() { positionFrames = 0; }

private:
    QVector<qint16> samples;
    qint64 positionFrames = 0;
};

#endif
