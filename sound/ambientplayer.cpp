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
    setFile(AmbientSounds::filePath(sound));
}

void AmbientPlayer::setFile(const QString &path)
{
    if (path == currentFile)
        return;
    currentFile = path;
    if (playing) {
        output->stop();
        startSound();
    }
}

void AmbientPlayer::play()
{
    if (playing)
        return;
    playing = true;
    startSound();
}

void AmbientPlayer::stop()
{
    if (!playing)
        return;
    playing = false;
    output->stop();
}

// Every start plays the file from its beginning, as a player would. Opening it reads no more
// than its first frames, so it costs the caller's thread next to nothing.
void AmbientPlayer::startSound()
{
    if (currentFile.isEmpty())
        return;
    QString error;
    auto loop = std::make_shared<AmbientLoop>(AmbientLoop::open(currentFile, &error));
    if (loop->isEmpty()) {
        qCWarning(lcSound, "%s: the ambient sound stays silent", qPrintable(error));
        return;
    }
    // Queued in the output's thread, so before the output's own start.
    QMetaObject::invokeMethod(device, [device = device, loop] { device->setLoop(loop); });
    output->start();
}

AmbientPlayer::LoopDevice::LoopDevice()
{
    open(QIODevice::ReadOnly);
}

qint64 AmbientPlayer::LoopDevice::readData(char *data, qint64 maxSize)
{
    if (!loop)
        return 0;
    const qint64 frames = maxSize / Tone::bytesPerFrame;
    loop->copyFrames(reinterpret_cast<qint16 *>(data), frames);
    return frames * Tone::bytesPerFrame;
}

qint64 AmbientPlayer::LoopDevice::writeData(const char *, qint64)
{
    return 0;
}
