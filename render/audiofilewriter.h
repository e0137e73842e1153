#ifndef AUDIOFILEWRITER_H
#define AUDIOFILEWRITER_H

#include "render/renderoptions.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <memory>

struct SF_INFO;

struct sf_private_tag;
class FileStream;
class RateConverter;
class StandardOutputStream;

// Writes interleaved 16-bit stereo at 44,100 Hz into an audio file through libsndfile. The file
// has no name until it is complete (O_TMPFILE): whatever ends the process before, the file
// system takes it back. Where the file system cannot hold a file without a name, it is written
// under a short hidden name in the same folder, which Interruption removes on a signal. Every
// write is checked, and one that fails leaves no file. "-" streams WAV to standard output.
class AudioFileWriter
{
public:
    enum class Existing { Keep, Replace };

    AudioFileWriter();
    // Drops the unfinished file unless finish() succeeded.
    ~AudioFileWriter();

    // name: the file's name as the file system has it, byte for byte. An existing file or link
    // of that name is kept, and open() fails, unless existing is Replace. totalFrames is the
    // whole length to come, which standard output's WAV header needs first.
    bool open(const QByteArray &name, RenderOptions::OutputFormat format, qint64 totalFrames,
              Existing existing, QString *error);
    bool write(const qint16 *frames, qint64 count, QString *error);
    // Flushes the encoder, closes the file, makes sure it is on the disk and gives it its name.
    bool finish(QString *error);

    // The finished file's size in bytes.
    qint64 size() const { return finishedSize; }
    // The sample rate of the file: 44,100 Hz, or 48,000 Hz for Opus, which takes no other.
    int outputRate() const;

private:
    bool writeConverted(const float *frames, qint64 count, QString *error);
    bool writeFloat(const float *frames, qint64 count, QString *error);
    bool openFile(RenderOptions::OutputFormat format, SF_INFO *info, qint64 dataBytes,
                  QString *error);
    bool failed() const;
    bool close(QString *error);
    bool giveName(QString *error);
    bool linkUnnamed(const QByteArray &to);
    void dropUnfinished();
    QString writeFailure(const char *libraryText) const;
    QString existsText() const;

    QByteArray name;
    QString shownName;
    Existing existing = Existing::Keep;
    int descriptor = -1;
    // Set where the file is written under a hidden name instead of none.
    QByteArray hiddenName;
    std::unique_ptr<FileStream> stream;
    sf_private_tag *file = nullptr;
    std::unique_ptr<RateConverter> converter;
    qint64 convertedFramesLeft = 0;
    bool writesFloat = false;
    QVector<float> floatFrames;
    std::unique_ptr<StandardOutputStream> standardOutput;
    qint64 finishedSize = 0;
};

#endif
