#ifndef PROGRAMCATALOGUE_H
#define PROGRAMCATALOGUE_H

#include "session/colour.h"
#include "session/stageplan.h"

#include <QString>

// One built-in entrainment program: a beat-frequency profile (start, plateau, end, in whole
// hertz), a colour for each of those points, and the texts the main window shows for it. The texts
// are English; translatedName() and translatedDescription() give them in the user's language.
struct Program
{
    const char *name;
    int startFrequency;
    int plateauFrequency;
    int endFrequency;
    Colour startColour;
    Colour plateauColour;
    Colour endColour;
    const char *description;
};

namespace ProgramCatalogue {

constexpr int count = 11;

// Programs are numbered 1..count, as the buttons program1..program11 are.
bool contains(int number);
const Program &program(int number);
// "yellow", "red", "blue", "magenta" or "cyan" for the colours the programs use; nullptr for any
// other.
const char *colourName(const Colour &colour);

// The program's name and description in the language of the translation installed, as the window
// shows them. The English name stays the program's name on velmora-render's command line.
QString translatedName(const Program &program);
QString translatedDescription(const Program &program);

// The program's three stages for a session of `totalSeconds` (Timeline::stageLengthsFor): a ramp
// from its start values to its plateau, the plateau held, and a ramp to its end values.
StagePlan stagePlan(const Program &program, int totalSeconds);

} // namespace ProgramCatalogue

#endif
