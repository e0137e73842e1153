#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "display/sessionscreen.h"
#include "session/colour.h"
#include "session/sessionclock.h"

#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QElapsedTimer>
#include <QMainWindow>

class Generator;
class QAudioOutput;

namespace Phonon {
class MediaObject;
}

namespace Ui {
class MainWindow;
}

// The one window of Velmora. It owns everything else, and its slots are the program's only entry
// points: the program buttons, Start/Stop, the options, the audio output's notifications, the
// ambient player's loop point and end, and the 20 ms session timer.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void on_comboBox_currentIndexChanged(int index);
    void replayMedia();
    void restartFinishedMedia();
    void resetGenerator();
    void on_Visualizer_clicked();
    void handleScreen();
    void on_Tone_clicked();
    void on_program1_clicked();
    void on_program2_clicked();
    void on_program3_clicked();
    void on_program4_clicked();
    void on_program5_clicked();
    void on_program6_clicked();
    void on_program7_clicked();
    void on_program8_clicked();
    void on_program9_clicked();
    void on_program10_clicked();
    void on_program11_clicked();
    void on_startButton_clicked();

private:
    void initializeAudio();
    void createAudioOutput();
    void playAmbient();

    void selectProgram(int number);
    void showSelectedProgram();

    void startSession();
    void stopSession();
    void prepareStages();
    void changeStage();
    void rampFromPlateau(int length, int toFrequency, const Colour &toColour);
    void mixColours(float fraction);
    void showTimeLeft(int seconds);
    void enableProgramButtons();
    void disableProgramButtons();
    void setProgramButtonsEnabled(bool enabled);

    QAudioDeviceInfo audioDevice;
    Generator *generator = nullptr;
    QAudioOutput *audioOutput = nullptr;
    QAudioFormat audioFormat;
    Ui::MainWindow *ui;
    SessionScreen sessionScreen;
    Phonon::MediaObject *ambientPlayer = nullptr;
    QElapsedTimer ambientPlayClock; // since the ambient player was last told to play

    // The session record: the selected program and the running session.
    int currentProgram = 0;
    int fadeDirection = 0; // 0 fading in, 1 fading out; carried over from one session to the next
    int stage = 0; // 0 none, 1 first ramp, 2 plateau, 3 final ramp, 4 finished
    float flashLevel = 0;
    bool sessionRunning = false;
    SessionClock stageClock;
    SessionClock sessionClock;
    SessionClock flashClock;
    int totalSeconds = 0;
    int stageLength = 0;
    int plateauLength = 0;
    int rampLength = 0;
    Colour rampFromColour {};
    Colour rampToColour {};
    Colour mixedColour {};
    int startFrequency = 0;
    int plateauFrequency = 0;
    int endFrequency = 0;
    int rampFromFrequency = 0;
    int rampToFrequency = 0;
    Colour startColour {};
    Colour plateauColour {};
    Colour endColour {};

    friend struct MainWindowProbe;
};

#endif
