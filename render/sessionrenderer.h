#ifndef SESSIONRENDERER_H
#define SESSIONRENDERER_H

#include "render/sessionplan.h"
#include "sound/generator.h"

#include <QVector>

class AmbientLoop;

// Produces a session's sound as the player plays it: loop k of the tone is the generator's loop
// of the kind asked for with the beat of loop k, played from its first frame to its last, and the
// ambient loop runs under it without a break. Tone and ambient sound fade out together over the
// seconds that read "Ending...", with the player's end fade.
class SessionRenderer
{
public:
    // ambient may be null for no ambient sound; it is played from its start.
    SessionRenderer(const SessionPlan &plan, bool secondaryTone, ToneKind kind,
                    AmbientLoop *ambient);

    qint64 totalFrames() const { return total; }
    qint64 renderedFrames() const { return rendered; }
    bool isFinished() const { return rendered == total; }
    // Samples where tone and ambient together went past full scale and were held there.
    qint64 saturatedSamples() const { return saturated; }

    // The next stretch of interleaved stereo, up to the end of the current tone loop; empty once
    // the session is over. It stays valid until the next call.
    const QVector<qint16> &renderNext();

private:
    SessionPlan plan;
    AmbientLoop *ambient;
    Generator generator;
    qint64 total;
    qint64 endingFrame;
    qint64 rendered = 0;
    qint64 saturated = 0;
    QVector<qint16> samples;
    QVector<qint16> ambientSamples;
};

#endif
