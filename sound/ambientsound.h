#ifndef AMBIENTSOUND_H
#define AMBIENTSOUND_H

#include "sound/noise.h"

#include <QList>
#include <QString>

#include <optional>

// The ambient sounds, in the order the window offers them. Adding one is a row in the table of
// ambientsound.cpp and its file in sound/ambient/, or its noise in Noise.
enum class AmbientSound { PinkNoise, Water, Rain, Lullaby, BrownNoise, WhiteNoise, None };

namespace AmbientSounds {

// Every sound, None last.
QList<AmbientSound> all();

// The label the window shows, in the user's language.
QString label(AmbientSound sound);
// The name velmora-render takes on its command line: "pink", "water", "rain", "lullaby", "brown",
// "white", "none".
QString name(AmbientSound sound);
std::optional<AmbientSound> fromName(const QString &name);

// The noise that is made for the sound, rather than read from a file.
std::optional<Noise::Colour> noiseColour(AmbientSound sound);

// The name of the sound's file in Resources/; empty for None and for a noise that is made.
QString fileName(AmbientSound sound);
// The sound's file, in Resources/ beside the executable whatever the working directory; empty for
// None.
QString filePath(AmbientSound sound);

} // namespace AmbientSounds

#endif
