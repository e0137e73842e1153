#include "sound/ambientloop.h"

#include "sound/tone.h"

#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>

namespace {

QString failure(const QString &path, const QString &problem)
{
    return QStringLiteral("ambient file %1: %2").arg(path, problem);
}

// Decoding a little ahead of what is played keeps each read of the first pass cheap.
const qint64 decodeAheadFrames = 4096;
const qint64 wholeDecodeStepFrames = 1 << 20;

} // namespace

void AmbientLoop::FileCloser::operator()(SNDFILE *file) const
{
    sf_close(file);
}

AmbientLoop::AmbientLoop() = default;
AmbientLoop::AmbientLoop(AmbientLoop &&other) noexcept = default;
AmbientLoop &AmbientLoop::operator=(AmbientLoop &&other) noexcept = default;
AmbientLoop::~AmbientLoop() = default;

AmbientLoop AmbientLoop::open(const QString &path, QString *error)
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
    std::unique_ptr<SNDFILE, FileCloser> file(
        sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
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
    if (info.frames * 2 > std::numeric_limits<int>::max()) {
        *error = failure(path, QStringLiteral("is too long to hold in memory"));
        return loop;
    }
    // A decoder's float output can overshoot full scale; clipping keeps such a peak from
    // wrapping round to the opposite sign.
    sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);

    loop.channels = info.channels;
    loop.samples.reserve(int(info.frames * 2));
    loop.file = std::move(file);
    // The first frames tell whether the file holds sound at all.
    loop.decodeMore(decodeAheadFrames);
    if (loop.samples.isEmpty()) {
        *error = failure(path, QStringLiteral("holds no sound"));
        loop.file.reset();
    }
    return loop;
}

AmbientLoop AmbientLoop::decode(const QString &path, QString *error)
{
    AmbientLoop loop = open(path, error);
    while (loop.file)
        loop.decodeMore(wholeDecodeStepFrames);
    return loop;
}

AmbientLoop AmbientLoop::of(const QVector<qint16> &stereoSamples)
{
    AmbientLoop loop;
    loop.samples = stereoSamples;
    return loop;
}

void AmbientLoop::decodeMore(qint64 frames)
{
    const qint64 wanted = qMin(frames, qint64(std::numeric_limits<int>::max() / 2) - frameCount());
    const int first = samples.size();
    samples.resize(first + int(wanted * 2));
    qint16 *out = samples.data() + first;
    sf_count_t read = 0;
    if (channels == 2) {
        read = sf_readf_short(file.get(), out, wanted);
    } else {
        read = sf_readf_short(file.get(), out + wanted, wanted);
        for (sf_count_t frame = 0; frame < read; ++frame)
            out[2 * frame] = out[2 * frame + 1] = out[wanted + frame];
    }
    read = qMax<sf_count_t>(read, 0);
    samples.resize(first + int(read * 2));
    // The end of the file, or a part that cannot be decoded: the loop wraps here.
    if (read < wanted)
        file.reset();
}

void AmbientLoop::copyFrames(qint16 *out, qint64 count)
{
    if (samples.isEmpty()) {
        std::fill(out, out + 2 * count, qint16(0));
        return;
    }
    while (count > 0) {
        if (positionFrames == frameCount() && file)
            decodeMore(qMax(count, decodeAheadFrames));
        const qint64 piece = qMin(count, frameCount() - positionFrames);
        std::memcpy(out, samples.constData() + 2 * positionFrames,
                    size_t(piece) * 2 * sizeof(qint16));
        out += 2 * piece;
        count -= piece;
        positionFrames += piece;
        // At the end of what is decoded: decode on, or wrap at the end of the file.
        if (positionFrames == frameCount() && file)
            decodeMore(decodeAheadFrames);
        if (positionFrames == frameCount())
            positionFrames = 0;
    }
}
