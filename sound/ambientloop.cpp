#include "sound/ambientloop.h"

#include "sound/tone.h"

#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

#include <cstring>
#include <limits>
#include <memory>

namespace {

struct SndFileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};
using SndFileHandle = std::unique_ptr<SNDFILE, SndFileCloser>;

QString failure(const QString &path, const QString &problem)
{
    return QStringLiteral("ambient file %1: %2").arg(path, problem);
}

} // namespace

AmbientLoop AmbientLoop::decode(const QString &path, QString *error)
{
    AmbientLoop loop;
    const QFileInfo fileInfo(path);
    if (!fileInfo.exists()) {
        *error = failure(path, QStringLiteral("is missing"));
        return loop;
    }
    if (!fileInfo.isFile() || !fileInfo.isReadable()) {
        *error = failure(path, QStringLiteral("cannot be read"));
        return loop;
    }
    SF_INFO info {};
    const SndFileHandle file(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file) {
        *error = failure(path, QStringLiteral("is not a sound file that can be decoded"));
        return loop;
    }
    if (info.samplerate != Tone::framesPerSecond) {
        *error = failure(path, QStringLiteral("plays at %1 Hz, not 44100 Hz").arg(info.samplerate));
        return loop;
    }
    if (info.channels != 1 && info.channels != 2) {
        *error = failure(path, QStringLiteral("has %1 channels, not 1 or 2").arg(info.channels));
        return loop;
    }
    // A decoder's float output can overshoot full scale; clipping keeps such a peak from
    // wrapping round to the opposite sign.
    sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
    if (info.frames * info.channels > std::numeric_limits<int>::max()) {
        *error = failure(path, QStringLiteral("is too long to hold in memory"));
        return loop;
    }

    QVector<qint16> decoded(int(info.frames * info.channels));
    const sf_count_t read = sf_readf_short(file.get(), decoded.data(), info.frames);
    if (read <= 0 || sf_error(file.get()) != SF_ERR_NO_ERROR) {
        const QString problem = read <= 0 && sf_error(file.get()) == SF_ERR_NO_ERROR
            ? QStringLiteral("holds no sound")
            : QString::fromUtf8(sf_strerror(file.get()));
        *error = failure(path, problem);
        return loop;
    }
    decoded.resize(int(read * info.channels));

    if (info.channels == 2) {
        loop.samples = decoded;
    } else {
        loop.samples.resize(int(read * 2));
        for (int frame = 0; frame < read; ++frame) {
            loop.samples[2 * frame] = decoded[frame];
            loop.samples[2 * frame + 1] = decoded[frame];
        }
    }
    return loop;
}

void AmbientLoop::copyFrames(qint16 *out, qint64 count)
{
    Q_ASSERT(!isEmpty());
    while (count > 0) {
        const qint64 piece = qMin(count, frameCount() - positionFrames);
        std::memcpy(out, samples.constData() + 2 * positionFrames,
                    size_t(piece) * 2 * sizeof(qint16));
        out += 2 * piece;
        count -= piece;
        positionFrames = (positionFrames + piece) % frameCount();
    }
}
