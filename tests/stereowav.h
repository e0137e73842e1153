#ifndef STEREOWAV_H
#define STEREOWAV_H

#include "sound/tone.h"

#include <QFile>
#include <QString>
#include <QVector>

#include <sndfile.h>

// Writes interleaved stereo at the tone's rate as a 16-bit WAV file, for a tool that measures it.
inline bool writeStereoWav(const QString &path, const QVector<qint16> &stereo)
{
    SF_INFO info {};
    info.channels = 2;
    info.samplerate = Tone::framesPerSecond;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const sf_count_t frames = stereo.size() / 2;
    const bool written = sf_writef_short(file, stereo.constData(), frames) == frames;
    return sf_close(file) == 0 && written;
}

#endif
