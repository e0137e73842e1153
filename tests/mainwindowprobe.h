#ifndef MAINWINDOWPROBE_H
#define MAINWINDOWPROBE_H

#include "app/mainwindow.h"
#include "sound/generator.h"

#include <QAudioOutput>
#include <phonon/MediaObject>

// Lets tests read and drive MainWindow's private state; the window declares it a friend.
struct MainWindowProbe
{
    explicit MainWindowProbe(MainWindow &window)
        : window(window)
    {
    }

    template<typename T> T *widget(const char *name) const
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

    int stage() const { return window.stage; }
    int fadeDirection() const { return window.fadeDirection; }
    float flashLevel() const { return window.flashLevel; }
    int totalSeconds() const { return window.totalSeconds; }
    int stageLength() const { return window.stageLength; }
    int rampLength() const { return window.rampLength; }
    int plateauLength() const { return window.plateauLength; }
    Colour mixedColour() const { return window.mixedColour; }
    Generator &generator() const { return *window.generator; }
    QAudioOutput &audioOutput() const { return *window.audioOutput; }
    SessionScreen &sessionScreen() const { return window.sessionScreen; }
    Phonon::MediaObject &ambientPlayer() const { return *window.ambientPlayer; }

    void tick() { window.handleScreen(); }

    MainWindow &window;
};

#endif
