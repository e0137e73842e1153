#ifndef QUIETQUIT_H
#define QUIETQUIT_H

#include <QObject>
#include <QTimer>

class QSocketNotifier;
class SessionPlayer;
class SleepInhibitor;

// Ends the program as a Stop ends a session: the windows go at once, the sound ramps out and is
// heard to silence, and what keeps the machine awake is released, before the event loop ends. A
// sound server or desktop service that does not answer holds the end back by at most
// `longestWaitMs`.
class QuietQuit : public QObject
{
    Q_OBJECT

public:
    static constexpr int longestWaitMs = 2000;

    QuietQuit(SessionPlayer &player, SleepInhibitor &inhibitor, QObject *parent = nullptr);
    ~QuietQuit() override;

    // SIGTERM, SIGINT and SIGHUP quit as quit() does; a second one ends the process at once.
    void catchTerminationSignals();

public slots:
    void quit();

private:
    void quitOnceQuiet();
    void takeSignal();

    SessionPlayer &player;
    SleepInhibitor &inhibitor;
    QTimer longestWait;
    QSocketNotifier *signalNotifier = nullptr;
    bool quitting = false;
};

#endif
