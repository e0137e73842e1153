#include "session/timeline.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const char ending[] = QT_TRANSLATE_NOOP("Timeline", "Ending...");

struct HoursMinutesSeconds
{
    int hours;
    int minutes;
    int seconds;
};

HoursMinutesSeconds split(int seconds)
{
    return {seconds / 3600, (seconds % 3600) / 60, (seconds % 3600) % 60};
}

} // namespace

Timeline::StageLengths Timeline::stageLengthsFor(int totalSeconds)
{
    const int halfMinutes = std::min(totalSeconds / 3, 600) / 30;
    return {30 * halfMinutes, totalSeconds - 60 * halfMinutes};
}

float Timeline::rampFraction(qint64 stageElapsedMs, int stageLength)
{
    const float elapsedSeconds = stageElapsedMs / 1000.0;
    return elapsedSeconds / stageLength;
}

int Timeline::rampFrequency(int fromFrequency, int toFrequency, float fraction)
{
    return static_cast<int>(fromFrequency - fraction * (fromFrequency - toFrequency));
}

Timeline::FlashStep Timeline::flashStep(qint64 elapsedMs, float beatFrequency, Fade fade)
{
    const float halfPeriod = 1 / beatFrequency;
    const float elapsedSeconds = elapsedMs / 1000.0;
    float level = elapsedSeconds / halfPeriod;
    if (fade == Fade::Out)
        level = 1.0f - level;
    // In double: the float of a tick exactly one half period on would turn a tick early.
    const bool turn = elapsedMs / 1000.0 >= halfPeriod;
    if (level > 1.0f)
        level = 1.0f;
    return {level, turn};
}

Colour Timeline::mixColours(const Colour &from, const Colour &to, float fraction)
{
    const auto mix = [fraction](float a, float b) {
        const float mixed = a * (1 - fraction) + b * fraction;
        return mixed > 1.0f ? 1.0f : mixed;
    };
    return {mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

int Timeline::screenComponent(float component, float flashLevel)
{
    const float value = component * flashLevel;
    if (value < 0.0f)
        return 0;
    if (value > 1.0f)
        return 255;
    return static_cast<int>(value * 255.0);
}

QString Timeline::timeLeftText(int seconds)
{
    if (seconds < 1)
        return QCoreApplication::translate("Timeline", ending);
    const HoursMinutesSeconds t = split(seconds);
    char text[16];
    qsnprintf(text, sizeof text, "%02d:%02d:%02d", t.hours, t.minutes, t.seconds);
    return QString::fromLatin1(text);
}

QString Timeline::sessionScreenTimeText(int seconds)
{
    if (seconds < 1)
        return QCoreApplication::translate("Timeline", ending);
    return QCoreApplication::translate("Timeline", "Time Left: %1 Press esc to exit visualizer")
        .arg(timeLeftText(seconds));
}
