#ifndef AMBIENTPLAYER_H
#define AMBIENTPLAYER_H

#include "sound/ambientloop.h"
#include "sound/ambientsound.h"
#include "sound/loopmixer.h"

#include <QIODevice>
#include <QObject>
#include <QString>

#include <memory>

class SoundOutput;

// Plays one ambient sound file, or a noise made in memory (Noise), in an endless, sample-exact loop
// through a sound output of its own (SoundOutput: on the current default device, never waiting on
// the sound server, and back by itself after an outage), for as long as it is told to play. The
// file is decoded once as it plays (AmbientLoop), so its end runs straight on into its start with
// no gap at the seam. A file that cannot be decoded leaves the ambient sound silent and says so
// once on stderr. The sound fades in at each play and ramps out at each stop; a change of sound
// while it plays crossfades the old into the new (Fade). It plays Pink Noise until told otherwise.
class AmbientPlayer : public QObject
{
    Q_OBJECT

public:
    explicit AmbientPlayer(QObject *parent = nullptr);
    ~AmbientPlayer() override;

    // An empty path plays nothing, or the noise that setSound() chose.
    QString file() const { return currentFile; }
    // The sound reaches the sound server, as last reported by the output.
    bool isPlaying() const;

public slots:
    // While playing, crossfades into it at once.
    void setSound(AmbientSound sound);
    void setFile(const QString &path);
    void play();
    void stop();
    // Fades what is heard out to silence `ms` from now (see SoundOutput::fadeOut()).
    void fadeOut(int ms);

private:
    // A read-only device that serves the mix of loops endlessly, in the output's thread.
    class LoopDevice : public QIODevice
    {
    public:
        LoopDevice();
        LoopMixer mixer;

    protected:
        qint64 readData(char *data, qint64 maxSize) override;
        qint64 writeData(const char *data, qint64 size) override;
    };

    // To the file, or to the noise when there is one.
    void changeTo(const QString &path, std::optional<Noise::Colour> noise);
    // The current noise's or file's loop, from its start; null, said on stderr, if it cannot play.
    std::shared_ptr<AmbientLoop> openLoop() const;

    QString currentFile;
    std::optional<Noise::Colour> currentNoise;
    LoopDevice *device; // owned by the output and read in its thread
    SoundOutput *output;
    bool playing = false;
    bool outputStarted = false;
};

#endif
