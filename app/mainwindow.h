#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "session/colour.h"
#include "session/sessionclock.h"

#include <QMainWindow>

namespace Ui {
class MainWindow;
}

// The one window of Velmora. It owns everything else, and its slots are the program's only entry
// points: the program buttons, Start/Stop, the options and the 20 ms session timer.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void handleScreen();
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

private:
    void selectProgram(int number);
    void showSelectedProgram();

    Ui::MainWindow *ui;

    int currentProgram = 0;
    bool sessionRunning = false;
    int startFrequency = 0;
    int plateauFrequency = 0;
    int endFrequency = 0;
    Colour startColour {};
    Colour plateauColour {};
    Colour endColour {};

    friend struct MainWindowProbe;
};

#endif
