#ifndef OWNSOUND_H
#define OWNSOUND_H

#include "sound/ambientsource.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <deque>
#include <memory>
#include <vector>

// A recording of the user's own as the ambient layer: any file libsndfile reads (WAV, FLAC, Ogg,
// Opus, MP3...), of any length, sample rate and number of channels. It is measured once, in one
// pass over the whole file, and then streamed from disk a little ahead of what is heard, so that an
// hour-long recording costs no more memory than a short one.
namespace OwnSound {

// What can keep a file from playing.
enum class Problem { None, Missing, Unreadable, NotSound, Silent, Damaged, Cancelled };

// One sentence naming the file and the problem, in the user's language.
QString problemText(Problem problem, const QString &path);

// "*.wav", "*.flac"...: the files a file dialog offers.
QStringList fileNamePatterns();

struct Level
{
    Problem problem = Problem::None;
    // Integrated loudness in LUFS (EBU R128) of the sound as it plays before its gain: mixed to
    // stereo at 44.1 kHz.
    double loudness = 0;
    // To the ambient layer's loudness.
    double gain = 1;
    // Its length as it plays.
    qint64 frames = 0;
};

// Decodes the whole file: seconds for an hour-long one, so never in the window's thread. Stops
// early, as Cancelled, once `cancelled` is set.
Level measure(const QString &path, const std::atomic_bool *cancelled = nullptr);

class Decoder;

} // namespace OwnSound

// The recording as an endless loop: its end crossfades into its start over seamMs (equal power,
// as two unrelated moments of sound), so that the seam has neither a gap nor a step. Each copy
// decodes on from the file, in the caller's thread, as much as it plays; it keeps a seam's length
// decoded ahead, so that it meets the file's end before it plays the frames that fade out there.
// Every sample is gained to the layer's loudness and held under AmbientLevel's ceiling.
class OwnSoundLoop : public AmbientSource
{
public:
    // Long enough to smooth over the change from the end of a recording to its start.
    static constexpr int seamMs = 2000;

    ~OwnSoundLoop() override;

    // Opens the file to play at `gain`, with its first stretch decoded; null, and the problem, if
    // it cannot play.
    static std::unique_ptr<OwnSoundLoop> open(const QString &path, double gain,
                                              OwnSound::Problem *problem);
    // measure(), then open() at the gain it found.
    static std::unique_ptr<OwnSoundLoop> load(const QString &path, OwnSound::Problem *problem,
                                              const std::atomic_bool *cancelled = nullptr);

    double gain() const { return level; }
    // Frames decoded and not yet played: the memory the stream holds, whatever the file's length.
    qint64 framesAhead() const { return qint64(window.size() - windowRead) / 2; }

    void copyFrames(qint16 *out, qint64 count) override;
    void rewind() override;

private:
    OwnSoundLoop(std::unique_ptr<OwnSound::Decoder> decoder, double gain);
    void decodeUntil(qint64 frame);
    void endPass();

    std::unique_ptr<OwnSound::Decoder> decoder;
    double level;
    // The recording's first frames, which fade in at each seam.
    std::vector<float> head;
    // Frames; known once the recording has been played to its end the first time.
    qint64 seamFrames = -1;
    // Decoded stereo, played from windowRead on; the first of those is frame `played`.
    std::vector<float> window;
    size_t windowRead = 0;
    qint64 played = 0;
    qint64 decoded = 0;
    qint64 passFrames = 0;
    // Frames to leave out at the start of a pass: they were heard in the seam.
    qint64 skip = 0;
    // Where each seam that is decoded and not yet over begins.
    std::deque<qint64> seams;
    bool broken = false;
    std::vector<float> chunk;
};

#endif
