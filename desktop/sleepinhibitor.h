#ifndef SLEEPINHIBITOR_H
#define SLEEPINHIBITOR_H

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QDBusMessage;
class QDBusPendingCall;

// Keeps the machine awake while a session runs: it asks the desktop not to suspend, and while the
// session screen is shown not to blank or lock the screen either, through the XDG desktop portal's
// Inhibit, or where there is no portal through org.freedesktop.ScreenSaver. Each request is
// released as soon as it no longer applies, and at the latest with this object. Both services
// drop the requests of a client that leaves the bus, so a crash holds nothing awake. Where
// neither service answers, one line goes to stderr and the session runs as before.
//
// Every call to a service is asynchronous: the caller's thread never waits for an answer, however
// late it comes. A portal request's path is known before the portal answers (it is made from a
// token of this object's), so a request is closed when it no longer applies even while its answer
// is on its way, and again should the answer name another path or come after the close.
class SleepInhibitor : public QObject
{
    Q_OBJECT

public:
    explicit SleepInhibitor(QObject *parent = nullptr);
    ~SleepInhibitor() override;

    void setSessionRunning(bool running);
    void setSessionScreenShown(bool shown);

    // No call to a service is waiting for its answer.
    bool isSettled() const { return callsAwaitingAnswer == 0; }

signals:
    // Every call made so far has its answer (or has timed out): releases have reached the services.
    void settled();

private:
    // The portal's flags: 4 suspend, 8 idle.
    enum Flag : unsigned { Suspend = 4, Idle = 8 };

    // One request to keep the machine awake, from the call that makes it to its release.
    struct Request
    {
        unsigned flags = 0;
        // The portal request's object path, known from the token before the portal answers.
        QString portalPath;
        bool screenSaverAnswered = false;
        unsigned screenSaverCookie = 0;
        bool released = false;
    };

    unsigned wantedFlags() const;
    void follow();
    void inhibitThroughPortal(const std::shared_ptr<Request> &request);
    void inhibitThroughScreenSaver(const std::shared_ptr<Request> &request);
    void release(Request &request);
    void reportUnavailable();
    // Sends a call and hands its answer, in this object's thread, to `answered` (if any).
    void call(const QDBusMessage &message,
              std::function<void(const QDBusPendingCall &answer)> answered = {});

    bool sessionRunning = false;
    bool screenShown = false;
    std::shared_ptr<Request> current;
    int callsAwaitingAnswer = 0;
    int requestCount = 0;
    bool unavailableReported = false;
};

#endif
