#include "sound/logging.h"

Q_LOGGING_CATEGORY(lcSound, "velmora.sound", QtInfoMsg)
