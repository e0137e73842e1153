#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "app/lightwarning.h"
#include "app/settings.h"
#include "sound/ambientchoice.h"
#include "sound/tonekind.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class LightWarningDialog;
class QButtonGroup;
class SessionPlayer;
class SessionScreen;

namespace Ui {
class MainWindow;
}

// The one window of Velmora: it binds the form to the player and shows what the player tells,
// in the window and on the session screen.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(SessionPlayer &player, QWidget *parent = nullptr);
    ~MainWindow() override;

    // What the Start button does, for the desktop's media controls: play starts the selected
    // program with the form's choices when none runs, with its sound alone: the flashing light
    // takes a click in the window.
    void play();

signals:
    void programSelected(const QString &name);
    void sessionScreenShownChanged(bool shown);

private:
    void connectForm();
    void connectPlayer();
    void addSoundMenu();

    void selectProgram(int number);
    void showSelectedProgram();
    void startOrStopSession();
    void startSession(LightWarning::From from);
    void startPlayer();
    void askBeforeTheLight(bool startsSession);
    void takeLightAnswer(bool showLight, bool startsSession);
    int chosenSeconds() const;
    // The ambient box: the table's sounds, the own recording once there is one, and "Your Own
    // Sound...", which asks for a file.
    void restoreAmbientSound();
    void chooseAmbientItem(int index);
    void changeAmbientSound(const AmbientChoice &sound);
    void showAmbientSound(const AmbientChoice &sound);
    void showAmbientSoundFailed(const QString &message);
    AmbientChoice chosenAmbientSound() const;
    QString askForOwnSound();
    void changeSecondaryTone(bool on);
    void changeToneKind(ToneKind kind);
    void showSessionScreenIfRunning(bool checked);
    void showSessionScreen();
    void followSessionScreen(bool shown);

    void showStarted();
    void showTimeLeft(int seconds);
    void showScreenColour(const QColor &colour);
    void showSoundPlaying(bool playing);
    void showStopped(bool atItsEnd);
    void setProgramButtonsEnabled(bool enabled);

    std::unique_ptr<Ui::MainWindow> ui;
    SessionPlayer &player;
    Settings settings;
    LightWarning lightWarning {settings};
    QPointer<LightWarningDialog> lightWarningDialog;
    QButtonGroup *programButtons;
    // Made at its first show: until then neither its window nor its OpenGL context is needed.
    std::unique_ptr<SessionScreen> sessionScreen;
    int selectedProgram = 0;
};

#endif
