#include "sound/ambientplayer.h"

#include "sound/ambientloop.h"
#include "sound/logging.h"
#include "sound/noise.h"
#include "sound/ownsound.h"
#include "sound/soundoutput.h"
#include "sound/tone.h"

AmbientPlayer::AmbientPlayer(QObject *parent)
    : QObject(parent)
    , currentFile(AmbientSounds::filePath(AmbientSound::PinkNoise))
    , device(new LoopDevice)
    , output(new SoundOutput(device, tr("Ambient sound"), "org.velmora.Velmora.AmbientSound", this))
{
    loader.setMaxThreadCount(1);
    connect(output, &SoundOutput::closed, this, &AmbientPlayer::silenced);
}

// The pool waits for a measurement that runs; cancelled, it stops within a read.
AmbientPlayer::~AmbientPlayer()
{
    cancelLoading();
    loader.waitForDone();
}

bool AmbientPlayer::isPlaying() const
{
    return output->isPlaying();
}

void AmbientPlayer::setSound(const AmbientChoice &sound)
{
    if (sound.isOwnSound()) {
        if (sound != current && loading != sound)
            loadOwnSound(sound);
        return;
    }
    cancelLoading();
    changeTo(sound, AmbientSounds::filePath(sound.sound()), 1);
}

void AmbientPlayer::setFile(const QString &path)
{
    cancelLoading();
    changeTo(AmbientSound::None, path, 1);
}

void AmbientPlayer::cancelLoading()
{
    if (loadCancelled)
        loadCancelled->store(true);
    loadCancelled.reset();
    loading.reset();
}

void AmbientPlayer::loadOwnSound(const AmbientChoice &sound)
{
    cancelLoading();
    loading = sound;
    loadCancelled = std::make_shared<std::atomic_bool>(false);
    loader.start([this, sound, cancelled = loadCancelled] {
        OwnSound::Problem problem = OwnSound::Problem::None;
        const std::shared_ptr<OwnSoundLoop> loop =
            OwnSoundLoop::load(sound.ownFile(), &problem, cancelled.get());
        if (problem == OwnSound::Problem::Cancelled)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, sound, cancelled, loop, problem] {
                if (cancelled->load())
                    return;
                loadCancelled.reset();
                loading.reset();
                if (!loop) {
                    const QString message = OwnSound::problemText(problem, sound.ownFile());
                    qCWarning(lcSound, "%s", qPrintable(message));
                    emit ownSoundFailed(sound, message);
                    return;
                }
                changeTo(sound, QString(), loop->gain(), loop);
                emit ownSoundReady(sound);
            },
            Qt::QueuedConnection);
    });
}

void AmbientPlayer::changeTo(const AmbientChoice &sound, const QString &path, double gain,
                             std::shared_ptr<AmbientSource> ready)
{
    if (sound == current && path == currentFile)
        return;
    current = sound;
    currentFile = path;
    ownGain = gain;
    if (playing)
        crossfadeTo(ready ? std::move(ready) : openLoop());
}

void AmbientPlayer::crossfadeTo(const std::shared_ptr<AmbientSource> &loop)
{
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
    const std::shared_ptr<AmbientSource> loop = openLoop();
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
    if (!playing) {
        emit silenced();
        return;
    }
    playing = false;
    outputStarted = false;
    output->stop();
}

void AmbientPlayer::fadeOut(int ms)
{
    if (outputStarted)
        output->fadeOut(ms);
}

// Every start plays the sound from its beginning, as a player would. Opening a file reads no more
// than its first frames, so it costs the caller's thread next to nothing.
std::shared_ptr<AmbientSource> AmbientPlayer::openLoop() const
{
    if (current.isOwnSound()) {
        OwnSound::Problem problem = OwnSound::Problem::None;
        std::shared_ptr<AmbientSource> loop =
            OwnSoundLoop::open(current.ownFile(), ownGain, &problem);
        if (!loop)
            qCWarning(lcSound, "%s: the ambient sound stays silent",
                      qPrintable(OwnSound::problemText(problem, current.ownFile())));
        return loop;
    }
    if (const std::optional<Noise::Colour> noise = AmbientSounds::noiseColour(current.sound()))
        return std::make_shared<AmbientLoop>(AmbientLoop::of(Noise::loop(*noise)));
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
