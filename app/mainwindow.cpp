#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "session/programcatalogue.h"

#include <QTimer>

namespace {

const int sessionTickMs = 20;

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);

    // A precise timer keeps the ticks on their 20 ms grid; a coarse one drifts by up to 5 %,
    // which shows in a fast flash fade.
    auto *sessionTimer = new QTimer(this);
    sessionTimer->setTimerType(Qt::PreciseTimer);
    connect(sessionTimer, &QTimer::timeout, this, &MainWindow::handleScreen);
    sessionTimer->start(sessionTickMs);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::handleScreen()
{
    if (!sessionRunning) {
        showSelectedProgram();
        return;
    }
}

void MainWindow::selectProgram(int number)
{
    const Program &program = ProgramCatalogue::program(number);
    currentProgram = number;
    startFrequency = program.startFrequency;
    plateauFrequency = program.plateauFrequency;
    endFrequency = program.endFrequency;
    startColour = program.startColour;
    plateauColour = program.plateauColour;
    endColour = program.endColour;
    showSelectedProgram();
}

void MainWindow::showSelectedProgram()
{
    if (!ProgramCatalogue::contains(currentProgram))
        return;
    const Program &program = ProgramCatalogue::program(currentProgram);
    // The idle tick calls this 50 times a second; rewriting unchanged texts would relayout and
    // repaint for nothing.
    const QString name = QString::fromLatin1(program.name);
    if (ui->selectedLabel->text() != name)
        ui->selectedLabel->setText(name);
    const QString description = QString::fromLatin1(program.description);
    if (ui->sessionDescription->toPlainText() != description)
        ui->sessionDescription->setText(description);
}

void MainWindow::on_program1_clicked()
{
    selectProgram(1);
}
void MainWindow::on_program2_clicked()
{
    selectProgram(2);
}
void MainWindow::on_program3_clicked()
{
    selectProgram(3);
}
void MainWindow::on_program4_clicked()
{
    selectProgram(4);
}
void MainWindow::on_program5_clicked()
{
    selectProgram(5);
}
void MainWindow::on_program6_clicked()
{
    selectProgram(6);
}
void MainWindow::on_program7_clicked()
{
    selectProgram(7);
}
void MainWindow::on_program8_clicked()
{
    selectProgram(8);
}
void MainWindow::on_program9_clicked()
{
    selectProgram(9);
}
void MainWindow::on_program10_clicked()
{
    selectProgram(10);
}
void MainWindow::on_program11_clicked()
{
    selectProgram(11);
}
