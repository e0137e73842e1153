#include "app/quietquit.h"

#include "desktop/sleepinhibitor.h"
#include "player/sessionplayer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWindow>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const int caughtSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A signal handler may do next to nothing: it writes a byte that the event loop then reads.
int signalSockets[2] = {-1, -1};

void writeSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

QuietQuit::QuietQuit(SessionPlayer &player, SleepInhibitor &inhibitor, QObject *parent)
    : QObject(parent)
    , player(player)
    , inhibitor(inhibitor)
{
    longestWait.setSingleShot(true);
    longestWait.setInterval(longestWaitMs);
    connect(&longestWait, &QTimer::timeout, qApp, &QCoreApplication::quit);
    connect(&player, &SessionPlayer::silenced, this, &QuietQuit::quitOnceQuiet);
    connect(&inhibitor, &SleepInhibitor::settled, this, &QuietQuit::quitOnceQuiet);
}

QuietQuit::~QuietQuit()
{
    if (!signalNotifier)
        return;
    for (int signalNumber : caughtSignals)
        std::signal(signalNumber, SIG_DFL);
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
}

void QuietQuit::catchTerminationSignals()
{
    if (signalNotifier)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        std::perror("velmora: cannot catch termination signals");
        return;
    }
    signalNotifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(signalNotifier, &QSocketNotifier::activated, this, &QuietQuit::takeSignal);
    struct sigaction action = {};
    action.sa_handler = writeSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : caughtSignals)
        sigaction(signalNumber, &action, nullptr);
}

void QuietQuit::takeSignal()
{
    char byte;
    [[maybe_unused]] const ssize_t read = ::read(signalSockets[1], &byte, 1);
    for (int signalNumber : caughtSignals)
        std::signal(signalNumber, SIG_DFL);
    quit();
}

// The Stop's ramp is heard within tens of milliseconds; the streams close once the server has
// played the silence it still holds after it.
void QuietQuit::quit()
{
    if (quitting)
        return;
    quitting = true;
    for (QWindow *window : QGuiApplication::topLevelWindows())
        window->hide();
    player.stop();
    longestWait.start();
    quitOnceQuiet();
}

void QuietQuit::quitOnceQuiet()
{
    if (quitting && player.isSilent() && inhibitor.isSettled())
        QCoreApplication::quit();
}
