#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/lightwarningdialog.h"
#include "display/sessionscreen.h"
#include "player/sessionplayer.h"
#include "session/programcatalogue.h"
#include "session/session.h"
#include "session/timeline.h"
#include "sound/ownsound.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStandardPaths>
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
    ui->Visualizer->setChecked(lightWarning.visualizerCheckedAtStart());
    for (AmbientSound sound : AmbientSounds::all())
        ui->comboBox->addItem(AmbientSounds::label(sound), AmbientChoice(sound).name());
    ui->comboBox->addItem(tr("Your Own Sound..."));
    restoreAmbientSound();
    player.setToneKind(settings.toneKind());
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
    connect(ui->comboBox, &QComboBox::currentIndexChanged, this, &MainWindow::chooseAmbientItem);
}

void MainWindow::connectPlayer()
{
    connect(&player, &SessionPlayer::started, this, &MainWindow::showStarted);
    connect(&player, &SessionPlayer::timeLeftChanged, this, &MainWindow::showTimeLeft);
    connect(&player, &SessionPlayer::screenColourChanged, this, &MainWindow::showScreenColour);
    connect(&player, &SessionPlayer::soundPlayingChanged, this, &MainWindow::showSoundPlaying);
    connect(&player, &SessionPlayer::stopped, this, &MainWindow::showStopped);
    connect(&player, &SessionPlayer::ambientSoundFailed, this, &MainWindow::showAmbientSoundFailed);
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
        startSession(LightWarning::From::Desktop);
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
        startSession(LightWarning::From::Window);
    }
}

void MainWindow::startSession(LightWarning::From from)
{
    if (ui->Visualizer->checkState() == Qt::Unchecked) {
        startPlayer();
        return;
    }
    switch (lightWarning.lightWanted(from)) {
    case LightWarning::Step::ShowLight:
        showSessionScreen();
        startPlayer();
        break;
    case LightWarning::Step::AskFirst:
        askBeforeTheLight(true);
        break;
    case LightWarning::Step::PlayWithoutLight:
        ui->Visualizer->setChecked(false);
        startPlayer();
        break;
    }
}

void MainWindow::startPlayer()
{
    player.start(ProgramCatalogue::program(selectedProgram), chosenSeconds(), chosenAmbientSound(),
                 ui->Tone->checkState() != Qt::Unchecked);
}

// The hours box holds 0 to 12 hours, the minutes box 5 to 55 minutes past the hour.
int MainWindow::chosenSeconds() const
{
    return ui->hours->currentIndex() * 3600 + (ui->minutes->currentIndex() + 1) * 5 * 60;
}

// The last choice comes back; an own recording whose file has gone since gives way to Pink Noise,
// and the status bar says so. The setting keeps the file, which may be back at the next start,
// on a drive mounted again.
void MainWindow::restoreAmbientSound()
{
    AmbientChoice sound = settings.ambientSound();
    if (sound.isOwnSound() && !QFileInfo::exists(sound.ownFile())) {
        ui->statusBar->showMessage(
            tr("Your own sound \"%1\" is gone: Pink Noise plays instead.").arg(sound.label()));
        sound = AmbientSound::PinkNoise;
    }
    showAmbientSound(sound);
    player.setAmbientSound(sound);
}

void MainWindow::chooseAmbientItem(int index)
{
    const QVariant name = ui->comboBox->itemData(index);
    if (name.isValid()) {
        changeAmbientSound(AmbientChoice::fromName(name.toString()));
        return;
    }
    const QString path = askForOwnSound();
    if (path.isEmpty()) {
        showAmbientSound(player.ambientSound());
        return;
    }
    const AmbientChoice sound = AmbientChoice::ownSound(path);
    showAmbientSound(sound);
    changeAmbientSound(sound);
}

void MainWindow::changeAmbientSound(const AmbientChoice &sound)
{
    player.setAmbientSound(sound);
    settings.setAmbientSound(sound);
}

// An own recording has one item of its own, just above "Your Own Sound...", named by its file.
void MainWindow::showAmbientSound(const AmbientChoice &sound)
{
    const QSignalBlocker quiet(ui->comboBox);
    int index = ui->comboBox->findData(sound.name());
    if (index < 0) {
        const int ownItem = ui->comboBox->count() - 2;
        const QVariant shown = ui->comboBox->itemData(ownItem);
        if (AmbientChoice::fromName(shown.toString()).isOwnSound()) {
            ui->comboBox->setItemText(ownItem, sound.label());
            ui->comboBox->setItemData(ownItem, sound.name());
            index = ownItem;
        } else {
            index = ownItem + 1;
            ui->comboBox->insertItem(index, sound.label(), sound.name());
        }
        ui->comboBox->setItemData(index, sound.ownFile(), Qt::ToolTipRole);
    }
    ui->comboBox->setCurrentIndex(index);
}

// What plays is what played before; the box and the settings say so again.
void MainWindow::showAmbientSoundFailed(const QString &message)
{
    ui->statusBar->showMessage(message);
    showAmbientSound(player.ambientSound());
    settings.setAmbientSound(player.ambientSound());
}

AmbientChoice MainWindow::chosenAmbientSound() const
{
    const QVariant name = ui->comboBox->currentData();
    return name.isValid() ? AmbientChoice::fromName(name.toString()) : player.ambientSound();
}

QString MainWindow::askForOwnSound()
{
    const AmbientChoice current = player.ambientSound();
    const QString folder = current.isOwnSound()
        ? QFileInfo(current.ownFile()).absolutePath()
        : QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    const QString filters = tr("Sound files (%1)").arg(OwnSound::fileNamePatterns().join(' ')) +
        QLatin1String(";;") + tr("All files (*)");
    return QFileDialog::getOpenFileName(this, tr("Choose Your Own Sound"), folder, filters);
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
    settings.setToneKind(kind);
    if (player.isRunning())
        ui->sessionDescription->setText(
            tr("Your changes will take effect during the next tone scheduled tone change."));
}

void MainWindow::showSessionScreenIfRunning(bool checked)
{
    if (!checked || !player.isRunning())
        return;
    if (lightWarning.lightWanted(LightWarning::From::Window) == LightWarning::Step::ShowLight) {
        showSessionScreen();
    } else {
        // The box shows whether the light is on, and it is not until the user says so.
        ui->Visualizer->setChecked(false);
        askBeforeTheLight(false);
    }
}

// The session, if the question came at its Start, waits for the answer; one that runs plays on
// meanwhile.
void MainWindow::askBeforeTheLight(bool startsSession)
{
    if (lightWarningDialog)
        return;
    lightWarningDialog = new LightWarningDialog(this);
    lightWarningDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(lightWarningDialog, &LightWarningDialog::answered, this,
            [this, startsSession](bool showLight) { takeLightAnswer(showLight, startsSession); });
    lightWarningDialog->open();
}

// The media controls may have started the session while the question was open: then a yes shows
// the light on it.
void MainWindow::takeLightAnswer(bool showLight, bool startsSession)
{
    lightWarning.answer(showLight);
    ui->Visualizer->setChecked(showLight);
    const bool running = player.isRunning();
    if (showLight && (running || startsSession))
        showSessionScreen();
    if (startsSession && !running)
        startPlayer();
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
