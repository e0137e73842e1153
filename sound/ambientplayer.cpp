#include "sound/ambientplayer.h"

#include "sound/logging.h"
#include "sound/soundoutput.h"
#include "sound/tone.h"

AmbientPlayer::AmbientPlayer(QObject *parent)
    : QObject(parent)
    , currentFile(AmbientSounds::filePath(AmbientSound::PinkNoise))
    , device(new LoopDevice)
    , output(new SoundOutput(device, tr("Ambient sound"), "org.velmora.Velmora.AmbientSound", this))
{
}

AmbientPlayer::~AmbientPlayer() = default;

bool AmbientPlayer::isPlaying() const
{
    return output->isPlaying();
}

void AmbientPlayer::setSound(AmbientSound sound)
{
    changeTo(AmbientSounds::filePath(sound), AmbientSounds::noiseColour(sound));
}

void AmbientPlayer::setFile(const QString &path)
{
    changeTo(path, std::nullopt);
}

void AmbientPlayer::changeTo(const QString &path, std::optional<Noise::Colour> noise)
{
    if (path == currentFile && noise == currentNoise)
        return;
    currentFile = path;
    currentNoise = noise;
    if (!playing)
        return;
    const std::shared_ptr<AmbientLoop> loop = openLoop();
    output->rewriteQueued([device = device, loop](qint16 *queued, qint64 queuedFrames) {
        device->mixer.crossfadeTo(loop, queued, queuedFrames);
    });
    if (loop && !outputStarted) {
        outputStarted = true;
        output->start();
    }
}

void AmbientPlayer::play()
{
    if (playing)
        return;
    playing = true;
    const std::shared_ptr<AmbientLoop> loop = openLoop();
    // Queued in the output's thread, so before the output's own start; no loop leaves the mixer
    // silent, with nothing of an earlier session to fade out.
    QMetaObject::invokeMethod(device, [device = device, loop] { device->mixer.fadeIn(loop); });
    if (!loop)
        return;
    outputStarted = true;
    output->start();
}

void AmbientPlayer::stop()
{
    if (!playing)
        return;
    playing = false;
    outputStarted = false;
    output->stop();
}

void AmbientPlayer::fadeOut(int ms)
{
    if (outputStarted)
        output->fadeOut(ms);
}

// Every start plays the file from its beginning, as a player would. Opening it reads no more
// than its first frames, so it costs the caller's thread next to nothing.
std::shared_ptr<AmbientLoop> AmbientPlayer::openLoop() const
{
    if (currentNoise)
        return std::make_shared<AmbientLoop>(AmbientLoop::of(Noise::loop(*currentNoise)));
    if (currentFile.isEmpty())
        return nullptr;
    QString error;
    auto loop = std::make_shared<AmbientLoop>(AmbientLoop::open(currentFile, &error));
    if (loop->isEmpty()) {
        qCWarning(lcSound, "%s: the ambient sound stays silent", qPrintable(error));
        return nullptr;
    }
    return loop;
}

AmbientPlayer::LoopDevice::LoopDevice()
{
    open(QIODevice::ReadOnly);
}

qint64 AmbientPlayer::LoopDevice::readData(char *data, qint64 maxSize)
{
    const qint64 frames = maxSize / Tone::bytesPerFrame;
    mixer.mix(reinterpret_cast<qint16 *>(data), frames);
    return frames * Tone::bytesPerFrame;
}

qint64 AmbientPlayer::LoopDevice::writeData(const char *, qint64)
{
    return 0;
}
