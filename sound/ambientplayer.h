#ifndef AMBIENTPLAYER_H
#define AMBIENTPLAYER_H

#include "sound/ambientloop.h"
#include "sound/ambientsound.h"

#include <QIODevice>
#include <QObject>
#include <QString>

#include <memory>

class SoundOutput;

// Plays one ambient sound file in an endless, sample-exact loop through a sound output of its own
// (SoundOutput: on the current default device, never waiting on the sound server, and back by
// itself after an outage), for as long as it is told to play. The file is decoded once as it plays
// (AmbientLoop), so its end runs straight on into its start with no gap at the seam. A file that
// cannot be decoded leaves the ambient sound silent and says so once on stderr. It plays Pink Noise
// until told otherwise.
class AmbientPlayer : public QObject
{
    Q_OBJECT

public:
    explicit AmbientPlayer(QObject *parent = nullptr);
    ~AmbientPlayer() override;

    // An empty path plays nothing.
    QString file() const { return currentFile; }
    // The sound reaches the sound server, as last reported by the output.
    bool isPlaying() const;

public slots:
    // While playing, switches at once.
    void setSound(AmbientSound sound);
    void setFile(const QString &path);
    void play();
    void stop();

private:
    // A read-only device that serves a loop's frames endlessly, in the output's thread.
    class LoopDevice : public QIODevice
    {
    public:
        LoopDevice();
        void setLoop(std::shared_ptr<AmbientLoop> loop) { this->loop = std::move(loop); }

    protected:
        qint64 readData(char *data, qint64 maxSize) override;
        qint64 writeData(const char *data, qint64 size) override;

    private:
        std::shared_ptr<AmbientLoop> loop;
    };

    void startSound();

    QString currentFile;
    LoopDevice *device; // owned by the output and read in its thread
    SoundOutput *output;
    bool playing = false;
};

#endif
