#ifndef AUDIOFILEWRITER_H
#define AUDIOFILEWRITER_H

#include "render/renderoptions.h"

#include <QString>
#include <QVector>

#include <memory>

struct sf_private_tag;
class RateConverter;
class StandardOutputStream;

// Writes interleaved 16-bit stereo at 44,100 Hz into an audio file through libsndfile, under a
// temporary name in the output's own folder: the file takes its name only once it is complete,
// and one that is abandoned or fails on the way is removed. "-" streams WAV to standard output.
class AudioFileWriter
{
public:
    AudioFileWriter();
    // Removes the temporary file unless finish() succeeded.
    ~AudioFileWriter();

    // totalFrames is the whole length to come, which standard output's WAV header needs first.
    bool open(const QString &path, RenderOptions::OutputFormat format, qint64 totalFrames,
              QString *error);
    bool write(const qint16 *frames, qint64 count, QString *error);
    // Flushes the encoder, closes the file and gives it its name.
    bool finish(QString *error);

    // The finished file's size in bytes.
    qint64 size() const { return finishedSize; }
    // The sample rate of the file: 44,100 Hz, or 48,000 Hz for Opus, which takes no other.
    int outputRate() const;

private:
    bool writeConverted(const float *frames, qint64 count, QString *error);
    bool writeFloat(const float *frames, qint64 count, QString *error);
    bool close(QString *error);
    QString writeFailure(const char *libraryText) const;

    QString path;
    QString temporaryPath;
    sf_private_tag *file = nullptr;
    std::unique_ptr<RateConverter> converter;
    qint64 convertedFramesLeft = 0;
    bool writesFloat = false;
    QVector<float> floatFrames;
    std::unique_ptr<StandardOutputStream> standardOutput;
    qint64 finishedSize = 0;
};

#endif
