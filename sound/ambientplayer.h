#ifndef AMBIENTPLAYER_H
#define AMBIENTPLAYER_H

#include "sound/ambientchoice.h"
#include "sound/loopmixer.h"

#include <QIODevice>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <memory>
#include <optional>

class SoundOutput;

// Plays one ambient sound in an endless, seamless loop through a sound output of its own
// (SoundOutput: on the current default device, never waiting on the sound server, and back by
// itself after an outage), for as long as it is told to play: a shipped file, decoded once as it
// plays (AmbientLoop), a noise made in memory (Noise), or the user's own recording, streamed from
// disk (OwnSoundLoop). The sound fades in at each play and ramps out at each stop; a change of
// sound while it plays crossfades the old into the new (Fade). It plays Pink Noise until told
// otherwise.
//
// An own recording is measured first, in a pass over the whole file in a thread of the player's
// own; meanwhile the sound that was chosen before goes on, and the recording takes over when it
// is ready (ownSoundReady), or never, if it cannot play (ownSoundFailed).
class AmbientPlayer : public QObject
{
    Q_OBJECT

public:
    explicit AmbientPlayer(QObject *parent = nullptr);
    ~AmbientPlayer() override;

    // What plays, or would play: an own recording only once it is ready.
    AmbientChoice sound() const { return current; }
    // A file played as it is, rather than a choice; empty for a noise, None, or an own sound.
    QString file() const { return currentFile; }
    // The sound reaches the sound server, as last reported by the output.
    bool isPlaying() const;

public slots:
    // While playing, crossfades into it at once, or once an own recording is ready. A sound of the
    // table forgets an own recording still being measured.
    void setSound(const AmbientChoice &sound);
    // A 44.1 kHz file of one or two channels, played sample for sample as it is.
    void setFile(const QString &path);
    void play();
    void stop();
    // Fades what is heard out to silence `ms` from now (see SoundOutput::fadeOut()).
    void fadeOut(int ms);

signals:
    void ownSoundReady(const AmbientChoice &sound);
    // One sentence for the user; what played before plays on.
    void ownSoundFailed(const AmbientChoice &sound, const QString &message);
    // After stop(): its ramp has been heard to its end (see SoundOutput::closed()); at once, within
    // stop(), when nothing played.
    void silenced();

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

    // `ready` is the sound's loop when it has been opened already.
    void changeTo(const AmbientChoice &sound, const QString &path, double ownGain,
                  std::shared_ptr<AmbientSource> ready = nullptr);
    void loadOwnSound(const AmbientChoice &sound);
    void crossfadeTo(const std::shared_ptr<AmbientSource> &loop);
    // The current sound from its start; null, said on stderr, if it cannot play.
    std::shared_ptr<AmbientSource> openLoop() const;
    void cancelLoading();

    AmbientChoice current;
    QString currentFile;
    double ownGain = 1;
    LoopDevice *device; // owned by the output and read in its thread
    SoundOutput *output;
    bool playing = false;
    bool outputStarted = false;
    // One measurement at a time; a newer choice cancels the one that runs.
    QThreadPool loader;
    std::shared_ptr<std::atomic_bool> loadCancelled;
    std::optional<AmbientChoice> loading;
};

#endif
