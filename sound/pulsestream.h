#ifndef PULSESTREAM_H
#define PULSESTREAM_H

#include "sound/playoutbuffer.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QVector>

#include <pulse/pulseaudio.h>

#include <atomic>
#include <functional>

struct pa_glib_mainloop;

class QIODevice;
class QTimer;

// One playback stream on the desktop's sound server (PulseAudio, or PipeWire's PulseAudio server),
// fed from a pull-mode device, that lives in a thread of its own (see SoundOutput). Every call to
// the server is asynchronous: a server that is gone, stopped or hung leaves the stream waiting,
// never its thread. Each start makes a new connection to the server and plays on its default
// output as it is at that moment. While it is meant to play, a lost stream or connection is made
// again after 1, 2, 4, 8, then every 10 seconds, reading on from where the source was; a server
// that stops answering counts as lost. An outage is told in one line on stderr for all the
// program's streams together, and underflows in one line for each spell of them.
//
// A fade out or a change of sound takes effect from what the listener hears next, not from the end
// of what the server holds: the stream keeps what it has written in a PlayoutBuffer, and writes it
// again, faded or changed, over the server's buffer from just past the server's read position on.
class PulseStream : public QObject
{
    Q_OBJECT

public:
    // Reads `source`, which must live in the same thread, as Tone plays it (16-bit stereo at
    // 44,100 Hz); the stream shows in the desktop's mixer with the application's
    // name and `name`. The server remembers the stream's volume under `identity`, apart from the
    // application's other streams (see createStream()).
    PulseStream(QIODevice *source, const QString &name, const QByteArray &identity);
    ~PulseStream() override;

    void start();
    // Ramps what is heard to silence over Fade::stopMs, then closes the stream; one that does not
    // play closes at once.
    void stop();
    // Fades what is heard out to silence within `ms` from now, and stays silent until the next
    // start.
    void fadeOut(int ms);

    // Rewrites sound the source gave but the listener has not heard yet, in place: `frameCount`
    // interleaved stereo frames as the source gave them, the last frames it gave. What it makes of
    // them is heard from just past the server's read position on, and the source is read on from
    // where it is. Called in the stream's thread, once the server has told its read position, or
    // at once with no frames when nothing is held.
    using Rewrite = PlayoutBuffer::Rewrite;
    void rewriteQueued(Rewrite rewrite);
    // How many times the server has run out of sound to play since the stream was made: each time
    // is a gap the listener hears. The first of a spell of them is told on stderr, with the count
    // so far. Safe to read from any thread.
    qint64 underflowCount() const { return underflows.load(std::memory_order_relaxed); }

signals:
    // True once the server takes the sound; false when a start or a stream fails. A stop says
    // nothing.
    void playingChanged(bool playing);

private:
    enum class State {
        // Not meant to play: no connection to the server.
        Idle,
        // Meant to play: a connection and a stream are on their way after a start.
        Connecting,
        // The server takes the sound.
        Playing,
        // A Stop's ramp plays out; the stream closes once it has played.
        Stopping,
        // Meant to play, but the server or the stream was lost: told once, and made again after a
        // delay, until the sound plays again.
        Lost,
    };

    static void contextStateCallback(pa_context *context, void *self);
    static void streamStateCallback(pa_stream *stream, void *self);
    static void writeCallback(pa_stream *stream, size_t bytes, void *self);
    static void timingCallback(pa_stream *stream, int success, void *self);
    static void drainCallback(pa_stream *stream, int success, void *self);
    static void underflowCallback(pa_stream *stream, void *self);

    bool isReady() const;
    void connectToServer();
    void followContextState();
    void createStream();
    void followStreamState();
    void feed();
    void requestFade(int ms);
    void askReadPosition();
    void rewriteFromReadPosition();
    void readSource(qint16 *samples, qint64 frameCount);
    void tellUnderflow();
    void giveUpConnection(const QString &reason);
    void setState(State next, const QString &outageReason = QString());
    void disconnectFromServer();
    QString serverError() const;

    QIODevice *source;
    QByteArray streamName;
    QByteArray identity;
    State state = State::Idle;

    // Made in the stream's own thread with each connection, and freed with it.
    pa_glib_mainloop *mainloop = nullptr;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;

    // What was written to the stream since it was made, and the fades laid on it.
    PlayoutBuffer playout;
    // The lengths of the fades and the rewrites asked for, laid once the server has told its read
    // position: while there are any, the server has been asked for it.
    QVector<int> pendingFadesMs;
    QVector<Rewrite> pendingRewrites;

    QTimer *retryTimer;
    QTimer *answerTimer;
    int retryDelayMs;

    std::atomic<qint64> underflows {0};
    // When the last underflow came, on a clock that runs from the stream's making.
    QElapsedTimer clock;
    qint64 lastUnderflowMs = -1;
};

#endif
