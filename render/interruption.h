#ifndef INTERRUPTION_H
#define INTERRUPTION_H

#include <QByteArray>

#include <csignal>

// How velmora-render ends on a signal: the partial file goes, one line says so, and the process
// ends by that same signal, so that a shell loop of renders stops at Ctrl-C as it would for any
// other command. The window installs none of it: its export is cancelled through its own dialog.
namespace Interruption {

// Catches every signal whose default action ends the process and that comes from outside it:
// SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGXCPU, SIGXFSZ,
// SIGVTALRM, SIGPROF, SIGIO, SIGPWR.
void install();

// A name a signal must remove: the partial file, where the file system cannot hold a file
// without a name until it is complete. An empty name clears it. Works without install() too.
void setPartialFile(const QByteArray &name);

// Holds the signals back while it lives, so that naming the finished file is never cut in two.
// A signal that came meanwhile ends the process when the hold ends.
class Hold
{
public:
    Hold();
    ~Hold();
    Hold(const Hold &) = delete;
    Hold &operator=(const Hold &) = delete;

    // Whether a signal came and waits for the hold to end.
    bool signalWaiting() const;

private:
    sigset_t previousMask;
};

} // namespace Interruption

#endif
