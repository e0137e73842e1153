#ifndef SOUNDSETTINGS_H
#define SOUNDSETTINGS_H

#include "sound/tonekind.h"

// The choices of sound the window keeps from one run to the next, in Velmora's settings file
// ($XDG_CONFIG_HOME/velmora/velmora.conf), by their command-line names, so that a value this
// version does not know falls back to the default.
namespace SoundSettings {

// Binaural until the user chooses another.
ToneKind toneKind();
void setToneKind(ToneKind kind);

} // namespace SoundSettings

#endif
