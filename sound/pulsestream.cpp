#include "sound/pulsestream.h"

#include "sound/logging.h"
#include "sound/tone.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTimer>

#include <atomic>

#include <glib.h>
#include <pulse/glib-mainloop.h>

namespace {

const int firstRetryDelayMs = 1000;
const int longestRetryDelayMs = 10000;
// A server answers a new connection and stream within milliseconds, and asks a playing stream for
// more sound several times a second; one that has done neither for this long is hung (stopped, or
// stuck), and the connection is dropped for a fresh one.
const int answerTimeoutMs = 5000;
// What the server keeps buffered ahead of the speakers: a second. With 300 ms buffered and a refill
// every 100 ms, a soak on a two-core machine busy with parallel builds and tests ran dry once, both
// streams at the same moment, while the program's feeds and the sound server's main thread waited
// up to 90 ms at a time for a CPU. A stop drops what is buffered, so it is still heard at once;
// only a change of the tone's next loop is heard up to this much later.
const pa_usec_t bufferedUsec = 1000000;
// The server asks for more once this much of the buffer has played: a quarter of it, so that the
// stream wakes four times a second, and three quarters of a second are left to ride over a stall.
const pa_usec_t refillUsec = 250000;

const pa_sample_spec playedSampleSpec = {PA_SAMPLE_S16NE, Tone::framesPerSecond,
                                         Tone::channelCount};

// The program's streams share the server, and so its outages: the first stream to lose it tells,
// and no other tells again until every stream that lost it plays again.
std::atomic<int> streamsInOutage {0};

} // namespace

PulseStream::PulseStream(QIODevice *source, const QString &name, const QByteArray &identity)
    : source(source)
    , streamName(name.toUtf8())
    , identity(identity)
    , retryTimer(new QTimer(this))
    , answerTimer(new QTimer(this))
    , retryDelayMs(firstRetryDelayMs)
{
    retryTimer->setSingleShot(true);
    answerTimer->setSingleShot(true);
    answerTimer->setInterval(answerTimeoutMs);
    connect(retryTimer, &QTimer::timeout, this, &PulseStream::connectToServer);
    connect(answerTimer, &QTimer::timeout, this,
            [this] { giveUpConnection(QStringLiteral("the sound server does not answer")); });
}

PulseStream::~PulseStream()
{
    disconnectFromServer();
    setOutage(false, QString());
}

void PulseStream::start()
{
    wanted = true;
    playing = false;
    retryDelayMs = firstRetryDelayMs;
    connectToServer();
}

void PulseStream::stop()
{
    wanted = false;
    playing = false;
    retryTimer->stop();
    disconnectFromServer();
    setOutage(false, QString());
}

// The callbacks run in this object's thread, from its event loop. A change of state is followed
// once the callback has returned, since it may end in freeing the context or the stream.
void PulseStream::contextStateCallback(pa_context *, void *self)
{
    auto *stream = static_cast<PulseStream *>(self);
    QMetaObject::invokeMethod(stream, &PulseStream::followContextState, Qt::QueuedConnection);
}

void PulseStream::streamStateCallback(pa_stream *, void *self)
{
    auto *stream = static_cast<PulseStream *>(self);
    QMetaObject::invokeMethod(stream, &PulseStream::followStreamState, Qt::QueuedConnection);
}

void PulseStream::writeCallback(pa_stream *, size_t, void *self)
{
    static_cast<PulseStream *>(self)->feed();
}

// The server has played all it had: the listener hears a gap until the next write arrives.
void PulseStream::underflowCallback(pa_stream *, void *self)
{
    auto *stream = static_cast<PulseStream *>(self);
    const qint64 count = stream->underflows.fetch_add(1, std::memory_order_relaxed) + 1;
    qCWarning(lcSound,
              "Sound underflow (%s): the sound server ran out of sound to play, %lld so far",
              stream->streamName.constData(), count);
}

void PulseStream::connectToServer()
{
    disconnectFromServer();
    // The server's messages join this thread's own event loop, Qt's on GLib's main context, so
    // that nothing but this thread ever wakes for the sound. Qt made to run without GLib gives
    // the thread no context of its own. Each connection has a loop of its own: a loop kept on
    // after a connection was dropped while still connecting was seen never to hear from the next.
    GMainContext *threadContext = g_main_context_get_thread_default();
    if (!threadContext) {
        giveUpConnection(QStringLiteral("Qt runs without GLib's event loop (QT_NO_GLIB)"));
        return;
    }
    mainloop = pa_glib_mainloop_new(threadContext);
    // The mixer lists the stream under this name, as it does the ambient player's.
    const QByteArray application = QCoreApplication::applicationName().toUtf8();
    context = pa_context_new(pa_glib_mainloop_get_api(mainloop), application.constData());
    pa_context_set_state_callback(context, contextStateCallback, this);
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0) {
        giveUpConnection(serverError());
        return;
    }
    answerTimer->start();
}

void PulseStream::followContextState()
{
    if (!context)
        return;
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY && !stream)
        createStream();
    else if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED)
        giveUpConnection(serverError());
}

// No sink is named: the server plays the stream on its default output, and moves it to the next
// default if that output goes away.
//
// Each stream is remembered on its own. PulseAudio's module-stream-restore keys on
// module-stream-restore.id. WirePlumber 0.4 (restore-stream.lua) keys on the first of media.role,
// application.id, application.name, media.name and node.name that is set: application.name is the
// same for both streams, so each gets an application.id of its own, and no media.role, which
// would come first and is one for both layers. The icon name keeps the mixer's icon the program's.
void PulseStream::createStream()
{
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, "module-stream-restore.id", identity.constData());
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, identity.constData());
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "org.velmora.Velmora");
    stream = pa_stream_new_with_proplist(context, streamName.constData(), &playedSampleSpec,
                                         nullptr, properties);
    pa_proplist_free(properties);
    if (!stream) {
        giveUpConnection(serverError());
        return;
    }
    pa_stream_set_state_callback(stream, streamStateCallback, this);
    pa_stream_set_write_callback(stream, writeCallback, this);
    pa_stream_set_underflow_callback(stream, underflowCallback, this);
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(pa_usec_to_bytes(bufferedUsec, &playedSampleSpec));
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(pa_usec_to_bytes(refillUsec, &playedSampleSpec));
    buffer.fragsize = uint32_t(-1);
    if (pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_NOFLAGS, nullptr, nullptr) <
        0)
        giveUpConnection(serverError());
}

void PulseStream::followStreamState()
{
    if (!stream)
        return;
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY) {
        answerTimer->start();
        retryDelayMs = firstRetryDelayMs;
        setOutage(false, QString());
        if (!playing) {
            playing = true;
            emit playingChanged(true);
        }
        feed();
    } else if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
        giveUpConnection(serverError());
    }
}

// Fills all the server asks for. A piece of shared memory holds less than the whole buffer, so
// it may take several writes: the server asks again only once more has played, and a buffer left
// short of full would never start playing.
void PulseStream::feed()
{
    const size_t frameBytes = pa_frame_size(&playedSampleSpec);
    while (stream && pa_stream_get_state(stream) == PA_STREAM_READY) {
        size_t wanted = pa_stream_writable_size(stream);
        wanted -= wanted % frameBytes;
        if (wanted == 0 || wanted == size_t(-1))
            return;
        void *data = nullptr;
        if (pa_stream_begin_write(stream, &data, &wanted) < 0 || !data)
            return;
        wanted -= wanted % frameBytes;
        const qint64 written =
            wanted > 0 ? source->read(static_cast<char *>(data), qint64(wanted)) : 0;
        if (written <= 0) {
            pa_stream_cancel_write(stream);
            return;
        }
        pa_stream_write(stream, data, size_t(written), nullptr, 0, PA_SEEK_RELATIVE);
        answerTimer->start();
    }
}

// One signal per outage, and one line on stderr for the program's streams together: the retries
// that follow are silent until the sound plays again.
void PulseStream::giveUpConnection(const QString &reason)
{
    disconnectFromServer();
    if (!wanted)
        return;
    if (!inOutage) {
        setOutage(true, reason);
        playing = false;
        emit playingChanged(false);
    }
    retryTimer->start(retryDelayMs);
    retryDelayMs = qMin(2 * retryDelayMs, longestRetryDelayMs);
}

void PulseStream::setOutage(bool lost, const QString &reason)
{
    if (lost == inOutage)
        return;
    inOutage = lost;
    if (!lost)
        --streamsInOutage;
    else if (streamsInOutage++ == 0)
        qCWarning(lcSound, "No sound output (%s): trying again until it comes back",
                  qPrintable(reason));
}

QString PulseStream::serverError() const
{
    return QString::fromUtf8(pa_strerror(context ? pa_context_errno(context) : PA_ERR_UNKNOWN));
}

void PulseStream::disconnectFromServer()
{
    answerTimer->stop();
    if (stream) {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_stream_set_underflow_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
    }
    if (context) {
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }
    if (mainloop) {
        pa_glib_mainloop_free(mainloop);
        mainloop = nullptr;
    }
}
