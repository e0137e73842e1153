#ifndef WINDOWPARTS_H
#define WINDOWPARTS_H

#include "app/mainwindow.h"
#include "display/sessionscreen.h"

#include <QApplication>

// The parts of a main window that tests look at, found the way any Qt code could: the window's
// children by type or object name, and the session screen among the top-level windows.
namespace WindowParts {

template<typename T> T *child(const MainWindow *window, const char *objectName = nullptr)
{
    return objectName ? window->findChild<T *>(QLatin1String(objectName))
                      : window->findChild<T *>();
}

inline SessionScreen *sessionScreen()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *screen = qobject_cast<SessionScreen *>(widget))
            return screen;
    }
    return nullptr;
}

// The session screen is made at its first show: none yet is a screen not shown.
inline bool sessionScreenShown()
{
    const SessionScreen *screen = sessionScreen();
    return screen && screen->isVisible();
}

} // namespace WindowParts

#endif
