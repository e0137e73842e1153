#ifndef WINDOWPARTS_H
#define WINDOWPARTS_H

#include "app/mainwindow.h"
#include "display/sessionscreen.h"

#include <QApplication>
#include <QTemporaryDir>

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

// A configuration folder of the test's own ($XDG_CONFIG_HOME) for as long as it lives, for the
// settings that windows made meanwhile read and write: new, as in a new account, or with the
// flashing light's warning answered already.
class ConfigFolder
{
public:
    explicit ConfigFolder(LightWarningAnswer answer = LightWarningAnswer::NotAsked)
        : formerValue(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
        if (answer != LightWarningAnswer::NotAsked)
            Settings().setLightWarningAnswer(answer);
    }
    ~ConfigFolder() { qputenv("XDG_CONFIG_HOME", formerValue); }
    ConfigFolder(const ConfigFolder &) = delete;
    ConfigFolder &operator=(const ConfigFolder &) = delete;

    QString path() const { return folder.path(); }

private:
    QTemporaryDir folder;
    QByteArray formerValue;
};

} // namespace WindowParts

#endif
