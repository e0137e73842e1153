#include "sound/ownsound.h"

#include "sound/ambientlevel.h"
#include "sound/fade.h"
#include "sound/logging.h"
#include "sound/tone.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <ebur128.h>
#include <samplerate.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>

namespace {

// What one read decodes: a tenth of a second, small enough to cost a sound thread's read little.
const qint64 chunkFrames = 4096;
const qint64 seamLengthFrames = Fade::framesFor(OwnSoundLoop::seamMs);
// A file that ends more than this short of the length its header gives is damaged, not one whose
// decoder counts its last frames differently from its header (an MP3's padding).
const double damagedShortfallSeconds = 0.5;
const double halfPower = 0.7071067811865476;

struct StereoWeights
{
    float left;
    float right;
};

// Where a channel of a surround file goes in stereo: the sides to their own side, the centre to
// both at half power, the rear and the heights at half power to their side; the low-frequency
// effects are left out, as a stereo downmix does.
StereoWeights weightsFor(int position)
{
    switch (position) {
    case SF_CHANNEL_MAP_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT:
        return {1, 0};
    case SF_CHANNEL_MAP_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT:
        return {0, 1};
    case SF_CHANNEL_MAP_LFE:
        return {0, 0};
    case SF_CHANNEL_MAP_REAR_LEFT:
    case SF_CHANNEL_MAP_SIDE_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT_OF_CENTER:
    case SF_CHANNEL_MAP_TOP_FRONT_LEFT:
    case SF_CHANNEL_MAP_TOP_REAR_LEFT:
        return {float(halfPower), 0};
    case SF_CHANNEL_MAP_REAR_RIGHT:
    case SF_CHANNEL_MAP_SIDE_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT_OF_CENTER:
    case SF_CHANNEL_MAP_TOP_FRONT_RIGHT:
    case SF_CHANNEL_MAP_TOP_REAR_RIGHT:
        return {0, float(halfPower)};
    default:
        return {float(halfPower), float(halfPower)};
    }
}

// The order of WAV's channel mask, for files that name no positions.
int positionInWavOrder(int channel)
{
    static const int order[] = {SF_CHANNEL_MAP_FRONT_LEFT,   SF_CHANNEL_MAP_FRONT_RIGHT,
                                SF_CHANNEL_MAP_FRONT_CENTER, SF_CHANNEL_MAP_LFE,
                                SF_CHANNEL_MAP_REAR_LEFT,    SF_CHANNEL_MAP_REAR_RIGHT};
    if (channel < int(std::size(order)))
        return order[channel];
    return channel % 2 == 0 ? SF_CHANNEL_MAP_SIDE_LEFT : SF_CHANNEL_MAP_SIDE_RIGHT;
}

qint16 toSample(double value, double gain)
{
    return qint16(
        qBound(-32768L, std::lround(32768 * AmbientLevel::limited(gain * value)), 32767L));
}

} // namespace

// The file as stereo float at 44,100 Hz: mixed down from its channels, converted from its rate.
class OwnSound::Decoder
{
public:
    ~Decoder()
    {
        if (converter)
            src_delete(converter);
        if (file)
            sf_close(file);
    }

    Problem open(const QString &path)
    {
        const QFileInfo fileInfo(path);
        if (!fileInfo.exists())
            return Problem::Missing;
        QFile probe(path);
        if (!fileInfo.isFile() || !probe.open(QIODevice::ReadOnly))
            return Problem::Unreadable;
        SF_INFO info {};
        file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        if (!file || info.channels < 1 || info.samplerate < 1)
            return Problem::NotSound;
        channels = info.channels;
        announcedFrames = info.frames;
        rate = info.samplerate;
        std::vector<int> positions(size_t(channels), SF_CHANNEL_MAP_INVALID);
        const bool mapped = channels > 2 &&
            sf_command(file, SFC_GET_CHANNEL_MAP_INFO, positions.data(),
                       int(positions.size() * sizeof(int))) == SF_TRUE;
        for (int channel = 0; channel < channels; ++channel) {
            if (channels == 1)
                weights.push_back({1, 1});
            else if (channels == 2)
                weights.push_back(channel == 0 ? StereoWeights {1, 0} : StereoWeights {0, 1});
            else
                weights.push_back(
                    weightsFor(mapped ? positions[size_t(channel)] : positionInWavOrder(channel)));
        }
        if (rate != Tone::framesPerSecond) {
            int error = 0;
            // The fastest of the band-limited converters: clean for a background sound, and a
            // small share of a core even through a whole night.
            converter = src_new(SRC_SINC_FASTEST, 2, &error);
            if (!converter)
                return Problem::NotSound;
        }
        return Problem::None;
    }

    bool atEnd() const { return ended; }

    // Appends about `frames` frames to out; at the file's end, what is left.
    void read(std::vector<float> &out, qint64 frames)
    {
        if (ended)
            return;
        const double ratio = double(Tone::framesPerSecond) / rate;
        const qint64 sourceFrames = qMax<qint64>(64, std::llround(frames / ratio));
        raw.resize(size_t(sourceFrames * channels));
        const sf_count_t got = qMax<sf_count_t>(0, sf_readf_float(file, raw.data(), sourceFrames));
        framesRead += got;
        const bool last = got < sourceFrames;
        stereo.assign(size_t(2 * got), 0.0f);
        for (sf_count_t frame = 0; frame < got; ++frame) {
            const float *in = raw.data() + frame * channels;
            for (int channel = 0; channel < channels; ++channel) {
                stereo[size_t(2 * frame)] += in[channel] * weights[size_t(channel)].left;
                stereo[size_t(2 * frame + 1)] += in[channel] * weights[size_t(channel)].right;
            }
        }
        if (!converter) {
            out.insert(out.end(), stereo.begin(), stereo.end());
            ended = last;
            return;
        }
        SRC_DATA data {};
        data.data_in = stereo.data();
        data.input_frames = long(got);
        data.src_ratio = ratio;
        data.end_of_input = last;
        size_t filled = out.size();
        for (;;) {
            const long room = long(std::ceil(data.input_frames * ratio)) + 256;
            out.resize(filled + size_t(2 * room));
            data.data_out = out.data() + filled;
            data.output_frames = room;
            if (src_process(converter, &data) != 0) {
                converterFailed = true;
                ended = true;
                break;
            }
            filled += size_t(2 * data.output_frames_gen);
            data.data_in += 2 * data.input_frames_used;
            data.input_frames -= data.input_frames_used;
            if (data.input_frames == 0 && (!last || data.output_frames_gen == 0))
                break;
        }
        out.resize(filled);
        ended = ended || last;
    }

    bool restart()
    {
        ended = false;
        framesRead = 0;
        if (converter)
            src_reset(converter);
        return sf_seek(file, 0, SEEK_SET) == 0;
    }

    // The decoder gave up before the end its header announced.
    bool damaged() const
    {
        if (converterFailed || sf_error(file) != SF_ERR_NO_ERROR)
            return true;
        const bool lengthKnown = announcedFrames > 0 && announcedFrames < SF_COUNT_MAX / 2;
        return lengthKnown && framesRead < announcedFrames - damagedShortfallSeconds * rate;
    }

private:
    SNDFILE *file = nullptr;
    SRC_STATE *converter = nullptr;
    int channels = 0;
    int rate = 0;
    sf_count_t announcedFrames = 0;
    sf_count_t framesRead = 0;
    bool ended = false;
    bool converterFailed = false;
    std::vector<StereoWeights> weights;
    std::vector<float> raw;
    std::vector<float> stereo;
};

QString OwnSound::problemText(Problem problem, const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    switch (problem) {
    case Problem::None:
    case Problem::Cancelled:
        return QString();
    case Problem::Missing:
        return QCoreApplication::translate("OwnSound", "Your own sound \"%1\" is missing.")
            .arg(name);
    case Problem::Unreadable:
        return QCoreApplication::translate("OwnSound", "Your own sound \"%1\" cannot be read.")
            .arg(name);
    case Problem::NotSound:
        return QCoreApplication::translate("OwnSound",
                                           "Your own sound \"%1\" is not a sound file Velmora "
                                           "can play.")
            .arg(name);
    case Problem::Silent:
        return QCoreApplication::translate("OwnSound", "Your own sound \"%1\" holds no sound.")
            .arg(name);
    case Problem::Damaged:
        return QCoreApplication::translate("OwnSound",
                                           "Your own sound \"%1\" is damaged part way through.")
            .arg(name);
    }
    return QString();
}

QStringList OwnSound::fileNamePatterns()
{
    return {QStringLiteral("*.wav"),  QStringLiteral("*.flac"), QStringLiteral("*.ogg"),
            QStringLiteral("*.oga"),  QStringLiteral("*.opus"), QStringLiteral("*.mp3"),
            QStringLiteral("*.aiff"), QStringLiteral("*.aif"),  QStringLiteral("*.au"),
            QStringLiteral("*.caf"),  QStringLiteral("*.w64")};
}

OwnSound::Level OwnSound::measure(const QString &path, const std::atomic_bool *cancelled)
{
    Level level;
    Decoder decoder;
    level.problem = decoder.open(path);
    if (level.problem != Problem::None)
        return level;
    std::unique_ptr<ebur128_state, void (*)(ebur128_state *)> meter(
        ebur128_init(2, Tone::framesPerSecond, EBUR128_MODE_I),
        [](ebur128_state *state) { ebur128_destroy(&state); });
    std::vector<float> piece;
    while (!decoder.atEnd()) {
        if (cancelled && cancelled->load()) {
            level.problem = Problem::Cancelled;
            return level;
        }
        piece.clear();
        decoder.read(piece, 16 * chunkFrames);
        const size_t frames = piece.size() / 2;
        ebur128_add_frames_float(meter.get(), piece.data(), frames);
        level.frames += qint64(frames);
    }
    if (decoder.damaged()) {
        level.problem = Problem::Damaged;
        return level;
    }
    if (level.frames == 0 ||
        ebur128_loudness_global(meter.get(), &level.loudness) != EBUR128_SUCCESS ||
        !std::isfinite(level.loudness)) {
        level.problem = Problem::Silent;
        return level;
    }
    level.gain = AmbientLevel::gainFor(level.loudness);
    return level;
}

OwnSoundLoop::OwnSoundLoop(std::unique_ptr<OwnSound::Decoder> decoder, double gain)
    : decoder(std::move(decoder))
    , level(gain)
{
}

OwnSoundLoop::~OwnSoundLoop() = default;

std::unique_ptr<OwnSoundLoop> OwnSoundLoop::open(const QString &path, double gain,
                                                 OwnSound::Problem *problem)
{
    auto decoder = std::make_unique<OwnSound::Decoder>();
    *problem = decoder->open(path);
    if (*problem != OwnSound::Problem::None)
        return nullptr;
    std::unique_ptr<OwnSoundLoop> loop(new OwnSoundLoop(std::move(decoder), gain));
    loop->decodeUntil(0);
    if (loop->broken) {
        *problem = OwnSound::Problem::Silent;
        return nullptr;
    }
    return loop;
}

std::unique_ptr<OwnSoundLoop> OwnSoundLoop::load(const QString &path, OwnSound::Problem *problem,
                                                 const std::atomic_bool *cancelled)
{
    const OwnSound::Level level = OwnSound::measure(path, cancelled);
    *problem = level.problem;
    if (level.problem != OwnSound::Problem::None)
        return nullptr;
    return open(path, level.gain, problem);
}

// Decodes until a seam's length lies decoded beyond `frame`: a frame that far from the end of
// what is decoded cannot be among the last of its pass, which fade out, unless that pass's end
// has already been met and its seam marked.
void OwnSoundLoop::decodeUntil(qint64 frame)
{
    while (!broken && decoded < frame + seamLengthFrames) {
        if (decoder->atEnd()) {
            endPass();
            continue;
        }
        chunk.clear();
        decoder->read(chunk, chunkFrames);
        const qint64 frames = qint64(chunk.size() / 2);
        if (seamFrames < 0 && qint64(head.size() / 2) < seamLengthFrames) {
            const qint64 kept = qMin(frames, seamLengthFrames - qint64(head.size() / 2));
            head.insert(head.end(), chunk.begin(), chunk.begin() + 2 * kept);
        }
        const qint64 left = qMin(skip, frames);
        skip -= left;
        window.insert(window.end(), chunk.begin() + 2 * left, chunk.end());
        decoded += frames - left;
        passFrames += frames - left;
    }
}

// At the file's end: the first time, the recording's length sets the seam's, up to a third of
// it; every time, the last frames of the pass become a seam and the file starts again, past the
// frames that fade in there.
void OwnSoundLoop::endPass()
{
    if (seamFrames < 0) {
        seamFrames = qMin(seamLengthFrames, passFrames / 3);
        head.resize(size_t(2 * seamFrames));
    }
    if (passFrames == 0 || passFrames < seamFrames || !decoder->restart()) {
        qCWarning(lcSound, "own sound: the file could not be read again; the ambient sound ends");
        broken = true;
        return;
    }
    if (seamFrames > 0)
        seams.push_back(decoded - seamFrames);
    skip = seamFrames;
    passFrames = 0;
}

void OwnSoundLoop::copyFrames(qint16 *out, qint64 count)
{
    decodeUntil(played + count);
    const qint64 available = qMin(count, framesAhead());
    for (qint64 k = 0; k < available; ++k) {
        const qint64 frame = played + k;
        double left = window[windowRead + size_t(2 * k)];
        double right = window[windowRead + size_t(2 * k + 1)];
        while (!seams.empty() && frame >= seams.front() + seamFrames)
            seams.pop_front();
        if (!seams.empty() && frame >= seams.front()) {
            const qint64 intoSeam = frame - seams.front();
            const Fade::CrossfadeGains gains =
                Fade::crossfadeGains(double(intoSeam + 1) / double(seamFrames + 1));
            left = left * gains.outgoing + head[size_t(2 * intoSeam)] * gains.incoming;
            right = right * gains.outgoing + head[size_t(2 * intoSeam + 1)] * gains.incoming;
        }
        out[2 * k] = toSample(left, level);
        out[2 * k + 1] = toSample(right, level);
    }
    std::fill(out + 2 * available, out + 2 * count, qint16(0));
    played += available;
    windowRead += size_t(2 * available);
    if (windowRead > window.size() / 2) {
        window.erase(window.begin(), window.begin() + long(windowRead));
        windowRead = 0;
    }
}

void OwnSoundLoop::rewind()
{
    broken = !decoder->restart();
    window.clear();
    windowRead = 0;
    played = decoded = passFrames = skip = 0;
    seams.clear();
    if (seamFrames < 0)
        head.clear();
    decodeUntil(0);
}
