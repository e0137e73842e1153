#ifndef PULSESTREAM_H
#define PULSESTREAM_H

#include <QObject>

#include <pulse/pulseaudio.h>

#include <atomic>

struct pa_glib_mainloop;

class QIODevice;
class QTimer;

// One playback stream on the desktop's sound server (PulseAudio, or PipeWire's PulseAudio server),
// fed from a pull-mode device, that lives in a thread of its own (see SoundOutput). Every call to
// the server is asynchronous: a server that is gone, stopped or hung leaves the stream waiting,
// never its thread. Each start makes a new connection to the server and plays on its default
// output as it is at that moment. While it is meant to play, a lost stream or connection is made
// again after 1, 2, 4, 8, then every 10 seconds, reading on from where the source was.
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
    void stop();
    // How many times the server has run out of sound to play since the stream was made: each time
    // is a gap the listener hears, and is told on stderr. Safe to read from any thread.
    qint64 underflowCount() const { return underflows.load(std::memory_order_relaxed); }

signals:
    // True once the server takes the sound; false when a start or a stream fails. A stop says
    // nothing.
    void playingChanged(bool playing);

private:
    static void contextStateCallback(pa_context *context, void *self);
    static void streamStateCallback(pa_stream *stream, void *self);
    static void writeCallback(pa_stream *stream, size_t bytes, void *self);
    static void underflowCallback(pa_stream *stream, void *self);

    void connectToServer();
    void followContextState();
    void createStream();
    void followStreamState();
    void feed();
    void giveUpConnection(const QString &reason);
    void setOutage(bool lost, const QString &reason);
    void disconnectFromServer();
    QString serverError() const;

    QIODevice *source;
    QByteArray streamName;
    QByteArray identity;

    // Made in the stream's own thread with each connection, and freed with it.
    pa_glib_mainloop *mainloop = nullptr;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;

    QTimer *retryTimer;
    QTimer *answerTimer;
    int retryDelayMs;
    bool wanted = false;
    bool playing = false;
    // This stream has told of an outage that has not ended yet.
    bool inOutage = false;
    std::atomic<qint64> underflows {0};
};

#endif
