#include "sound/pulsestream.h"

#include "sound/fade.h"
#include "sound/logging.h"
#include "sound/tone.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <utility>

#include <glib.h>
#include <pulse/glib-mainloop.h>

namespace {

const int firstRetryDelayMs = 1000;
const int longestRetryDelayMs = 10000;
// A server answers a new connection and stream within milliseconds, and asks a playing stream for
// more sound several times a second; one that has done neither for this long is hung (stopped, or
// stuck), and the connection is dropped for a fresh one.
const int answerTimeoutMs = 5000;
// What the server keeps buffered ahead of the speakers, and how much of it plays before the server
// asks for more: a second, refilled four times a second, so that three quarters of a second are
// left to ride over a stall. With 300 ms buffered and a refill every 100 ms, a two-hour soak on a
// two-core machine busy with parallel builds and tests ran dry twice, both streams at the same
// moment, while the sound server's main thread waited up to 411 ms for a CPU. A change of sound
// need not wait for the buffer to play out: it is written again over what the server holds (see
// rewriteQueued()).
const pa_usec_t bufferedUsec = 1000000;
const pa_usec_t refillUsec = 250000;

// What the stream keeps of what it wrote, to write it again faded or changed: more than the server
// holds.
const pa_usec_t historyUsec = bufferedUsec + 200000;
// Underflows come in spells, while the machine is too busy to feed the sound in time: the first of
// a spell is told, with the count so far, and the rest are counted without a word, so that a night
// on a busy machine leaves a line for each spell rather than one for each gap. A spell ends once
// the stream has played this long without one.
const qint64 underflowSpellEndsMs = 60000;
// A fade is laid on what the server holds from past its read position by the sink's own latency,
// as much as a PulseAudio sink may take from the stream at once, and by this much more: the time
// the fade takes to reach the server, and a cycle of PipeWire's graph, which tells no sink latency
// and takes a cycle's worth at a time. Laid any earlier, part of it could be played already, and
// the rest would follow the unfaded sound with a step; laid later, a Stop is heard later.
const pa_usec_t fadeMarginUsec = 10000;

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
    , playout(qint64(pa_usec_to_bytes(historyUsec, &playedSampleSpec)) / Tone::bytesPerFrame)
    , retryTimer(new QTimer(this))
    , answerTimer(new QTimer(this))
    , retryDelayMs(firstRetryDelayMs)
{
    clock.start();
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
    setState(State::Idle);
}

// A start while lost stays in the outage until the sound plays again.
void PulseStream::start()
{
    if (state != State::Lost)
        setState(State::Connecting);
    retryDelayMs = firstRetryDelayMs;
    connectToServer();
}

void PulseStream::stop()
{
    retryTimer->stop();
    if (!isReady()) {
        disconnectFromServer();
        setState(State::Idle);
        return;
    }
    setState(State::Stopping);
    requestFade(Fade::stopMs);
}

void PulseStream::fadeOut(int ms)
{
    if (state == State::Playing && isReady())
        requestFade(ms);
}

void PulseStream::rewriteQueued(Rewrite rewrite)
{
    if (state != State::Playing || !isReady()) {
        rewrite(nullptr, 0);
        return;
    }
    pendingRewrites << std::move(rewrite);
    askReadPosition();
}

bool PulseStream::isReady() const
{
    return stream && pa_stream_get_state(stream) == PA_STREAM_READY;
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

void PulseStream::timingCallback(pa_stream *stream, int, void *self)
{
    auto *output = static_cast<PulseStream *>(self);
    if (stream == output->stream)
        output->rewriteFromReadPosition();
}

// The sound has played to the end of the Stop's fade: the stream closes, once this callback has
// returned, unless a new start has replaced it meanwhile.
void PulseStream::drainCallback(pa_stream *stream, int, void *self)
{
    auto *output = static_cast<PulseStream *>(self);
    QMetaObject::invokeMethod(
        output,
        [output, stream] {
            if (output->stream == stream && output->state == State::Stopping) {
                output->disconnectFromServer();
                output->setState(State::Idle);
            }
        },
        Qt::QueuedConnection);
}

// The server has played all it had: the listener hears a gap until the next write arrives. A Stop
// plays its fade out to the end on purpose.
void PulseStream::underflowCallback(pa_stream *, void *self)
{
    auto *stream = static_cast<PulseStream *>(self);
    if (stream->state != State::Stopping)
        stream->tellUnderflow();
}

void PulseStream::tellUnderflow()
{
    const qint64 count = underflows.fetch_add(1, std::memory_order_relaxed) + 1;
    const qint64 now = clock.elapsed();
    const bool newSpell = lastUnderflowMs < 0 || now - lastUnderflowMs >= underflowSpellEndsMs;
    lastUnderflowMs = now;
    if (newSpell)
        qCWarning(lcSound,
                  "Sound underflow (%s): the sound server ran out of sound to play, %lld so far",
                  streamName.constData(), count);
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
    if (!context) {
        giveUpConnection(
            QStringLiteral("the sound server's client library could not begin a connection"));
        return;
    }
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
    const pa_context_state_t contextState = pa_context_get_state(context);
    if (contextState == PA_CONTEXT_READY && !stream)
        createStream();
    else if (contextState == PA_CONTEXT_FAILED || contextState == PA_CONTEXT_TERMINATED)
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
    playout.reset();
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
    const pa_stream_state_t streamState = pa_stream_get_state(stream);
    if (streamState == PA_STREAM_READY) {
        answerTimer->start();
        retryDelayMs = firstRetryDelayMs;
        if (state == State::Connecting || state == State::Lost) {
            setState(State::Playing);
            emit playingChanged(true);
        }
        feed();
    } else if (streamState == PA_STREAM_FAILED || streamState == PA_STREAM_TERMINATED) {
        giveUpConnection(serverError());
    }
}

// Fills all the server asks for. A piece of shared memory holds less than the whole buffer, so
// it may take several writes: the server asks again only once more has played, and a buffer left
// short of full would never start playing. While a Stop's fade plays out, nothing more is
// written: the stream drains and closes.
void PulseStream::feed()
{
    const size_t frameBytes = pa_frame_size(&playedSampleSpec);
    while (state == State::Playing && isReady()) {
        size_t wanted = pa_stream_writable_size(stream);
        wanted -= wanted % frameBytes;
        if (wanted == 0 || wanted == size_t(-1))
            return;
        void *data = nullptr;
        if (pa_stream_begin_write(stream, &data, &wanted) < 0 || !data)
            return;
        wanted -= wanted % frameBytes;
        const qint64 read =
            wanted > 0 ? source->read(static_cast<char *>(data), qint64(wanted)) : 0;
        if (read <= 0) {
            pa_stream_cancel_write(stream);
            return;
        }
        playout.write(static_cast<qint16 *>(data), read / qint64(frameBytes));
        pa_stream_write(stream, data, size_t(read), nullptr, 0, PA_SEEK_RELATIVE);
        answerTimer->start();
    }
}

void PulseStream::requestFade(int ms)
{
    pendingFadesMs << ms;
    askReadPosition();
}

// Fades and rewrites asked for while the server's read position is on its way are laid together:
// the server is asked once, for the first of them.
void PulseStream::askReadPosition()
{
    if (pendingFadesMs.size() + pendingRewrites.size() > 1)
        return;
    pa_operation *operation = pa_stream_update_timing_info(stream, timingCallback, this);
    if (operation)
        pa_operation_unref(operation);
    else
        rewriteFromReadPosition();
}

// What the server holds from just past its read position on is written again: the source's sound
// as the rewrites asked for make it, under every fade laid so far (see PlayoutBuffer). A Stop's
// ramp that runs past the end of what was written is read on from the source, and the stream
// closes once it has played.
void PulseStream::rewriteFromReadPosition()
{
    const pa_timing_info *timing = pa_stream_get_timing_info(stream);
    qint64 readFrame = playout.writtenFrames();
    qint64 marginFrames = 0;
    if (timing && !timing->read_index_corrupt) {
        readFrame = timing->read_index / Tone::bytesPerFrame;
        marginFrames =
            qint64(pa_usec_to_bytes(timing->sink_usec + fadeMarginUsec, &playedSampleSpec)) /
            Tone::bytesPerFrame;
    }
    const bool stopping = state == State::Stopping;
    const PlayoutBuffer::Replacement replacement = playout.rewriteFrom(
        readFrame, marginFrames, std::exchange(pendingFadesMs, {}),
        std::exchange(pendingRewrites, {}), stopping,
        [this](qint16 *samples, qint64 frameCount) { readSource(samples, frameCount); });
    if (replacement.frameCount() > 0)
        pa_stream_write(stream, replacement.samples.constData(),
                        size_t(replacement.samples.size()) * sizeof(qint16), nullptr,
                        replacement.firstFrame * Tone::bytesPerFrame, PA_SEEK_ABSOLUTE);
    if (stopping) {
        pa_operation *operation = pa_stream_drain(stream, drainCallback, this);
        if (operation) {
            pa_operation_unref(operation);
        } else {
            disconnectFromServer();
            setState(State::Idle);
        }
    }
}

void PulseStream::readSource(qint16 *samples, qint64 frameCount)
{
    const qint64 wantedBytes = frameCount * Tone::bytesPerFrame;
    if (!source->isOpen() ||
        source->read(reinterpret_cast<char *>(samples), wantedBytes) != wantedBytes)
        std::fill(samples, samples + 2 * frameCount, qint16(0));
}

// One signal per outage, and one line on stderr for the program's streams together: the retries
// that follow are silent until the sound plays again. A stream that fails while its Stop's ramp
// plays is simply closed.
void PulseStream::giveUpConnection(const QString &reason)
{
    disconnectFromServer();
    if (state == State::Idle || state == State::Stopping) {
        setState(State::Idle);
        return;
    }
    if (state != State::Lost) {
        setState(State::Lost, reason);
        emit playingChanged(false);
    }
    retryTimer->start(retryDelayMs);
    retryDelayMs = qMin(2 * retryDelayMs, longestRetryDelayMs);
}

void PulseStream::setState(State next, const QString &outageReason)
{
    if (next == state)
        return;
    const bool wasLost = state == State::Lost;
    state = next;
    if (wasLost)
        --streamsInOutage;
    else if (next == State::Lost && streamsInOutage++ == 0)
        qCWarning(lcSound, "No sound output (%s): trying again until it comes back",
                  qPrintable(outageReason));
}

QString PulseStream::serverError() const
{
    return QString::fromUtf8(pa_strerror(context ? pa_context_errno(context) : PA_ERR_UNKNOWN));
}

void PulseStream::disconnectFromServer()
{
    answerTimer->stop();
    pendingFadesMs.clear();
    // Nothing is held any more: a rewrite asked for takes effect from the next sound written.
    for (const Rewrite &rewriteKept : std::exchange(pendingRewrites, {}))
        rewriteKept(nullptr, 0);
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
