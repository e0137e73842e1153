#ifndef MAINWINDOWPROBE_H
#define MAINWINDOWPROBE_H

#include "app/mainwindow.h"

// Lets tests read and drive MainWindow's private state; the window declares it a friend.
struct MainWindowProbe
{
    explicit MainWindowProbe(MainWindow &window)
        : window(window)
    {
    }

    template<typename T>
    T *widget(const char *name) const
    {
        return window.findChild<T *>(QLatin1String(name));
    }

    int currentProgram() const { return window.currentProgram; }
    bool sessionRunning() const { return window.sessionRunning; }
    int startFrequency() const { return window.startFrequency; }
    int plateauFrequency() const { return window.plateauFrequency; }
    int endFrequency() const { return window.endFrequency; }
    Colour startColour() const { return window.startColour; }
    Colour plateauColour() const { return window.plateauColour; }
    Colour endColour() const { return window.endColour; }

    void tick() { window.handleScreen(); }

    MainWindow &window;
};

#endif
