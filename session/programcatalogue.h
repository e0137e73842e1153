#ifndef PROGRAMCATALOGUE_H
#define PROGRAMCATALOGUE_H

#include "session/colour.h"

// One built-in entrainment program: a beat-frequency profile (start, plateau, end, in whole
// hertz), a colour for each of those points, and the texts the main window shows for it.
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

} // namespace ProgramCatalogue

#endif
