#include "app/application.h"
#include "app/desktopservices.h"
#include "app/mainwindow.h"
#include "app/quietquit.h"
#include "desktop/mprisservice.h"
#include "desktop/sleepinhibitor.h"
#include "player/sessionplayer.h"

#include <QApplication>

#include <wayland-client.h>
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

// Qt ends the process with abort() and a core dump when its platform cannot reach its display, and
// gives the program no way to catch that. So the program first connects to the display itself,
// through the same libraries and variables as Qt's platform, and disconnects again: a failure
// there is the failure Qt would have met.
bool x11Reachable(int argc, char *argv[])
{
    xcb_connection_t *connection = xcb_connect(qtOption(argc, argv, "-display"), nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}

bool waylandReachable()
{
    wl_display *display = wl_display_connect(nullptr);
    if (display)
        wl_display_disconnect(display);
    return display != nullptr;
}

enum class DisplayCheck { Reachable, X11Unreachable, WaylandUnreachable };

// Which display Qt is going to open, and whether it can. Qt takes the first platform of a list
// ("wayland;xcb") that starts. Unless told otherwise it uses Wayland in a Wayland session, and X11
// elsewhere; other platforms (offscreen, eglfs) report their own failures.
DisplayCheck findDisplay(int argc, char *argv[])
{
    QByteArray platforms = qtOption(argc, argv, "-platform");
    if (platforms.isNull())
        platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.isEmpty())
        platforms = qgetenv("XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb" : "xcb";
    DisplayCheck failure = DisplayCheck::Reachable;
    for (const QByteArray &platform : platforms.split(';')) {
        const QByteArray name = platform.split(':').first();
        if (name == "xcb") {
            if (x11Reachable(argc, argv))
                return DisplayCheck::Reachable;
            if (failure == DisplayCheck::Reachable)
                failure = DisplayCheck::X11Unreachable;
        } else if (name.startsWith("wayland")) {
            if (waylandReachable())
                return DisplayCheck::Reachable;
            if (failure == DisplayCheck::Reachable)
                failure = DisplayCheck::WaylandUnreachable;
        } else {
            return DisplayCheck::Reachable;
        }
    }
    return failure;
}

} // namespace

int main(int argc, char *argv[])
{
    switch (findDisplay(argc, argv)) {
    case DisplayCheck::Reachable:
        break;
    case DisplayCheck::X11Unreachable:
        std::fputs("Velmora needs a display: run it on a desktop, set DISPLAY, or start it under "
                   "xvfb-run.\n",
                   stderr);
        return 1;
    case DisplayCheck::WaylandUnreachable:
        std::fputs("Velmora needs a display: run it on a desktop, or set WAYLAND_DISPLAY to the "
                   "socket of a running Wayland compositor.\n",
                   stderr);
        return 1;
    }
    // The window has a fixed size: on a desktop set to larger text (Xft.dpi) or a scale factor,
    // the whole window grows with its fonts, by the desktop's exact factor, as Qt scales by
    // default.
    QApplication application(argc, argv);
    setUpApplication();

    SessionPlayer player;
    MainWindow window(player);
    MprisService mpris;
    SleepInhibitor inhibitor;
    connectDesktopServices(player, window, mpris, inhibitor);
    // The media controls' Quit, the window's close and a termination signal all end a session
    // as its Stop does.
    QuietQuit quietQuit(player, inhibitor);
    quietQuit.catchTerminationSignals();
    application.setQuitOnLastWindowClosed(false);
    QObject::connect(&application, &QGuiApplication::lastWindowClosed, &quietQuit,
                     &QuietQuit::quit);
    QObject::connect(&mpris, &MprisService::quitRequested, &quietQuit, &QuietQuit::quit);
    mpris.registerOnSessionBus();
    window.show();
    // Program files, as a file manager passes them (%f): Qt has taken its own options out.
    QStringList files = QApplication::arguments().mid(1);
    files.removeIf([](const QString &argument) { return argument.startsWith(QLatin1Char('-')); });
    if (!files.isEmpty())
        window.openProgramFiles(files);
    return application.exec();
}
