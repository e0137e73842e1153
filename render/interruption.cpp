#include "render/interruption.h"

#include <climits>
#include <csignal>
#include <cstring>
#include <pthread.h>
#include <unistd.h>

namespace {

const int endingSignals[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGTERM,   SIGPIPE, SIGALRM, SIGUSR1,
                             SIGUSR2, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF, SIGIO,   SIGPWR};

// Read by the handler, so a plain buffer: no allocation, no lock.
char partialFile[PATH_MAX + 1];
bool clearsProgressLine = false;

sigset_t endingSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : endingSignals)
        sigaddset(&set, signal);
    return set;
}

void say(const char *text)
{
    const ssize_t ignored = ::write(STDERR_FILENO, text, std::strlen(text));
    static_cast<void>(ignored);
}

// Only async-signal-safe calls: the signal may have come in the middle of anything.
void endBySignal(int signal)
{
    if (partialFile[0] != '\0')
        unlink(partialFile);
    // A closed pipe is the reader's choice, not news: it ends quietly, as other commands do.
    if (signal != SIGPIPE) {
        if (clearsProgressLine)
            say("\r\033[K");
        say("velmora-render: interrupted; no file written\n");
    }
    struct sigaction byDefault
    {
    };
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    sigaction(signal, &byDefault, nullptr);
    raise(signal);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
}

} // namespace

void Interruption::install()
{
    clearsProgressLine = isatty(STDERR_FILENO) != 0;
    struct sigaction action
    {
    };
    action.sa_handler = endBySignal;
    // One signal at a time: a second one waits until the first has cleaned up.
    action.sa_mask = endingSet();
    for (const int signal : endingSignals)
        sigaction(signal, &action, nullptr);
}

void Interruption::setPartialFile(const QByteArray &name)
{
    const Hold hold;
    const size_t length = qMin(size_t(name.size()), sizeof partialFile - 1);
    std::memcpy(partialFile, name.constData(), length);
    partialFile[length] = '\0';
}

Interruption::Hold::Hold()
{
    const sigset_t ending = endingSet();
    pthread_sigmask(SIG_BLOCK, &ending, &previousMask);
}

Interruption::Hold::~Hold()
{
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
}

bool Interruption::Hold::signalWaiting() const
{
    sigset_t waiting;
    sigpending(&waiting);
    for (const int signal : endingSignals) {
        if (sigismember(&waiting, signal) == 1)
            return true;
    }
    return false;
}
