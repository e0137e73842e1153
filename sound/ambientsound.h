#ifndef AMBIENTSOUND_H
#define AMBIENTSOUND_H

#include <QString>

// The ambient sounds of the window's "Ambient Audio" box, in its order: "Pink Noise", "Water",
// "Rain", "Lullaby", "None". The files live in Resources/ beside the executable, whatever the
// working directory.
namespace AmbientSound {

constexpr int count = 5;

// The file of the sound at a box index; an empty path for "None" and any index outside 0..3.
QString filePath(int index);
// The box's label for the sound at an index 0..count - 1, in the user's language.
QString label(int index);

} // namespace AmbientSound

#endif
