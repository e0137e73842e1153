#ifndef DESKTOP_LOGGING_H
#define DESKTOP_LOGGING_H

#include <QLoggingCategory>

// What the desktop's services tell on stderr: no media controls, no way to keep the machine awake.
// QT_LOGGING_RULES="velmora.desktop.warning=false" silences it.
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)

#endif
