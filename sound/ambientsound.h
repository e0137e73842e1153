#ifndef AMBIENTSOUND_H
#define AMBIENTSOUND_H

#include <phonon/MediaSource>

// The ambient sounds of the comboBox, in its order: "Pink Noise", "Water", "Rain", "Lullaby",
// "None". The files live in Resources/ beside the executable, whatever the working directory.
namespace AmbientSound {

// The sound for a comboBox index; "None" and any index outside 0..3 give an empty source, which
// plays nothing (a directory would make the player finish at once with errors instead).
Phonon::MediaSource source(int index);

} // namespace AmbientSound

#endif
