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

} // namespace

AmbientPlayer::AmbientPlayer(QObject *parent)
    : QObject(parent)
    , currentFile(AmbientSound::filePath(0))
{
}

bool AmbientPlayer::isPlaying() const
{
    return player && player->state() == Phonon::PlayingState;
}

void AmbientPlayer::setSound(int index)
{
    setFile(AmbientSound::filePath(index));
}

void AmbientPlayer::setFile(const QString &path)
{
    currentFile = path;
    if (!player)
        return;
    if (playing)
        player->stop();
    player->setCurrentSource(sourceFor(path));
    if (playing)
        play();
}

void AmbientPlayer::play()
{
    if (!player)
        createBackEnd();
    playing = true;
    playClock.start();
    player->play();
}

void AmbientPlayer::stop()
{
    playing = false;
    if (player)
        player->stop();
}

void AmbientPlayer::createBackEnd()
{
    player = Phonon::createPlayer(Phonon::MusicCategory, sourceFor(currentFile));
    player->setParent(this);
    connect(player, &Phonon::MediaObject::aboutToFinish, this, &AmbientPlayer::loopAtEnd);
    connect(player, &Phonon::MediaObject::finished, this, &AmbientPlayer::restartAfterEnd);
    connect(player, &Phonon::MediaObject::finished, this, &AmbientPlayer::endReached);
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
