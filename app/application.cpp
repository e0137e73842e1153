#include "app/application.h"

#include <QApplication>
#include <QIcon>

void setUpApplication()
{
    QCoreApplication::setApplicationName("Velmora");
    // Wayland matches a window to its launcher by the desktop file's name, the window's app id.
    // X11 docks match by WM_CLASS, whose class Qt takes from the application name: the desktop
    // entry's StartupWMClass names it.
    QGuiApplication::setDesktopFileName("org.velmora.Velmora");
    // Every window, the session screen too, shows the program's own icon, built into the
    // executable so that it shows also when run from the build tree.
    QIcon icon;
    icon.addFile(":/icons/velmora-48.png");
    icon.addFile(":/icons/velmora-256.png");
    QApplication::setWindowIcon(icon);
}
