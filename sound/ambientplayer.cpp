#include "sound/ambientplayer.h"

#include "sound/ambientsound.h"
#include "sound/tone.h"

#include <QAudioDeviceInfo>
#include <QAudioOutput>

#include <cstdio>

AmbientPlayer::AmbientPlayer(QObject *parent)
    : QObject(parent)
    , currentFile(AmbientSound::filePath(0))
{
}

AmbientPlayer::~AmbientPlayer()
{
    // Stopped before it goes, Qt's PulseAudio output ignores the stream callbacks still queued.
    if (output)
        output->stop();
}

bool AmbientPlayer::isPlaying() const
{
    return output && output->state() == QAudio::ActiveState;
}

void AmbientPlayer::setSound(int index)
{
    setFile(AmbientSound::filePath(index));
}

void AmbientPlayer::setFile(const QString &path)
{
    if (path == currentFile)
        return;
    currentFile = path;
    if (playing) {
        stopSound();
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
    stopSound();
}

// Every start plays the file from its beginning, as a player would.
void AmbientPlayer::startSound()
{
    if (currentFile.isEmpty())
        return;
    QString error;
    device.loop = AmbientLoop::open(currentFile, &error);
    if (device.loop.isEmpty()) {
        std::fprintf(stderr, "velmora: %s: the ambient sound stays silent\n", qPrintable(error));
        return;
    }
    if (!output) {
        output = new QAudioOutput(QAudioDeviceInfo::defaultOutputDevice(), Tone::requestedFormat(),
                                  this);
    }
    device.open(QIODevice::ReadOnly);
    output->start(&device);
}

void AmbientPlayer::stopSound()
{
    if (output) {
        output->stop();
        output->reset();
    }
    device.close();
}

qint64 AmbientPlayer::LoopDevice::readData(char *data, qint64 maxSize)
{
    const qint64 frames = maxSize / Tone::bytesPerFrame;
    loop.copyFrames(reinterpret_cast<qint16 *>(data), frames);
    return frames * Tone::bytesPerFrame;
}

qint64 AmbientPlayer::LoopDevice::writeData(const char *, qint64)
{
    return 0;
}
