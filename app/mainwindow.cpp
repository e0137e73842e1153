#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/soundsettings.h"
#include "display/sessionscreen.h"
#include "player/sessionplayer.h"
#include "session/programcatalogue.h"
#include "session/session.h"
#include "session/timeline.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>

MainWindow::MainWindow(SessionPlayer &player, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , player(player)
    , programButtons(new QButtonGroup(this))
{
    ui->setupUi(this);
    for (AmbientSound sound : AmbientSounds::all())
        ui->comboBox->addItem(AmbientSounds::label(sound), int(sound));
    ui->comboBox->setCurrentIndex(ui->comboBox->findData(int(player.ambientSound())));
    player.setToneKind(SoundSettings::toneKind());
    addSoundMenu();
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
}

void MainWindow::connectPlayer()
{
    connect(&player, &SessionPlayer::started, this, &MainWindow::showStarted);
    connect(&player, &SessionPlayer::timeLeftChanged, this, &MainWindow::showTimeLeft);
    connect(&player, &SessionPlayer::screenColourChanged, this, &MainWindow::showScreenColour);
    connect(&player, &SessionPlayer::soundPlayingChanged, this, &MainWindow::showSoundPlaying);
    connect(&player, &SessionPlayer::stopped, this, &MainWindow::showStopped);
}

// One choice of tone kind for every program, from the table of kinds.
void MainWindow::addSoundMenu()
{
    QMenu *menu = ui->menuBar->addMenu(tr("Sound"));
    menu->setObjectName(QStringLiteral("soundMenu"));
    auto *kinds = new QActionGroup(menu);
    for (ToneKind kind : ToneKinds::all()) {
        QAction *action = menu->addAction(ToneKinds::label(kind));
        action->setCheckable(true);
        action->setChecked(kind == player.toneKind());
        action->setActionGroup(kinds);
        connect(action, &QAction::triggered, this, [this, kind] { changeToneKind(kind); });
    }
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

void MainWindow::changeToneKind(ToneKind kind)
{
    player.setToneKind(kind);
    SoundSettings::setToneKind(kind);
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
