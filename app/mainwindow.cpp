#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "display/sessionscreen.h"

#include "session/programcatalogue.h"
#include "session/session.h"
#include "session/timeline.h"
#include "sound/ambientplayer.h"
#include "sound/ambientsound.h"
#include "sound/generator.h"
#include "sound/soundoutput.h"
#include "sound/tone.h"

#include <QButtonGroup>
#include <QScreen>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>

namespace {

// Each notification resynthesises the generator's loop with the beat of that moment.
const int toneNotifyIntervalMs = Tone::loopSeconds * 1000;

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , programButtons(new QButtonGroup(this))
    , session(new Session(this))
    , ambientPlayer(new AmbientPlayer(this))
{
    ui->setupUi(this);
    for (int index = 0; index < AmbientSound::count; ++index)
        ui->comboBox->setItemText(index, AmbientSound::label(index));
    setUpTone();
    connectForm();
    connectSession();
}

MainWindow::~MainWindow() = default;

// The sound server converts whatever its output needs from the format it is played in, so the
// tone is synthesised in that format alone.
void MainWindow::setUpTone()
{
    generator = new Generator(Tone::playedByteOrder, nullptr);
    toneOutput = new SoundOutput(generator, tr("Binaural tone"), "org.velmora.Velmora.BinauralTone",
                                 toneNotifyIntervalMs, this);
    connect(toneOutput, &SoundOutput::notify, generator, &Generator::generateData);
    connect(toneOutput, &SoundOutput::playingChanged, this, &MainWindow::showToneOutputState);
}

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
    // The box was filled before this connection, on its first item: the player's own default.
    connect(ui->comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), ambientPlayer,
            &AmbientPlayer::setSound);
}

void MainWindow::connectSession()
{
    connect(session, &Session::beatFrequencyChanged, generator,
            [generator = generator](int hertz) { generator->setBeatFrequency(float(hertz)); });
    connect(session, &Session::secondaryToneChanged, generator, &Generator::setSecondaryTone);
    connect(session, &Session::timeLeftChanged, this, &MainWindow::showTimeLeft);
    connect(session, &Session::screenColourChanged, this, &MainWindow::showScreenColour);
    connect(session, &Session::stopped, this, &MainWindow::silenceStoppedSession);
    connect(session, &Session::finished, this, &MainWindow::closeFinishedSession);
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
    if (selectedProgram != 0 && !session->isRunning())
        startSession();
}

void MainWindow::stop()
{
    if (session->isRunning())
        startOrStopSession();
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
    } else if (session->isRunning()) {
        session->stop();
        showSelectedProgram();
    } else {
        startSession();
    }
}

void MainWindow::startSession()
{
    if (ui->Visualizer->checkState() != Qt::Unchecked)
        showSessionScreen();
    const Program &program = ProgramCatalogue::program(selectedProgram);
    const int seconds =
        Timeline::totalSecondsFor(ui->hours->currentIndex(), ui->minutes->currentIndex());
    session->start(program, seconds, ui->Tone->checkState() != Qt::Unchecked);
    // Queued in the sound's thread, where the generator lives; it must not reach back into the
    // window, which may be gone by the time it runs.
    QMetaObject::invokeMethod(generator, [generator = generator] {
        generator->generateData();
        generator->start();
    });
    toneOutput->start();
    ui->startButton->setText(tr("Stop"));
    setProgramButtonsEnabled(false);
    ambientPlayer->play();
    emit sessionStarted(ProgramCatalogue::translatedName(program), seconds);
}

void MainWindow::changeSecondaryTone(bool on)
{
    session->setSecondaryTone(on);
    if (session->isRunning())
        ui->sessionDescription->setText(
            tr("Your changes will take effect during the next tone scheduled tone change."));
}

void MainWindow::showSessionScreenIfRunning(bool checked)
{
    if (checked && session->isRunning())
        showSessionScreen();
}

void MainWindow::showSessionScreen()
{
    if (!sessionScreen) {
        sessionScreen = std::make_unique<SessionScreen>();
        sessionScreen->setTimeText(Timeline::sessionScreenTimeText(session->secondsLeft()));
        sessionScreen->setColour(session->screenColour());
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
    session->setColourShown(shown);
    if (!shown && session->isRunning())
        ui->Visualizer->setChecked(false);
    emit sessionScreenShownChanged(shown);
}

void MainWindow::showTimeLeft(int seconds)
{
    ui->selectedLabel->setText(Timeline::timeLeftText(seconds));
    if (sessionScreen)
        sessionScreen->setTimeText(Timeline::sessionScreenTimeText(seconds));
}

void MainWindow::showScreenColour(const QColor &colour)
{
    // Escape, another window or a fresh show all leave the screen inactive; the box follows it.
    // This runs on every tick: the cheap tests come first, and a hidden screen, which cannot be
    // active, is not asked.
    const bool screenShown = sessionScreen && sessionScreen->isVisible();
    if (session->isRunning() && ui->Visualizer->isChecked() &&
        (!screenShown || !sessionScreen->isActiveWindow()))
        ui->Visualizer->setChecked(false);
    if (sessionScreen)
        sessionScreen->setColour(colour);
}

// While the tone cannot play, the status bar says so.
void MainWindow::showToneOutputState(bool playing)
{
    if (!session->isRunning())
        return;
    if (playing)
        ui->statusBar->clearMessage();
    else
        ui->statusBar->showMessage(tr("No sound output: check your speakers or headphones"));
}

// The session screen keeps its last colour: a screen the user is looking at stays as it was until
// they close it.
void MainWindow::silenceStoppedSession()
{
    toneOutput->stop();
    QMetaObject::invokeMethod(generator, &Generator::stop);
    ui->statusBar->clearMessage();
    ambientPlayer->stop();
    ui->startButton->setText(tr("Start"));
    setProgramButtonsEnabled(true);
    emit sessionStopped();
}

// "Ending..." stays on show for one more tick, then the selection comes back.
void MainWindow::closeFinishedSession()
{
    if (sessionScreen)
        sessionScreen->setVisible(false);
    QTimer::singleShot(Session::tickIntervalMs, this, [this] {
        if (!session->isRunning())
            showSelectedProgram();
    });
}

void MainWindow::setProgramButtonsEnabled(bool enabled)
{
    for (QAbstractButton *button : programButtons->buttons())
        button->setEnabled(enabled);
}
