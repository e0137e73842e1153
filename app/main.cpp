#include "app/mainwindow.h"

#include <QApplication>

#include <cstdio>

namespace {

// Qt aborts with a terse message when it cannot reach a display; say what to do instead.
bool displayReachable()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayReachable()) {
        std::fputs("Velmora needs a display: run it on a desktop, set DISPLAY, or start it under "
                   "xvfb-run.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName("Velmora");
    MainWindow window;
    window.show();
    return application.exec();
}
