#include "app/desktopservices.h"
#include "app/mainwindow.h"
#include "desktop/mprisservice.h"
#include "desktop/sleepinhibitor.h"

#include <QApplication>
#include <QIcon>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstring>

namespace {

// The value given to one of Qt's own command-line options, such as -platform or -display, or null
// when it is not given. Qt takes these options with one dash or two.
const char *qtOption(int argc, char *argv[], const char *name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const char *argument = argv[i];
        if (std::strncmp(argument, "--", 2) == 0)
            ++argument;
        if (std::strcmp(argument, name) == 0)
            return argv[i + 1];
    }
    return nullptr;
}

// Qt's X11 platform ends the process with abort() and a core dump when it cannot open its display,
// and gives the program no way to catch that. So, when Qt is going to use X11, the program first
// opens the display itself, through the same libxcb, DISPLAY and XAUTHORITY as Qt's platform, and
// closes it again: a failure there is the failure Qt would have met. Other platforms (Wayland,
// offscreen, a list to try in turn) report their own failures.
bool displayReachable(int argc, char *argv[])
{
    QByteArray platform = qtOption(argc, argv, "-platform");
    if (platform.isNull())
        platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty()) {
        // Unless told otherwise Qt uses X11, or Wayland in a Wayland session.
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            return true;
    } else if (platform != "xcb" && !platform.startsWith("xcb:")) {
        return true;
    }
    xcb_connection_t *connection = xcb_connect(qtOption(argc, argv, "-display"), nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayReachable(argc, argv)) {
        std::fputs("Velmora needs a display: run it on a desktop, set DISPLAY, or start it under "
                   "xvfb-run.\n",
                   stderr);
        return 1;
    }
    // The window has a fixed size: on a desktop set to larger text (Xft.dpi) or a scale factor,
    // the whole window must grow with its fonts. Qt 5 rounds the factor to a whole number unless
    // told to pass it through, which would leave 125 % at 100 % and blow 150 % up to 200 %.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    QApplication application(argc, argv);
    QCoreApplication::setApplicationName("Velmora");
    // Wayland matches a window to its launcher by the desktop file's name. X11 docks match by
    // WM_CLASS, whose class Qt takes from the application name: the desktop entry's StartupWMClass
    // names it.
    QGuiApplication::setDesktopFileName("org.velmora.Velmora");
    // Every window, the session screen too, shows the program's own icon, built into the
    // executable so that it shows also when run from the build tree.
    QIcon icon;
    icon.addFile(":/icons/velmora-48.png");
    icon.addFile(":/icons/velmora-256.png");
    QApplication::setWindowIcon(icon);

    MainWindow window;
    MprisService mpris;
    SleepInhibitor inhibitor;
    connectDesktopServices(window, mpris, inhibitor);
    mpris.registerOnSessionBus();
    window.show();
    const int status = application.exec();
    // Quit releases what keeps the machine awake even while a session runs.
    inhibitor.setSessionRunning(false);
    return status;
}
