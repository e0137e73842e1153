#ifndef AMBIENTPLAYER_H
#define AMBIENTPLAYER_H

#include <QElapsedTimer>
#include <QObject>
#include <QString>

namespace Phonon {
class MediaObject;
}

// Plays one ambient sound file in a loop through the Phonon back end, for as long as it is told
// to play. A file that the back end runs out of after it really played starts again; one that
// ends at once (unplayable, or no sound server) is left silent rather than restarted over and over.
// The back end is loaded at the first play: until then the player costs nothing.
class AmbientPlayer : public QObject
{
    Q_OBJECT

public:
    explicit AmbientPlayer(QObject *parent = nullptr);

    // An empty path plays nothing.
    QString file() const { return currentFile; }
    // The back end is playing the file now.
    bool isPlaying() const;

public slots:
    // Takes the sound at a box index of AmbientSound; while playing, switches at once.
    void setSound(int index);
    void setFile(const QString &path);
    void play();
    void stop();

signals:
    // The back end reached the end of the file or gave it up.
    void endReached();

private:
    void createBackEnd();
    void loopAtEnd();
    void restartAfterEnd();

    Phonon::MediaObject *player = nullptr;
    QString currentFile;
    bool playing = false;
    QElapsedTimer playClock; // since the back end was last told to play
};

#endif
