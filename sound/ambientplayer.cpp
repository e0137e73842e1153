#include "sound/ambientplayer.h"

#include "sound/ambientsound.h"

#include <QUrl>
#include <phonon/MediaObject>

namespace {

// A sound that ends sooner than this after play() never really played: the back end finishes a
// file it cannot open or decode at once, and a short one too when there is no sound server.
const qint64 minimumPlayMs = 2000;

// An empty source plays nothing; a path to a directory would make the back end finish at once
// with errors instead.
Phonon::MediaSource sourceFor(const QString &path)
{
    return path.isEmpty() ? Phonon::MediaSource() : Phonon::MediaSource(QUrl::fromLocalFile(path));
}

// Both are read when the back end starts, at the first player.
void quietenBackEnd()
{
    // While the sound server is away VLC prints an error for every buffer it cannot write,
    // thousands a minute; the tone's output reports the outage once instead.
    if (!qEnvironmentVariableIsSet("VLC_VERBOSE"))
        qputenv("VLC_VERBOSE", "-1");
    // Phonon's own PulseAudio helper connects to the server on the GUI thread the first time a
    // sound plays, and waits there for as long as a hung server keeps it waiting (30 s seen). VLC
    // plays through the server by itself, under the application's name, without it.
    if (!qEnvironmentVariableIsSet("PHONON_PULSEAUDIO_DISABLE"))
        qputenv("PHONON_PULSEAUDIO_DISABLE", "1");
}

} // namespace

AmbientPlayer::AmbientPlayer(QObject *parent)
    : QObject(parent)
    , currentFile(AmbientSound::filePath(0))
{
    quietenBackEnd();
    player = Phonon::createPlayer(Phonon::MusicCategory, sourceFor(currentFile));
    player->setParent(this);
    connect(player, &Phonon::MediaObject::aboutToFinish, this, &AmbientPlayer::loopAtEnd);
    connect(player, &Phonon::MediaObject::finished, this, &AmbientPlayer::restartAfterEnd);
    connect(player, &Phonon::MediaObject::finished, this, &AmbientPlayer::endReached);
    connect(player, &Phonon::MediaObject::stateChanged, this, &AmbientPlayer::playAgainIfStopped);
}

bool AmbientPlayer::isPlaying() const
{
    return player->state() == Phonon::PlayingState;
}

void AmbientPlayer::setSound(int index)
{
    setFile(AmbientSound::filePath(index));
}

void AmbientPlayer::setFile(const QString &path)
{
    currentFile = path;
    if (playing)
        player->stop();
    player->setCurrentSource(sourceFor(path));
    if (playing)
        play();
}

void AmbientPlayer::play()
{
    playing = true;
    playClock.start();
    player->play();
}

void AmbientPlayer::stop()
{
    playing = false;
    restartWhenStopped = false;
    player->stop();
}

// The back end takes a play() that comes before its stop() has gone through as a no-op, so the
// file is played again once the player has stopped.
void AmbientPlayer::restart()
{
    if (player->state() == Phonon::StoppedState || player->state() == Phonon::LoadingState) {
        play();
        return;
    }
    restartWhenStopped = true;
    player->stop();
}

void AmbientPlayer::playAgainIfStopped(Phonon::State state)
{
    if (state != Phonon::StoppedState || !restartWhenStopped)
        return;
    restartWhenStopped = false;
    if (playing)
        play();
}

void AmbientPlayer::loopAtEnd()
{
    player->seek(0);
}

// The seek at aboutToFinish loops a long file, but the back end lets a file of a few seconds run
// out after all; one that really played starts again, one that failed at once is left silent.
void AmbientPlayer::restartAfterEnd()
{
    if (playing && playClock.elapsed() >= minimumPlayMs)
        play();
}
