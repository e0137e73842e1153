#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>

#include <memory>

class ExportJob;
class QButtonGroup;
class QElapsedTimer;
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
    // program with the form's choices when none runs.
    void play();

signals:
    void programSelected(const QString &name);
    void sessionScreenShownChanged(bool shown);

private:
    void connectForm();
    void connectPlayer();

    void selectProgram(int number);
    void showSelectedProgram();
    void startOrStopSession();
    void startSession();
    int chosenSeconds() const;
    void changeSecondaryTone(bool on);
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
    QButtonGroup *programButtons;
    // Made at its first show: until then neither its window nor its OpenGL context is needed.
    std::unique_ptr<SessionScreen> sessionScreen;
    int selectedProgram = 0;
    ExportJob *exportJob;
    QProgressDialog *exportProgress = nullptr;
    std::unique_ptr<QElapsedTimer> exportTime;
    QString exportPath;
};

#endif
