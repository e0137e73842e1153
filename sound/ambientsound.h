#ifndef AMBIENTSOUND_H
#define AMBIENTSOUND_H

#include <QList>
#include <QString>

#include <optional>

// The ambient sounds, in the order the window offers them. Adding one is a row in the table of
// ambientsound.cpp and its file in sound/ambient/.
enum class AmbientSound { PinkNoise, Water, Rain, Lullaby, None };

namespace AmbientSounds {

// Every sound, None last.
QList<AmbientSound> all();

// The label the window shows, in the user's language.
QString label(AmbientSound sound);
// The name velmora-render takes on its command line: "pink", "water", "rain", "lullaby", "none".
QString name(AmbientSound sound);
std::optional<AmbientSound> fromName(const QString &name);

// The name of the sound's file in Resources/; empty for None.
QString fileName(AmbientSound sound);
// The sound's file, in Resources/ beside the executable whatever the working directory; empty for
// None.
QString filePath(AmbientSound sound);

} // namespace AmbientSounds

#endif
