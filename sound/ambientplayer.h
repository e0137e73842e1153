#ifndef AMBIENTPLAYER_H
#define AMBIENTPLAYER_H

#include "sound/ambientloop.h"

#include <QIODevice>
#include <QObject>
#include <QString>

class QAudioOutput;

// Plays one ambient sound file in an endless, sample-exact loop through an audio output of its
// own, for as long as it is told to play. The file is decoded once as it plays (AmbientLoop), so
// its end runs straight on into its start, with no gap at the seam. A file that cannot be
// decoded, or no sound server, leaves the ambient sound silent and says so once on stderr.
class AmbientPlayer : public QObject
{
    Q_OBJECT

public:
    explicit AmbientPlayer(QObject *parent = nullptr);
    ~AmbientPlayer() override;

    // An empty path plays nothing.
    QString file() const { return currentFile; }
    // The sound reaches the sound server now.
    bool isPlaying() const;

public slots:
    // Takes the sound at a box index of AmbientSound; while playing, switches at once.
    void setSound(int index);
    void setFile(const QString &path);
    void play();
    void stop();

private:
    // A read-only device that serves the loop's frames endlessly.
    class LoopDevice : public QIODevice
    {
    public:
        AmbientLoop loop;

    protected:
        qint64 readData(char *data, qint64 maxSize) override;
        qint64 writeData(const char *data, qint64 size) override;
    };

    void startSound();
    void stopSound();

    QString currentFile;
    LoopDevice device;
    QAudioOutput *output = nullptr; // made at the first play
    bool playing = false;
};

#endif
