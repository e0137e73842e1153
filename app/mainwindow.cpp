#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/lightwarningdialog.h"
#include "app/programeditor.h"
#include "display/sessionscreen.h"
#include "player/sessionplayer.h"
#include "render/renderoptions.h"
#include "render/sessionexport.h"
#include "session/programcatalogue.h"
#include "session/session.h"
#include "session/timeline.h"
#include "sound/ownsound.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
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
    , exportJob(new ExportJob(this))
{
    ui->setupUi(this);
    ui->Visualizer->setChecked(lightWarning.visualizerCheckedAtStart());
    for (AmbientSound sound : AmbientSounds::all())
        ui->comboBox->addItem(AmbientSounds::label(sound), AmbientChoice(sound).name());
    ui->comboBox->addItem(tr("Your Own Sound..."));
    restoreAmbientSound();
    player.setToneKind(settings.toneKind());
    connectForm();
    connectPlayer();
    makeProgramsMenu();
    addSoundMenu();
}

// The programs folder is read once the window is on the screen, and on another thread, so that no
// number of programs in it delays the window or holds it up.
bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::Paint && !library.isLoaded() && !userProgramsAskedFor) {
        userProgramsAskedFor = true;
        QTimer::singleShot(0, &library, &ProgramLibrary::loadInBackground);
    }
    return QMainWindow::event(event);
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
    connect(&player, &SessionPlayer::ambientSoundFailed, this, &MainWindow::showAmbientSoundFailed);
}

void MainWindow::makeProgramsMenu()
{
    programsMenu = menuBar()->addMenu(tr("&Programs"));
    programsMenu->setObjectName(QStringLiteral("programsMenu"));
    const auto add = [this](const char *name, const QString &text, void (MainWindow::*slot)()) {
        QAction *action = programsMenu->addAction(text, this, slot);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    add("newProgramAction", tr("&New Program..."), &MainWindow::newProgram)
        ->setShortcut(QKeySequence::New);
    add("openProgramAction", tr("&Open Program File..."), &MainWindow::openProgramFile)
        ->setShortcut(QKeySequence::Open);
    editAction = add("editProgramAction", tr("&Edit Program..."), &MainWindow::editProgram);
    add("duplicateProgramAction", tr("D&uplicate Program..."), &MainWindow::duplicateProgram);
    deleteAction = add("deleteProgramAction", tr("&Delete Program"), &MainWindow::deleteProgram);
    programsMenu->addSeparator();
    // Only the user's own programs can be edited or deleted; any can be duplicated. The user's
    // programs are listed when the menu opens: a thousand of them take a moment to make.
    connect(programsMenu, &QMenu::aboutToShow, this, [this] {
        const bool usersOwn = !choice.userPath().isEmpty() && !player.isRunning();
        editAction->setEnabled(usersOwn && choice.editable().has_value());
        deleteAction->setEnabled(usersOwn);
        if (userProgramsListed != UserProgramsListed::Yes)
            listUserPrograms();
    });
    connect(&choice, &ProgramChoice::menuChanged, this, [this] {
        userProgramsListed = UserProgramsListed::Stale;
        if (programsMenu->isVisible())
            listUserPrograms();
    });
    connect(&choice, &ProgramChoice::chosenChanged, this, &MainWindow::showChoice);
}

void MainWindow::loadUserPrograms()
{
    if (!library.isLoaded())
        library.load();
}

void MainWindow::listUserPrograms()
{
    qDeleteAll(userProgramActions);
    userProgramActions.clear();
    for (const ProgramChoice::MenuEntry &entry : choice.menuEntries()) {
        QAction *action = programsMenu->addAction(entry.text);
        action->setCheckable(true);
        action->setData(entry.path);
        action->setEnabled(!player.isRunning());
        connect(action, &QAction::triggered, this,
                [this, path = entry.path] { choice.chooseUser(path); });
        userProgramActions.append(action);
    }
    userProgramsListed = UserProgramsListed::Yes;
    checkChosenProgram();
}

void MainWindow::checkChosenProgram()
{
    for (QAction *action : std::as_const(userProgramActions))
        action->setChecked(action->data().toString() == choice.userPath());
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
    choice.chooseBuiltIn(number);
}

void MainWindow::showChoice()
{
    checkChosenProgram();
    if (!player.isRunning())
        showSelectedProgram();
    if (choice.isChosen())
        emit programSelected(choice.name());
}

void MainWindow::play()
{
    if (choice.isChosen() && !player.isRunning())
        startSession(LightWarning::From::Desktop);
}

void MainWindow::showSelectedProgram()
{
    if (!choice.isChosen())
        return;
    // A user's program whose file has an error shows it beside its name.
    const QString name = choice.error().isEmpty()
        ? choice.name()
        : tr("%1: this program's file has an error").arg(choice.name());
    if (ui->selectedLabel->text() != name)
        ui->selectedLabel->setText(name);
    // Setting the same document again would lay it out and repaint it for nothing. The raw text
    // keeps the no-break spaces that a translation may have, which the plain text turns into
    // spaces.
    const QString description = choice.description();
    if (ui->sessionDescription->document()->toRawText() != description)
        ui->sessionDescription->setText(description);
}

void MainWindow::openProgramFiles(const QStringList &paths)
{
    loadUserPrograms();
    for (const QString &path : paths) {
        const QString error = choice.open(path);
        if (!error.isEmpty())
            showProgramsError(error);
    }
}

void MainWindow::newProgram()
{
    ProgramDefinition program;
    program.name = library.unusedName(tr("New Program"));
    program.stages = {{{StageLength::Kind::Rest, 0, 0}, 10, 10, {0, 0, 1}, {0, 0, 1}}};
    editInDialog(program, {}, tr("New Program"));
}

void MainWindow::openProgramFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Program File"), QDir::homePath(),
        tr("Velmora programs (*.velmora)") + QStringLiteral(";;") + tr("All files (*)"));
    if (!path.isEmpty())
        openProgramFiles({path});
}

void MainWindow::editProgram()
{
    if (const std::optional<ProgramDefinition> program = choice.editable())
        editInDialog(*program, choice.userPath(), tr("Edit Program"));
}

void MainWindow::duplicateProgram()
{
    if (const std::optional<ProgramDefinition> copy = choice.duplicate(chosenSeconds()))
        editInDialog(*copy, {}, tr("Duplicate Program"));
    else
        showProgramsError(tr("Choose a program to duplicate first."));
}

void MainWindow::deleteProgram()
{
    if (choice.userPath().isEmpty())
        return;
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, tr("Delete Program"), tr("Move \"%1\" to the trash?").arg(choice.name()),
        QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Yes)
        return;
    const QString error = choice.deleteChosen();
    if (!error.isEmpty())
        showProgramsError(error);
}

void MainWindow::editInDialog(const ProgramDefinition &program, const QString &path,
                              const QString &title)
{
    ProgramEditor editor(program, chosenSeconds(), this);
    editor.setWindowTitle(title);
    while (editor.exec() == QDialog::Accepted) {
        const QString error = choice.save(editor.program(), path);
        if (error.isEmpty())
            return;
        showProgramsError(error);
    }
}

void MainWindow::showProgramsError(const QString &message)
{
    QMessageBox::warning(this, tr("Programs"), message);
}

void MainWindow::startOrStopSession()
{
    if (!choice.isChosen()) {
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
    const QString refusal = choice.sessionFor(chosenSeconds()).refusal;
    if (!refusal.isEmpty()) {
        ui->selectedLabel->setText(refusal);
        QApplication::beep();
        return;
    }
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
    const ProgramChoice::Session session = choice.sessionFor(chosenSeconds());
    const bool secondaryTone = ui->Tone->checkState() != Qt::Unchecked;
    // A program that names its own kind of tone plays with it; the others with the menu's.
    player.setToneKind(session.tone.value_or(settings.toneKind()));
    if (session.builtIn)
        player.start(*session.builtIn, chosenSeconds(), chosenAmbientSound(), secondaryTone);
    else
        player.start(session.name, session.stages, chosenAmbientSound(), secondaryTone);
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
    for (QAction *action : std::as_const(userProgramActions))
        action->setEnabled(enabled);
}

void MainWindow::exportSession()
{
    const ProgramChoice::Session session = choice.sessionFor(chosenSeconds());
    if (!choice.isChosen() || !session.refusal.isEmpty()) {
        ui->selectedLabel->setText(choice.isChosen() ? session.refusal
                                                     : tr("Select a session first!"));
        QApplication::beep();
        return;
    }
    if (exportJob->isRunning())
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    // The dialog asks before it replaces a file.
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Session"), QDir(folder).filePath(session.name + QLatin1String(".flac")),
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
    request.seconds = chosenSeconds();
    request.ambient = chosenAmbientSound();
    request.tone = session.tone.value_or(settings.toneKind());
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
    exportJob->start(request,
                     session.builtIn ? SessionPlan::of(*session.builtIn, request.seconds)
                                     : SessionPlan::of(session.stages));
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
