#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>

#include <memory>

class AmbientPlayer;
class Generator;
class QButtonGroup;
class Session;
class SessionScreen;
class SoundOutput;

namespace Ui {
class MainWindow;
}

// The one window of Velmora. It wires the form to the session, and the session to the tone, its
// audio output, the ambient player and the session screen; the behaviour lives in those.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // What the Start button does, for the desktop's media controls: play starts the selected
    // program with the form's choices when none runs, stop ends the session that runs.
    void play();
    void stop();

signals:
    void programSelected(const QString &name);
    void sessionStarted(const QString &program, int seconds);
    // At Stop and at the session's end.
    void sessionStopped();
    void sessionScreenShownChanged(bool shown);

private:
    void setUpTone();
    void connectForm();
    void connectSession();

    void selectProgram(int number);
    void showSelectedProgram();
    void startOrStopSession();
    void startSession();
    void changeSecondaryTone(bool on);
    void showSessionScreenIfRunning(bool checked);
    void showSessionScreen();
    void followSessionScreen(bool shown);

    void showTimeLeft(int seconds);
    void showScreenColour(const QColor &colour);
    void showToneOutputState(bool playing);
    void silenceStoppedSession();
    void closeFinishedSession();
    void setProgramButtonsEnabled(bool enabled);

    std::unique_ptr<Ui::MainWindow> ui;
    QButtonGroup *programButtons;
    Session *session;
    // Lives in the tone output's thread: reached through queued calls and signals alone.
    Generator *generator = nullptr;
    SoundOutput *toneOutput = nullptr;
    AmbientPlayer *ambientPlayer;
    // Made at its first show: until then neither its window nor its OpenGL context is needed.
    std::unique_ptr<SessionScreen> sessionScreen;
    int selectedProgram = 0;
};

#endif
