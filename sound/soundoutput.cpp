#include "sound/soundoutput.h"

#include "sound/pulsestream.h"

#include <QIODevice>

SoundOutput::SoundOutput(QIODevice *source, const QString &name, const QByteArray &identity,
                         QObject *parent)
    : QObject(parent)
    , sourceDevice(source)
    , stream(new PulseStream(source, name, identity))
{
    thread.setObjectName(QStringLiteral("SoundOutput ") + name);
    source->moveToThread(&thread);
    stream->moveToThread(&thread);
    connect(stream, &PulseStream::playingChanged, this, &SoundOutput::takePlayingState);
    connect(stream, &PulseStream::closed, this, &SoundOutput::closed);
    thread.start();
}

// The stream and the source are deleted in their own thread, whose timers and server callbacks
// they stop; that thread never waits on the sound server, so neither does this.
SoundOutput::~SoundOutput()
{
    QMetaObject::invokeMethod(
        stream,
        [this] {
            delete stream;
            delete sourceDevice;
        },
        Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

qint64 SoundOutput::underflowCount() const
{
    return stream->underflowCount();
}

void SoundOutput::start()
{
    started = true;
    QMetaObject::invokeMethod(stream, &PulseStream::start);
}

void SoundOutput::stop()
{
    started = false;
    playing = false;
    QMetaObject::invokeMethod(stream, &PulseStream::stop);
}

void SoundOutput::fadeOut(int ms)
{
    QMetaObject::invokeMethod(stream, [stream = stream, ms] { stream->fadeOut(ms); });
}

void SoundOutput::rewriteQueued(std::function<void(qint16 *samples, qint64 frameCount)> rewrite)
{
    QMetaObject::invokeMethod(stream, [stream = stream, rewrite = std::move(rewrite)] {
        stream->rewriteQueued(rewrite);
    });
}

// A report queued before a stop reached the stream is out of date once it arrives.
void SoundOutput::takePlayingState(bool isPlaying)
{
    if (!started)
        return;
    playing = isPlaying;
    emit playingChanged(isPlaying);
}
