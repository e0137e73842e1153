#include "session/programcatalogue.h"

#include "session/timeline.h"

#include <QCoreApplication>

namespace {

constexpr Colour yellow {1, 1, 0};
constexpr Colour red {1, 0, 0};
constexpr Colour blue {0, 0, 1};
constexpr Colour magenta {1, 0, 1};
constexpr Colour cyan {0, 1, 1};

struct NamedColour
{
    Colour colour;
    const char *name;
};

const NamedColour namedColours[] = {
    {yellow, "yellow"}, {red, "red"}, {blue, "blue"}, {magenta, "magenta"}, {cyan, "cyan"},
};

const Program programs[ProgramCatalogue::count] = {
    {QT_TRANSLATE_NOOP("ProgramCatalogue", "Active Concentration"), 15, 27, 20, yellow, red, yellow,
     QT_TRANSLATE_NOOP("ProgramCatalogue",
                       "This program will raise your brain wave frequency, allowing you maximum "
                       "alertness to tackle whatever deserves your complete attention.")},
    {QT_TRANSLATE_NOOP("ProgramCatalogue", "Complete Meditation"), 20, 3, 20, yellow, blue, red,
     QT_TRANSLATE_NOOP("ProgramCatalogue",
                       "This program will take you from the average waking frequency to the low "
                       "delta frequencies to take you away from it all. At the bottom of the "
                       "frequency range you will be presented with blue light, proven to react "
                       "with your circadian rhythm to help keep you awake. This will allow you "
                       "full control of your mind as you journey through this relaxing state.")},
    {QT_TRANSLATE_NOOP("ProgramCatalogue", "Deep Sleep"), 20, 3, 20, yellow, red, blue,
     QT_TRANSLATE_NOOP("ProgramCatalogue",
                       "Like the previous program, this one also takes you down from normal "
                       "waking levels to the delta levels associated with deep sleep and loss "
                       "of body awareness. It uses long-wavelength red light, which has less "
                       "effect on the circadian system that blue light, allowing you to drift "
                       "into a restful slumber.")},
    {QT_TRANSLATE_NOOP("ProgramCatalogue", "Deep Thought Meditation"), 20, 6, 15, yellow, blue, red,
     QT_TRANSLATE_NOOP("ProgramCatalogue",
                       "Unlike the Complete Meditation program, this one will only lower you "
                       "down to the theta wave state. This frequency is associated with deep "
                       "meditation and will allow you more brain activity during your session. "
                       "It uses the same blue light to help keep your circadian rhythm in the "
                       "waking state.")},
    {QT_TRANSLATE_NOOP("ProgramCatalogue", "Dream Sleep"), 20, 6, 17, yellow, red, blue,
     QT_TRANSLATE_NOOP("ProgramCatalogue",
                       "This program also takes you down to the theta wave state, but uses red "
                       "light for minimal effect on the circadian rhythm. During sleep, the "
                       "theta wave frequencies are associated with REM sleep and a period of "
                       "dreaming.")},
    {QT_TRANSLATE_NOOP("ProgramCatalogue", "Morning Wake"), 13, 27, 20, magenta, cyan, blue,
     QT_TRANSLATE_NOOP("ProgramCatalogue",
                       "This selection is designed for short session that will invigorate your "
                       "mind and bring it up from the lower frequencies associated with sleep. "
                       "All of the colors used during this session contain blue light, which "
                       "reacts with circadian system to bring you to a waking state.")},
    {QT_TRANSLATE_NOOP("ProgramCatalogue", "Quick Meditation"), 20, 10, 17, yellow, red, blue,
     QT_TRANSLATE_NOOP("ProgramCatalogue",
                       " This program is designed for shorter duration meditation sessions. It "
                       "will only take you down to the alpha wave state, this will allow a "
                       "quick relaxation without making it difficult to bring yourself back to "
                       "an awake and fully alert state.")},
    {QT_TRANSLATE_NOOP("ProgramCatalogue", "Relaxed to Deep Thought"), 13, 6, 13, yellow, blue, red,
     QT_TRANSLATE_NOOP("ProgramCatalogue",
                       "This program is exactly like the Deep Thought Meditation program, "
                       "except it begins your journey at the high alpha wave state. This is "
                       "beneficial if you are already in a relaxed state and find the Deep "
                       "Thought Meditation program starts off at too high a frequency.")},
    {QT_TRANSLATE_NOOP("ProgramCatalogue", "Relaxed to Complete Meditation"), 13, 3, 13, yellow,
     blue, red,
     QT_TRANSLATE_NOOP("ProgramCatalogue",
                       "This program is equivalent to the Complete Meditation program in the "
                       "same way that the Relaxed to Deep Thought program is similar to Deep "
                       "Thought Meditation. Use it if you are beginning in a relaxed state and "
                       "want to go down to a deep meditation.")},
    {QT_TRANSLATE_NOOP("ProgramCatalogue", "Tired to Deep Sleep"), 13, 3, 20, yellow, red, blue,
     QT_TRANSLATE_NOOP("ProgramCatalogue",
                       "This program is designed for people who are already tired or relaxed "
                       "and want to go down to the sleep state that the Deep Sleep program "
                       "induces.")},
    {QT_TRANSLATE_NOOP("ProgramCatalogue", "Tired to Dreaming"), 13, 6, 20, yellow, red, blue,
     QT_TRANSLATE_NOOP("ProgramCatalogue",
                       "This program is designed for people who are already tired or relaxed "
                       "and want to go down to the sleep state that the Dream Sleep program "
                       "induces.")},
};

} // namespace

bool ProgramCatalogue::contains(int number)
{
    return number >= 1 && number <= count;
}

const Program &ProgramCatalogue::program(int number)
{
    Q_ASSERT(contains(number));
    return programs[number - 1];
}

const char *ProgramCatalogue::colourName(const Colour &colour)
{
    for (const NamedColour &named : namedColours) {
        if (named.colour == colour)
            return named.name;
    }
    return nullptr;
}

QString ProgramCatalogue::translatedName(const Program &program)
{
    return QCoreApplication::translate("ProgramCatalogue", program.name);
}

QString ProgramCatalogue::translatedDescription(const Program &program)
{
    return QCoreApplication::translate("ProgramCatalogue", program.description);
}

StagePlan ProgramCatalogue::stagePlan(const Program &program, int totalSeconds)
{
    const Timeline::StageLengths lengths = Timeline::stageLengthsFor(totalSeconds);
    const float start = float(program.startFrequency);
    const float plateau = float(program.plateauFrequency);
    const float end = float(program.endFrequency);
    return {
        {lengths.rampLength, start, plateau, program.startColour, program.plateauColour},
        {lengths.plateauLength, plateau, plateau, program.plateauColour, program.plateauColour},
        {lengths.rampLength, plateau, end, program.plateauColour, program.endColour},
    };
}
