#ifndef SOUND_LOGGING_H
#define SOUND_LOGGING_H

#include <QLoggingCategory>

// What the sound path tells on stderr: a lost sound output, an ambient file that cannot be played.
// QT_LOGGING_RULES="velmora.sound.warning=false" silences it.
Q_DECLARE_LOGGING_CATEGORY(lcSound)

#endif
