#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "app/lightwarning.h"
#include "app/settings.h"
#include "programs/programchoice.h"
#include "programs/programlibrary.h"
#include "sound/ambientchoice.h"
#include "sound/tonekind.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class ExportJob;
class LightWarningDialog;
class QAction;
class QButtonGroup;
class QElapsedTimer;
class QMenu;
class QProgressDialog;
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

    // Program files given on the command line or by the desktop: each is copied into the programs
    // folder and the last one chosen.
    void openProgramFiles(const QStringList &paths);

    // The user's programs, read from their folder just after the window shows.
    ProgramChoice &programChoice() { return choice; }

signals:
    void programSelected(const QString &name);
    void sessionScreenShownChanged(bool shown);

protected:
    bool event(QEvent *event) override;

private:
    void connectForm();
    void connectPlayer();
    void makeProgramsMenu();
    void listUserPrograms();
    void checkChosenProgram();
    void loadUserPrograms();

    void newProgram();
    void openProgramFile();
    void editProgram();
    void duplicateProgram();
    void deleteProgram();
    // Shows the editor for a program and saves it to path (a new file when empty) on Save.
    void editInDialog(const ProgramDefinition &program, const QString &path, const QString &title);
    void showProgramsError(const QString &message);
    void addSoundMenu();

    void selectProgram(int number);
    void showChoice();
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

    // File > Export Session...: the selected program with the form's choices, written to a file
    // on a thread of its own while the window and any session go on.
    void exportSession();
    void showExportProgress(qint64 doneFrames, qint64 totalFrames);
    void showExportFinished(bool succeeded, bool cancelled, const QString &error);

    std::unique_ptr<Ui::MainWindow> ui;
    SessionPlayer &player;
    Settings settings;
    LightWarning lightWarning {settings};
    QPointer<LightWarningDialog> lightWarningDialog;
    QButtonGroup *programButtons;
    // Made at its first show: until then neither its window nor its OpenGL context is needed.
    std::unique_ptr<SessionScreen> sessionScreen;
    ProgramLibrary library;
    ProgramChoice choice {library};
    QMenu *programsMenu;
    QAction *editAction;
    QAction *deleteAction;
    // The user's programs in the menu, after the separator below the actions, made when the menu
    // opens after a change.
    QList<QAction *> userProgramActions;
    enum class UserProgramsListed { No, Stale, Yes };
    bool userProgramsAskedFor = false;
    UserProgramsListed userProgramsListed = UserProgramsListed::No;
    ExportJob *exportJob;
    QProgressDialog *exportProgress = nullptr;
    std::unique_ptr<QElapsedTimer> exportTime;
    QString exportPath;
};

#endif
