#include "render/audiofilewriter.h"

#include "render/rateconverter.h"
#include "render/standardoutputstream.h"
#include "sound/tone.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <samplerate.h>
#include <sndfile.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using RenderOptions::OutputFormat;

const int opusRate = 48000;
const int channels = 2;
const int wavHeaderRoom = 1024;
// A WAV file counts its bytes in 32 bits; past that libsndfile writes RF64, the same sound with
// 64-bit sizes.
const qint64 largestWavBytes = 0xffffffffLL - wavHeaderRoom;

int libsndfileFormat(OutputFormat format, qint64 dataBytes)
{
    switch (format) {
    case OutputFormat::Wav:
        return (dataBytes > largestWavBytes ? SF_FORMAT_RF64 : SF_FORMAT_WAV) | SF_FORMAT_PCM_16;
    case OutputFormat::Flac:
        return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case OutputFormat::Ogg:
        return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    case OutputFormat::Opus:
        return SF_FORMAT_OGG | SF_FORMAT_OPUS;
    case OutputFormat::Mp3:
        return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    }
    return 0;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The mode a plain open() would have given the file; mkstemp makes it private.
mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

AudioFileWriter::AudioFileWriter() = default;

AudioFileWriter::~AudioFileWriter()
{
    QString ignored;
    close(&ignored);
    if (!temporaryPath.isEmpty())
        QFile::remove(temporaryPath);
}

int AudioFileWriter::outputRate() const
{
    return converter ? opusRate : Tone::framesPerSecond;
}

bool AudioFileWriter::open(const QString &outputPath, OutputFormat format, qint64 totalFrames,
                           QString *error)
{
    path = outputPath;
    SF_INFO info {};
    info.channels = channels;
    info.samplerate = format == OutputFormat::Opus ? opusRate : Tone::framesPerSecond;
    const qint64 dataBytes = totalFrames * channels * 2;
    info.format = libsndfileFormat(format, dataBytes);

    if (path == QLatin1String("-")) {
        const QByteArray header = StandardOutputStream::headerFor(info, dataBytes);
        standardOutput = std::make_unique<StandardOutputStream>(STDOUT_FILENO, header);
        file = header.isEmpty()
            ? nullptr
            : sf_open_virtual(standardOutput->io(), SFM_WRITE, &info, standardOutput.get());
        if (!file) {
            *error = QStringLiteral("cannot write WAV to standard output: %1")
                         .arg(QString::fromUtf8(sf_strerror(nullptr)));
            return false;
        }
        return true;
    }

    const QFileInfo output(path);
    const QString folder = output.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        *error = QStringLiteral("output folder %1 does not exist").arg(folder);
        return false;
    }
    if (output.isDir()) {
        *error = QStringLiteral("%1 is a folder: name a file ending in .wav, .flac, .ogg, "
                                ".opus or .mp3")
                     .arg(path);
        return false;
    }
    QByteArray pattern = QFile::encodeName(
        QDir(folder).filePath(QLatin1Char('.') + output.fileName() + QLatin1String(".XXXXXX")));
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        *error = QStringLiteral("cannot write in output folder %1: %2").arg(folder, systemError());
        return false;
    }
    temporaryPath = QFile::decodeName(pattern);
    fchmod(descriptor, newFileMode());
    // A WAV file's size is known now: taking its room at once saves the file system finding it
    // piece by piece, and a disk too small says so before the render instead of at its end.
    if (format == OutputFormat::Wav &&
        fallocate(descriptor, FALLOC_FL_KEEP_SIZE, 0, off_t(dataBytes + wavHeaderRoom)) != 0 &&
        errno == ENOSPC) {
        ::close(descriptor);
        *error = QStringLiteral("writing %1 failed: %2").arg(path, systemError());
        return false;
    }

    file = sf_open_fd(descriptor, SFM_WRITE, &info, SF_TRUE);
    if (!file) {
        ::close(descriptor);
        *error = QStringLiteral("cannot write %1 as %2: %3")
                     .arg(path, QLatin1String(RenderOptions::formatName(format)),
                          QString::fromUtf8(sf_strerror(nullptr)));
        return false;
    }
    // With libsndfile 1.2.0, 16-bit samples written into an MP3 come back clipped at full scale;
    // normalised floats come back as they went in.
    writesFloat = format == OutputFormat::Mp3;
    if (format == OutputFormat::Opus) {
        converter = std::make_unique<RateConverter>(Tone::framesPerSecond, opusRate);
        convertedFramesLeft = totalFrames * opusRate / Tone::framesPerSecond;
    }
    return true;
}

bool AudioFileWriter::write(const qint16 *frames, qint64 count, QString *error)
{
    if (converter) {
        const QVector<float> &converted = converter->convert(frames, count, false);
        return writeConverted(converted.constData(), converter->frameCount(), error);
    }
    if (writesFloat) {
        floatFrames.resize(int(channels * count));
        src_short_to_float_array(frames, floatFrames.data(), floatFrames.size());
        return writeFloat(floatFrames.constData(), count, error);
    }
    errno = 0;
    if (sf_writef_short(file, frames, count) != count) {
        *error = writeFailure(sf_strerror(file));
        return false;
    }
    return true;
}

bool AudioFileWriter::writeFloat(const float *frames, qint64 count, QString *error)
{
    errno = 0;
    if (sf_writef_float(file, frames, count) != count) {
        *error = writeFailure(sf_strerror(file));
        return false;
    }
    return true;
}

bool AudioFileWriter::writeConverted(const float *frames, qint64 count, QString *error)
{
    if (!converter->error().isEmpty()) {
        *error = QStringLiteral("converting to 48 kHz failed: %1").arg(converter->error());
        return false;
    }
    // The converter's flush may give a frame more than the length at the new rate.
    count = qMin(count, convertedFramesLeft);
    convertedFramesLeft -= count;
    return writeFloat(frames, count, error);
}

bool AudioFileWriter::finish(QString *error)
{
    if (converter) {
        const QVector<float> &rest = converter->convert(nullptr, 0, true);
        if (!writeConverted(rest.constData(), converter->frameCount(), error))
            return false;
    }
    if (!close(error))
        return false;
    if (standardOutput) {
        finishedSize = standardOutput->bytesSent();
        return true;
    }
    finishedSize = QFileInfo(temporaryPath).size();
    if (std::rename(QFile::encodeName(temporaryPath).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        *error = QStringLiteral("cannot name the file %1: %2").arg(path, systemError());
        return false;
    }
    temporaryPath.clear();
    return true;
}

bool AudioFileWriter::close(QString *error)
{
    if (!file)
        return true;
    errno = 0;
    const int status = sf_close(file);
    file = nullptr;
    if (status != SF_ERR_NO_ERROR || (standardOutput && !standardOutput->error().isEmpty())) {
        *error = writeFailure(sf_error_number(status));
        return false;
    }
    return true;
}

// libsndfile's own words for a failed write are at times only "Unspecified internal error"; the
// system's reason, when it left one, says what happened, such as a full disk.
QString AudioFileWriter::writeFailure(const char *libraryText) const
{
    if (standardOutput && !standardOutput->error().isEmpty())
        return QStringLiteral("writing to standard output failed: %1").arg(standardOutput->error());
    const QString reason = errno != 0 ? systemError() : QString::fromUtf8(libraryText);
    return QStringLiteral("writing %1 failed: %2").arg(path, reason);
}
