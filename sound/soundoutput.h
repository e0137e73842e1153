#ifndef SOUNDOUTPUT_H
#define SOUNDOUTPUT_H

#include <QObject>
#include <QThread>

#include <functional>

class PulseStream;
class QIODevice;

// Plays a pull-mode device on the desktop's current default sound output, from a thread of its
// own, so that nothing the sound server does (go away, hang, lose the device) can stall the
// caller's thread. A start returns at once; the sound joins as soon as the server takes it, and a
// lost output is made again, at the point the source has reached, for as long as it should play.
// A lost output is told on stderr once, for all the program's outputs together.
class SoundOutput : public QObject
{
    Q_OBJECT

public:
    // Takes `source`, which must have no parent, into the output's thread and owns it from then
    // on: the source is read there, so it is to be used only through queued calls and signals.
    // The source gives the sound as Tone plays it (16-bit stereo at 44,100 Hz).
    // `name` tells the stream apart in the desktop's mixer, under the application's name;
    // `identity` is the untranslated key under which the sound server remembers its volume.
    SoundOutput(QIODevice *source, const QString &name, const QByteArray &identity,
                QObject *parent = nullptr);
    ~SoundOutput() override;

    // The device played; it lives in the output's thread.
    QIODevice *source() const { return sourceDevice; }
    // As last reported by playingChanged().
    bool isPlaying() const { return playing; }
    // How many times the sound server has run out of this output's sound since it was made, each
    // a gap the listener hears (the first of each spell of them told on stderr too). Safe to read
    // from any thread.
    qint64 underflowCount() const;

public slots:
    // Opens a fresh stream on the current default output, reading the source on from where it is.
    void start();
    // Ramps what is heard to silence over Fade::stopMs from now, then closes the stream; the
    // source is left where it is.
    void stop();
    // Fades what is heard out to silence `ms` from now (with a Stop's ramp at the least), and
    // stays silent until the next start: for an end heard coming.
    void fadeOut(int ms);
    // Rewrites the sound the source gave that is not heard yet, in the output's thread, so that a
    // change of sound is heard at once (see PulseStream::rewriteQueued()).
    void rewriteQueued(std::function<void(qint16 *samples, qint64 frameCount)> rewrite);

signals:
    // In the owner's thread: true once the sound plays, false when it cannot, after a start or
    // when it is lost; a stop says nothing.
    void playingChanged(bool playing);

private:
    void takePlayingState(bool isPlaying);

    QThread thread;
    QIODevice *sourceDevice;
    PulseStream *stream;
    bool started = false;
    bool playing = false;
};

#endif
