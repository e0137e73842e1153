#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "session/programcatalogue.h"
#include "session/timeline.h"
#include "sound/ambientsound.h"
#include "sound/generator.h"

#include <QAudioOutput>
#include <QTimer>
#include <phonon/MediaObject>

namespace {

const int sessionTickMs = 20;
// The generator's loop is fifteen seconds long; each notification resynthesises it.
const int audioNotifyIntervalMs = 15000;
const float carrierFrequency = 396.0f;
// A sound that ends sooner than this after play() never really played: the back end finishes a
// file it cannot open or decode at once, and a short one too when there is no sound server.
const qint64 minimumAmbientPlayMs = 2000;

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , audioDevice(QAudioDeviceInfo::defaultOutputDevice())
    , ui(new Ui::MainWindow)
    , sessionScreen(nullptr)
{
    ui->setupUi(this);
    initializeAudio();

    // A precise timer keeps the ticks on their 20 ms grid; a coarse one drifts by up to 5 %,
    // which shows in a fast flash fade.
    auto *sessionTimer = new QTimer(this);
    sessionTimer->setTimerType(Qt::PreciseTimer);
    connect(sessionTimer, &QTimer::timeout, this, &MainWindow::handleScreen);
    sessionTimer->start(sessionTickMs);

    // Filling comboBox in setupUi happened before its slot was connected, so the player is set
    // up on the first item's sound here.
    ambientPlayer = Phonon::createPlayer(Phonon::MusicCategory, AmbientSound::source(0));
    ambientPlayer->setParent(this);
    connect(ambientPlayer, &Phonon::MediaObject::aboutToFinish, this, &MainWindow::replayMedia);
    connect(ambientPlayer, &Phonon::MediaObject::finished, this, &MainWindow::restartFinishedMedia);
}

MainWindow::~MainWindow()
{
    // Qt's PulseAudio output runs the event loop while it closes. Stopped first, it ignores the
    // stream callbacks still queued; deleted before the form, the session tick that loop may
    // deliver still finds every widget it touches.
    audioOutput->stop();
    delete audioOutput;
    delete ui;
}

void MainWindow::initializeAudio()
{
    audioFormat.setSampleRate(44100);
    audioFormat.setChannelCount(2);
    audioFormat.setSampleSize(16);
    audioFormat.setCodec(QStringLiteral("audio/pcm"));
    audioFormat.setByteOrder(QAudioFormat::LittleEndian);
    audioFormat.setSampleType(QAudioFormat::SignedInt);

    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultOutputDevice();
    if (!device.isFormatSupported(audioFormat))
        audioFormat = device.nearestFormat(audioFormat);

    generator = new Generator(audioFormat.byteOrder(), this);
    generator->carrierFrequency = carrierFrequency;
    createAudioOutput();
}

void MainWindow::createAudioOutput()
{
    audioOutput = new QAudioOutput(audioDevice, audioFormat, this);
    audioOutput->setNotifyInterval(audioNotifyIntervalMs);
    connect(audioOutput, &QAudioOutput::notify, this, &MainWindow::resetGenerator);
}

void MainWindow::resetGenerator()
{
    generator->generateData();
}

void MainWindow::on_Tone_clicked()
{
    generator->secondaryTone = ui->Tone->checkState() != Qt::Unchecked;
    if (sessionRunning)
        ui->sessionDescription->setText(QStringLiteral(
            "Your changes will take effect during the next tone scheduled tone change."));
}

void MainWindow::on_Visualizer_clicked()
{
    if (ui->Visualizer->checkState() != Qt::Unchecked && sessionRunning)
        sessionScreen.showFullScreen();
}

void MainWindow::on_comboBox_currentIndexChanged(int index)
{
    if (sessionRunning)
        ambientPlayer->stop();
    ambientPlayer->setCurrentSource(AmbientSound::source(index));
    if (sessionRunning)
        playAmbient();
}

void MainWindow::replayMedia()
{
    ambientPlayer->seek(0);
}

// The seek at aboutToFinish loops a long file, but the back end lets a file of a few seconds run
// out after all; one that really played starts again, one that failed at once is left silent.
void MainWindow::restartFinishedMedia()
{
    if (sessionRunning && ambientPlayClock.elapsed() >= minimumAmbientPlayMs)
        playAmbient();
}

void MainWindow::playAmbient()
{
    ambientPlayClock.start();
    ambientPlayer->play();
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
    ui->selectedLabel->setText(QString::fromLatin1(program.name));
    // The idle tick calls this 50 times a second; setting the same document again would lay it
    // out and repaint it for nothing.
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

void MainWindow::on_startButton_clicked()
{
    if (currentProgram == 0) {
        ui->selectedLabel->setText(QStringLiteral("Select a session first!"));
        QApplication::beep();
    } else if (sessionRunning) {
        stopSession();
    } else {
        startSession();
    }
}

void MainWindow::startSession()
{
    totalSeconds =
        Timeline::totalSecondsFor(ui->hours->currentIndex(), ui->minutes->currentIndex());
    showTimeLeft(totalSeconds);
    if (ui->Visualizer->checkState() != Qt::Unchecked)
        sessionScreen.showFullScreen();
    generator->secondaryTone = ui->Tone->checkState() != Qt::Unchecked;
    prepareStages();
    generator->start();
    audioOutput->start(generator);
    ui->startButton->setText(QStringLiteral("Stop"));
    disableProgramButtons();
    stageClock.start();
    sessionClock.start();
    flashClock.start();
    playAmbient();
    sessionRunning = true;
}

// Leaves the stage, the clocks, the fade direction and the session screen as they are: a screen
// the user is looking at keeps its last colour until they close it.
void MainWindow::stopSession()
{
    generator->stop();
    audioOutput->stop();
    audioOutput->reset();
    ambientPlayer->stop();
    ui->startButton->setText(QStringLiteral("Start"));
    enableProgramButtons();
    sessionRunning = false;
    showSelectedProgram();
}

void MainWindow::prepareStages()
{
    const Timeline::StageLengths lengths = Timeline::stageLengthsFor(totalSeconds);
    rampLength = lengths.rampLength;
    plateauLength = lengths.plateauLength;
    stageLength = rampLength;
    rampFromFrequency = startFrequency;
    generator->beatFrequency = startFrequency;
    generator->generateData();
    rampToFrequency = plateauFrequency;
    rampFromColour = startColour;
    rampToColour = plateauColour;
    stage = 1;
}

void MainWindow::handleScreen()
{
    if (!sessionRunning || stage == 0) {
        showSelectedProgram();
        return;
    }

    // Escape, another window or a fresh show all leave the screen inactive; the box follows it.
    if (!sessionScreen.isActiveWindow())
        ui->Visualizer->setChecked(false);

    const float fraction = Timeline::rampFraction(stageClock.elapsed(), stageLength);

    const qint64 flashElapsed = flashClock.elapsed();
    const Timeline::FlashStep flash = Timeline::flashStep(flashElapsed, flashClock.elapsed(),
                                                          generator->beatFrequency, fadeDirection);
    flashLevel = flash.level;
    if (flash.turn) {
        flashClock.restart();
        fadeDirection = 1 - fadeDirection;
    }

    generator->beatFrequency =
        Timeline::rampFrequency(rampFromFrequency, rampToFrequency, fraction);

    if (stageClock.elapsed() / 1000 > stageLength)
        changeStage();

    mixColours(fraction);
    sessionScreen.setColour(Timeline::screenComponent(mixedColour.red, flashLevel),
                            Timeline::screenComponent(mixedColour.green, flashLevel),
                            Timeline::screenComponent(mixedColour.blue, flashLevel));

    showTimeLeft(totalSeconds - int(sessionClock.elapsed() / 1000));
}

void MainWindow::changeStage()
{
    ++stage;
    stageClock.restart();
    switch (stage) {
    case 2:
        rampFromPlateau(plateauLength, plateauFrequency, plateauColour);
        break;
    case 3:
        rampFromPlateau(rampLength, endFrequency, endColour);
        break;
    default:
        on_startButton_clicked();
        stage = 0;
        sessionScreen.setVisible(false);
        break;
    }
}

// Stages 2 and 3 both start at the plateau's frequency and colour; the plateau ramps to itself.
void MainWindow::rampFromPlateau(int length, int toFrequency, const Colour &toColour)
{
    stageLength = length;
    rampFromFrequency = plateauFrequency;
    generator->beatFrequency = plateauFrequency;
    rampToFrequency = toFrequency;
    rampFromColour = plateauColour;
    rampToColour = toColour;
}

void MainWindow::mixColours(float fraction)
{
    mixedColour = Timeline::mixColours(rampFromColour, rampToColour, fraction);
}

void MainWindow::showTimeLeft(int seconds)
{
    ui->selectedLabel->setText(QString::fromLatin1(Timeline::timeLeftText(seconds)));
    sessionScreen.setTimeText(Timeline::sessionScreenTimeText(seconds).constData());
}

void MainWindow::enableProgramButtons()
{
    setProgramButtonsEnabled(true);
}

void MainWindow::disableProgramButtons()
{
    setProgramButtonsEnabled(false);
}

void MainWindow::setProgramButtonsEnabled(bool enabled)
{
    for (QPushButton *button :
         {ui->program1, ui->program2, ui->program3, ui->program4, ui->program5, ui->program6,
          ui->program7, ui->program8, ui->program9, ui->program10, ui->program11})
        button->setEnabled(enabled);
}
