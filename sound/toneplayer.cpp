#include "sound/toneplayer.h"

#include "sound/generator.h"
#include "sound/soundoutput.h"

TonePlayer::TonePlayer(QObject *parent)
    : QObject(parent)
    , generator(new Generator)
    , output(
          new SoundOutput(generator, tr("Binaural tone"), "org.velmora.Velmora.BinauralTone", this))
{
    connect(output, &SoundOutput::playingChanged, this, &TonePlayer::playingChanged);
}

TonePlayer::~TonePlayer() = default;

bool TonePlayer::isPlaying() const
{
    return output->isPlaying();
}

void TonePlayer::setBeatFrequency(float hertz)
{
    QMetaObject::invokeMethod(
        generator, [generator = generator, hertz] { generator->setBeatFrequency(hertz); });
}

void TonePlayer::setSecondaryTone(bool on)
{
    QMetaObject::invokeMethod(generator,
                              [generator = generator, on] { generator->setSecondaryTone(on); });
}

void TonePlayer::setToneKind(ToneKind kind)
{
    QMetaObject::invokeMethod(generator,
                              [generator = generator, kind] { generator->setToneKind(kind); });
}

// Queued in the output's thread ahead of the output's own start.
void TonePlayer::play()
{
    QMetaObject::invokeMethod(generator, [generator = generator] { generator->rewind(); });
    output->start();
}

void TonePlayer::stop()
{
    output->stop();
}

void TonePlayer::fadeOut(int ms)
{
    output->fadeOut(ms);
}
