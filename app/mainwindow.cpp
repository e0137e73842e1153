#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "display/sessionscreen.h"
#include "player/sessionplayer.h"
#include "render/renderoptions.h"
#include "render/sessionexport.h"
#include "session/programcatalogue.h"
#include "session/session.h"
#include "session/timeline.h"

#include <QButtonGroup>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>

MainWindow::MainWindow(SessionPlayer &player, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , player(player)
    , programButtons(new QButtonGroup(this))
    , exportJob(new ExportJob(this))
{
    ui->setupUi(this);
    for (AmbientSound sound : AmbientSounds::all())
        ui->comboBox->addItem(AmbientSounds::label(sound), int(sound));
    ui->comboBox->setCurrentIndex(ui->comboBox->findData(int(player.ambientSound())));
    connectForm();
    connectPlayer();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectForm()
{
    const QList<QPushButton *> buttons = {ui->program1, ui->program2,  ui->program3, ui->program4,
                                          ui->program5, ui->program6,  ui->program7, ui->program8,
                                          ui->program9, ui->program10, ui->program11};
    for (int i = 0; i < buttons.size(); ++i)
        programButtons->addButton(buttons[i], i + 1);
    programButtons->setExclusive(false);
    connect(programButtons, &QButtonGroup::idClicked, this, &MainWindow::selectProgram);

    connect(ui->startButton, &QPushButton::clicked, this, &MainWindow::startOrStopSession);
    connect(ui->Tone, &QCheckBox::clicked, this, &MainWindow::changeSecondaryTone);
    connect(ui->Visualizer, &QCheckBox::clicked, this, &MainWindow::showSessionScreenIfRunning);
    connect(ui->comboBox, &QComboBox::currentIndexChanged, this,
            [this] { player.setAmbientSound(AmbientSound(ui->comboBox->currentData().toInt())); });

    QAction *exportAction = ui->menuBar->addMenu(tr("&File"))->addAction(tr("&Export Session..."));
    exportAction->setObjectName(QStringLiteral("exportSession"));
    exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportAction, &QAction::triggered, this, &MainWindow::exportSession);
    connect(exportJob, &ExportJob::progressed, this, &MainWindow::showExportProgress);
    connect(exportJob, &ExportJob::finished, this, &MainWindow::showExportFinished);
}

void MainWindow::connectPlayer()
{
    connect(&player, &SessionPlayer::started, this, &MainWindow::showStarted);
    connect(&player, &SessionPlayer::timeLeftChanged, this, &MainWindow::showTimeLeft);
    connect(&player, &SessionPlayer::screenColourChanged, this, &MainWindow::showScreenColour);
    connect(&player, &SessionPlayer::soundPlayingChanged, this, &MainWindow::showSoundPlaying);
    connect(&player, &SessionPlayer::stopped, this, &MainWindow::showStopped);
}

void MainWindow::selectProgram(int number)
{
    selectedProgram = number;
    showSelectedProgram();
    if (ProgramCatalogue::contains(number))
        emit programSelected(ProgramCatalogue::translatedName(ProgramCatalogue::program(number)));
}

void MainWindow::play()
{
    if (selectedProgram != 0 && !player.isRunning())
        startSession();
}

void MainWindow::showSelectedProgram()
{
    if (!ProgramCatalogue::contains(selectedProgram))
        return;
    const Program &program = ProgramCatalogue::program(selectedProgram);
    ui->selectedLabel->setText(ProgramCatalogue::translatedName(program));
    // Setting the same document again would lay it out and repaint it for nothing. The raw text
    // keeps the no-break spaces that a translation may have, which the plain text turns into
    // spaces.
    const QString description = ProgramCatalogue::translatedDescription(program);
    if (ui->sessionDescription->document()->toRawText() != description)
        ui->sessionDescription->setText(description);
}

void MainWindow::startOrStopSession()
{
    if (selectedProgram == 0) {
        ui->selectedLabel->setText(tr("Select a session first!"));
        QApplication::beep();
    } else if (player.isRunning()) {
        player.stop();
    } else {
        startSession();
    }
}

void MainWindow::startSession()
{
    if (ui->Visualizer->checkState() != Qt::Unchecked)
        showSessionScreen();
    player.start(ProgramCatalogue::program(selectedProgram), chosenSeconds(),
                 AmbientSound(ui->comboBox->currentData().toInt()),
                 ui->Tone->checkState() != Qt::Unchecked);
}

// The hours box holds 0 to 12 hours, the minutes box 5 to 55 minutes past the hour.
int MainWindow::chosenSeconds() const
{
    return ui->hours->currentIndex() * 3600 + (ui->minutes->currentIndex() + 1) * 5 * 60;
}

void MainWindow::changeSecondaryTone(bool on)
{
    player.setSecondaryTone(on);
    if (player.isRunning())
        ui->sessionDescription->setText(
            tr("Your changes will take effect during the next tone scheduled tone change."));
}

void MainWindow::showSessionScreenIfRunning(bool checked)
{
    if (checked && player.isRunning())
        showSessionScreen();
}

void MainWindow::showSessionScreen()
{
    if (!sessionScreen) {
        sessionScreen = std::make_unique<SessionScreen>();
        sessionScreen->setTimeText(
            Timeline::sessionScreenTimeText(player.secondsLeft()).toUtf8().constData());
        sessionScreen->setColour(player.screenColour());
        connect(sessionScreen.get(), &SessionScreen::shownChanged, this,
                &MainWindow::followSessionScreen);
    }
    // Full screen on the window's own screen.
    sessionScreen->move(screen()->geometry().topLeft());
    sessionScreen->showFullScreen();
}

// The flash needs every tick only while it is on show. A hidden screen unchecks the box at once:
// the session's next tick may be a second away.
void MainWindow::followSessionScreen(bool shown)
{
    player.setColourShown(shown);
    if (!shown && player.isRunning())
        ui->Visualizer->setChecked(false);
    emit sessionScreenShownChanged(shown);
}

void MainWindow::showStarted()
{
    ui->startButton->setText(tr("Stop"));
    setProgramButtonsEnabled(false);
}

void MainWindow::showTimeLeft(int seconds)
{
    ui->selectedLabel->setText(Timeline::timeLeftText(seconds));
    if (sessionScreen)
        sessionScreen->setTimeText(Timeline::sessionScreenTimeText(seconds).toUtf8().constData());
}

void MainWindow::showScreenColour(const QColor &colour)
{
    // Escape, another window or a fresh show all leave the screen inactive; the box follows it.
    // This runs on every tick: the cheap tests come first, and a hidden screen, which cannot be
    // active, is not asked.
    const bool screenShown = sessionScreen && sessionScreen->isVisible();
    if (player.isRunning() && ui->Visualizer->isChecked() &&
        (!screenShown || !sessionScreen->isActiveWindow()))
        ui->Visualizer->setChecked(false);
    if (sessionScreen)
        sessionScreen->setColour(colour);
}

// While the tone cannot play, the status bar says so.
void MainWindow::showSoundPlaying(bool playing)
{
    if (playing)
        ui->statusBar->clearMessage();
    else
        ui->statusBar->showMessage(tr("No sound output: check your speakers or headphones"));
}

// A session stopped by the user leaves its screen as it was, last colour and all, until they close
// it. One that ends by itself closes its screen and leaves "Ending..." on show for one more tick,
// then the selection comes back.
void MainWindow::showStopped(bool atItsEnd)
{
    ui->statusBar->clearMessage();
    ui->startButton->setText(tr("Start"));
    setProgramButtonsEnabled(true);
    if (!atItsEnd) {
        showSelectedProgram();
        return;
    }
    if (sessionScreen)
        sessionScreen->setVisible(false);
    QTimer::singleShot(Session::tickIntervalMs, this, [this] {
        if (!player.isRunning())
            showSelectedProgram();
    });
}

void MainWindow::setProgramButtonsEnabled(bool enabled)
{
    for (QAbstractButton *button : programButtons->buttons())
        button->setEnabled(enabled);
}

void MainWindow::exportSession()
{
    if (selectedProgram == 0) {
        ui->selectedLabel->setText(tr("Select a session first!"));
        QApplication::beep();
        return;
    }
    if (exportJob->isRunning())
        return;
    const QString programName =
        ProgramCatalogue::translatedName(ProgramCatalogue::program(selectedProgram));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    // The dialog asks before it replaces a file.
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Session"), QDir(folder).filePath(programName + QLatin1String(".flac")),
        tr("Sound files (*.flac *.mp3 *.ogg *.opus *.wav)"));
    if (path.isEmpty())
        return;
    const std::optional<RenderOptions::OutputFormat> format = RenderOptions::outputFormatFor(path);
    if (!format) {
        QMessageBox::warning(this, tr("Export Session"),
                             tr("End the file name with .flac, .mp3, .ogg, .opus or .wav."));
        return;
    }

    RenderOptions::Request request;
    request.programNumber = selectedProgram;
    request.seconds = chosenSeconds();
    request.ambient = AmbientSound(ui->comboBox->currentData().toInt());
    request.secondaryTone = ui->Tone->checkState() != Qt::Unchecked;
    request.output = path;
    request.outputName = QFile::encodeName(path);
    request.format = *format;
    exportPath = path;

    exportProgress =
        new QProgressDialog(tr("Exporting the session..."), tr("Cancel"), 0, 100, this);
    exportProgress->setAttribute(Qt::WA_DeleteOnClose);
    exportProgress->setWindowTitle(tr("Export Session"));
    exportProgress->setWindowModality(Qt::WindowModal);
    exportProgress->setMinimumDuration(0);
    exportProgress->setAutoClose(false);
    exportProgress->setAutoReset(false);
    connect(exportProgress, &QProgressDialog::canceled, exportJob, &ExportJob::cancel);
    exportProgress->show();
    exportTime = std::make_unique<QElapsedTimer>();
    exportTime->start();
    exportJob->start(request);
}

void MainWindow::showExportProgress(qint64 doneFrames, qint64 totalFrames)
{
    if (!exportProgress || totalFrames <= 0 || doneFrames <= 0)
        return;
    const int percent = int(100 * doneFrames / totalFrames);
    const qint64 secondsLeft =
        exportTime->elapsed() * (totalFrames - doneFrames) / doneFrames / 1000;
    exportProgress->setValue(percent);
    exportProgress->setLabelText(
        tr("%1% done, about %2 left").arg(percent).arg(RenderOptions::clockText(secondsLeft)));
}

void MainWindow::showExportFinished(bool succeeded, bool cancelled, const QString &error)
{
    if (exportProgress) {
        exportProgress->close();
        exportProgress = nullptr;
    }
    if (succeeded)
        ui->statusBar->showMessage(
            tr("Session exported to %1").arg(QDir::toNativeSeparators(exportPath)));
    else if (cancelled)
        ui->statusBar->showMessage(tr("Export cancelled: no file written"));
    else
        QMessageBox::warning(this, tr("Export Session"),
                             tr("The session could not be exported: %1").arg(error));
}
