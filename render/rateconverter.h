#ifndef RATECONVERTER_H
#define RATECONVERTER_H

#include <QVector>

struct SRC_STATE_tag;

// Converts interleaved 16-bit stereo from one sample rate to another with libsamplerate, as a
// stream: it keeps its filter state from one call to the next, so the pieces join seamlessly.
class RateConverter
{
public:
    RateConverter(int fromRate, int toRate);
    ~RateConverter();
    RateConverter(const RateConverter &) = delete;
    RateConverter &operator=(const RateConverter &) = delete;

    // Converts count frames to normalised float frames; last flushes what the filter holds. The
    // result stays valid until the next call.
    const QVector<float> &convert(const qint16 *frames, qint64 count, bool last);
    qint64 frameCount() const { return converted.size() / 2; }
    QString error() const;

private:
    SRC_STATE_tag *state;
    int errorCode = 0;
    double ratio;
    QVector<float> input;
    QVector<float> converted;
};

#endif
