#ifndef AMBIENTPLAYER_H
#define AMBIENTPLAYER_H

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <phonon/phononnamespace.h>

namespace Phonon {
class MediaObject;
}

// Plays one ambient sound file in a loop through the Phonon back end, for as long as it is told
// to play. A file that the back end runs out of after it really played starts again; one that
// ends at once (unplayable, or no sound server) is left silent rather than restarted over and over.
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
    // Plays the file again from its start: a back end whose sound server went away and came
    // back stays silent until then.
    void restart();

signals:
    // The back end reached the end of the file or gave it up.
    void endReached();

private:
    void loopAtEnd();
    void restartAfterEnd();
    void playAgainIfStopped(Phonon::State state);

    Phonon::MediaObject *player;
    QString currentFile;
    bool playing = false;
    bool restartWhenStopped = false;
    QElapsedTimer playClock; // since the back end was last told to play
};

#endif
