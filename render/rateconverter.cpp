#include "render/rateconverter.h"

#include <QString>

#include <samplerate.h>

namespace {

const int channels = 2;

} // namespace

RateConverter::RateConverter(int fromRate, int toRate)
    : state(src_new(SRC_SINC_MEDIUM_QUALITY, channels, &errorCode))
    , ratio(double(toRate) / fromRate)
{
}

RateConverter::~RateConverter()
{
    if (state)
        src_delete(state);
}

const QVector<float> &RateConverter::convert(const qint16 *frames, qint64 count, bool last)
{
    converted.clear();
    if (!state)
        return converted;
    input.resize(int(channels * count));
    src_short_to_float_array(frames, input.data(), input.size());

    SRC_DATA data {};
    data.data_in = input.constData();
    data.input_frames = long(count);
    data.src_ratio = ratio;
    data.end_of_input = last ? 1 : 0;
    const long room = long(count * ratio) + 4096;
    do {
        const int filled = converted.size();
        converted.resize(filled + int(channels * room));
        data.data_out = converted.data() + filled;
        data.output_frames = room;
        errorCode = src_process(state, &data);
        converted.resize(filled + int(channels * data.output_frames_gen));
        if (errorCode != 0)
            break;
        data.data_in += channels * data.input_frames_used;
        data.input_frames -= data.input_frames_used;
    } while (data.input_frames > 0 || (last && data.output_frames_gen > 0));
    return converted;
}

QString RateConverter::error() const
{
    return errorCode == 0 ? QString() : QString::fromUtf8(src_strerror(errorCode));
}
