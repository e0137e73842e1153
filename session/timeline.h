#ifndef TIMELINE_H
#define TIMELINE_H

#include "session/colour.h"

#include <QString>

// The arithmetic of a session, free of widgets and clocks: the session passes in the moment it
// has been moved on to, as plain numbers. The float and int conversions are deliberate; they
// decide values such as 11 Hz (not 12) halfway down a 20 to 3 Hz ramp.
namespace Timeline {

// Stages 1 and 3 ramp for rampLength seconds (a multiple of 30, at most 600 and at most a third
// of the session); stage 2 holds the plateau for the rest.
struct StageLengths
{
    int rampLength;
    int plateauLength;
};
StageLengths stageLengthsFor(int totalSeconds);

// Share of the current stage that has passed; a little over 1 on a stage's last tick.
float rampFraction(qint64 stageElapsedMs, int stageLength);

// Beat frequency at a fraction of a ramp, truncated toward zero to whole hertz.
int rampFrequency(int fromFrequency, int toFrequency, float fraction);

// Which way the flash is fading.
enum class Fade { In, Out };

// One step of the flash fade at beat frequency b: each fade in or out lasts a half period of
// 1/b seconds; elapsedMs is the time since the fade began. The level is clamped above at 1.0 only:
// a late fade-out tick goes below zero and shows as black.
struct FlashStep
{
    float level;
    bool turn; // the half period is over: restart the flash clock and reverse the direction
};
FlashStep flashStep(qint64 elapsedMs, float beatFrequency, Fade fade);

// The stage's colour at a fraction of it, each component clamped above at 1.0.
Colour mixColours(const Colour &from, const Colour &to, float fraction);

// One colour component scaled by the flash level, as 0..255 for the flash screen.
int screenComponent(float component, float flashLevel);

// The time left as shown in the main window and on the session screen; "Ending..." for both
// once less than a second is left. The words are in the language of the translation installed.
QString timeLeftText(int seconds);
QString sessionScreenTimeText(int seconds);

} // namespace Timeline

#endif
