#include "render/audiofilewriter.h"

#include "render/filestream.h"
#include "render/interruption.h"
#include "render/rateconverter.h"
#include "render/standardoutputstream.h"
#include "sound/tone.h"

#include <QFile>

#include <samplerate.h>
#include <sndfile.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
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

QString systemError(int error = errno)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray folderOf(const QByteArray &name)
{
    const int slash = name.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : name.left(slash);
}

// A name in that folder short enough to fit wherever the output's name fits.
QByteArray shortHiddenName(const QByteArray &folder)
{
    return folder + "/.velmora-XXXXXX";
}

// The mode a plain open() would have given the file; mkostemp makes it private.
mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool unnamedFilesUnsupported(int error)
{
    // Older kernels say EISDIR or EINVAL, a file system without them EOPNOTSUPP.
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

} // namespace

AudioFileWriter::AudioFileWriter() = default;

AudioFileWriter::~AudioFileWriter()
{
    dropUnfinished();
}

int AudioFileWriter::outputRate() const
{
    return converter ? opusRate : Tone::framesPerSecond;
}

bool AudioFileWriter::open(const QByteArray &outputName, OutputFormat format, qint64 totalFrames,
                           Existing whenExisting, QString *error)
{
    name = outputName;
    shownName = QFile::decodeName(name);
    existing = whenExisting;
    SF_INFO info {};
    info.channels = channels;
    info.samplerate = format == OutputFormat::Opus ? opusRate : Tone::framesPerSecond;
    const qint64 dataBytes = totalFrames * channels * 2;
    info.format = libsndfileFormat(format, dataBytes);

    if (name == "-") {
        if (isatty(STDOUT_FILENO)) {
            *error = QStringLiteral("standard output is a terminal, which cannot show sound: "
                                    "send it to a file or a pipe, or name an output file");
            return false;
        }
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

    if (!openFile(format, &info, dataBytes, error)) {
        dropUnfinished();
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

bool AudioFileWriter::openFile(OutputFormat format, SF_INFO *info, qint64 dataBytes, QString *error)
{
    const QByteArray folder = folderOf(name);
    const QString shownFolder = QFile::decodeName(folder);
    struct stat status
    {
    };
    if (stat(folder.constData(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        *error = QStringLiteral("output folder %1 does not exist").arg(shownFolder);
        return false;
    }
    if (lstat(name.constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            *error = QStringLiteral("%1 is a folder: name a file ending in .wav, .flac, .ogg, "
                                    ".opus or .mp3")
                         .arg(shownName);
            return false;
        }
        if (existing == Existing::Keep) {
            *error = existsText();
            return false;
        }
    }

    descriptor = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (descriptor < 0 && unnamedFilesUnsupported(errno)) {
        QByteArray hidden = shortHiddenName(folder);
        // Named for the signal handler before it exists, so that no signal finds it unnamed.
        const Interruption::Hold hold;
        descriptor = mkostemp(hidden.data(), O_CLOEXEC);
        if (descriptor >= 0) {
            hiddenName = hidden;
            Interruption::setPartialFile(hiddenName);
            fchmod(descriptor, newFileMode());
        }
    }
    if (descriptor < 0) {
        *error =
            QStringLiteral("cannot write in output folder %1: %2").arg(shownFolder, systemError());
        return false;
    }
    // A WAV file's size is known now, so a disk too small says so before the render instead of
    // at its end. Nothing is reserved: a render that stops early holds only what it wrote.
    struct statvfs space
    {
    };
    if (format == OutputFormat::Wav && fstatvfs(descriptor, &space) == 0 &&
        qint64(space.f_bavail) * qint64(space.f_frsize) < dataBytes + wavHeaderRoom) {
        *error = QStringLiteral("writing %1 failed: %2").arg(shownName, systemError(ENOSPC));
        return false;
    }

    stream = std::make_unique<FileStream>(descriptor);
    file = sf_open_virtual(stream->io(), SFM_WRITE, info, stream.get());
    if (!file) {
        *error = stream->failure() != 0
            ? writeFailure("")
            : QStringLiteral("cannot write %1 as %2: %3")
                  .arg(shownName, QLatin1String(RenderOptions::formatName(format)),
                       QString::fromUtf8(sf_strerror(nullptr)));
        return false;
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
    if (sf_writef_short(file, frames, count) != count || failed()) {
        *error = writeFailure(sf_strerror(file));
        return false;
    }
    return true;
}

bool AudioFileWriter::writeFloat(const float *frames, qint64 count, QString *error)
{
    errno = 0;
    if (sf_writef_float(file, frames, count) != count || failed()) {
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

// An encoder may count a write as done that its stream could not take, so the stream is asked.
bool AudioFileWriter::failed() const
{
    return (stream && stream->failure() != 0) || sf_error(file) != SF_ERR_NO_ERROR;
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
    struct stat status
    {
    };
    fstat(descriptor, &status);
    finishedSize = status.st_size;
    // A file system may take the data in and find no room for it only when it writes it out.
    if (fsync(descriptor) != 0) {
        *error = QStringLiteral("writing %1 failed: %2").arg(shownName, systemError());
        dropUnfinished();
        return false;
    }
    if (!giveName(error)) {
        dropUnfinished();
        return false;
    }
    return true;
}

bool AudioFileWriter::giveName(QString *error)
{
    // A signal that comes from here on waits until the file has its name or is gone; one that
    // came before keeps it from taking the name.
    const Interruption::Hold hold;
    if (hold.signalWaiting()) {
        *error = QStringLiteral("interrupted");
        return false;
    }
    bool named = false;
    if (!hiddenName.isEmpty()) {
        // link() keeps a file that appeared meanwhile; rename() replaces it.
        struct stat status
        {
        };
        named = existing == Existing::Replace
            ? std::rename(hiddenName.constData(), name.constData()) == 0
            : link(hiddenName.constData(), name.constData()) == 0;
        // A file system without hard links has only rename(), which must find no file there.
        if (!named && (errno == EPERM || errno == EOPNOTSUPP)) {
            if (lstat(name.constData(), &status) == 0)
                errno = EEXIST;
            else
                named = std::rename(hiddenName.constData(), name.constData()) == 0;
        }
    } else {
        named = linkUnnamed(name);
        if (!named && errno == EEXIST && existing == Existing::Replace) {
            // linkat() never replaces: the file takes a short hidden name for an instant and
            // replaces the old one in one step.
            QByteArray hidden = shortHiddenName(folderOf(name));
            const int placeholder = mkstemp(hidden.data());
            if (placeholder >= 0) {
                ::close(placeholder);
                unlink(hidden.constData());
                named =
                    linkUnnamed(hidden) && std::rename(hidden.constData(), name.constData()) == 0;
                const int savedErrno = errno;
                unlink(hidden.constData());
                errno = savedErrno;
            }
        }
    }
    if (!named) {
        *error = errno == EEXIST
            ? existsText()
            : QStringLiteral("cannot name the file %1: %2").arg(shownName, systemError());
        return false;
    }
    if (hold.signalWaiting()) {
        // The signal that came while the file took its name ends the render without a file.
        unlink(name.constData());
        *error = QStringLiteral("interrupted");
        return false;
    }
    const int closed = ::close(descriptor);
    descriptor = -1;
    if (!hiddenName.isEmpty()) {
        unlink(hiddenName.constData());
        hiddenName.clear();
        Interruption::setPartialFile(QByteArray());
    }
    if (closed != 0) {
        *error = QStringLiteral("writing %1 failed: %2").arg(shownName, systemError());
        unlink(name.constData());
        return false;
    }
    return true;
}

bool AudioFileWriter::linkUnnamed(const QByteArray &to)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(descriptor);
    if (linkat(AT_FDCWD, self.constData(), AT_FDCWD, to.constData(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    // Without /proc, a process allowed to may link the descriptor itself.
    if (errno != ENOENT)
        return false;
    return linkat(descriptor, "", AT_FDCWD, to.constData(), AT_EMPTY_PATH) == 0;
}

void AudioFileWriter::dropUnfinished()
{
    QString ignored;
    close(&ignored);
    if (descriptor >= 0) {
        ::close(descriptor);
        descriptor = -1;
    }
    if (!hiddenName.isEmpty()) {
        unlink(hiddenName.constData());
        hiddenName.clear();
        Interruption::setPartialFile(QByteArray());
    }
}

bool AudioFileWriter::close(QString *error)
{
    if (!file)
        return true;
    errno = 0;
    const int status = sf_close(file);
    file = nullptr;
    const bool streamFailed = (standardOutput && !standardOutput->error().isEmpty()) ||
        (stream && stream->failure() != 0);
    if (status != SF_ERR_NO_ERROR || streamFailed) {
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
    const int reason = stream && stream->failure() != 0 ? stream->failure() : errno;
    return QStringLiteral("writing %1 failed: %2")
        .arg(shownName, reason != 0 ? systemError(reason) : QString::fromUtf8(libraryText));
}

QString AudioFileWriter::existsText() const
{
    return QStringLiteral("%1 exists and is kept: give --force to replace it").arg(shownName);
}
