#ifndef SLEEPINHIBITOR_H
#define SLEEPINHIBITOR_H

#include <QObject>
#include <QString>

// Keeps the machine awake while a session runs: it asks the desktop not to suspend, and while the
// session screen is shown not to blank or lock the screen either, through the XDG desktop portal's
// Inhibit, or where there is no portal through org.freedesktop.ScreenSaver. Each request is
// released as soon as it no longer applies, and at the latest with this object. Both services
// drop the requests of a client that leaves the bus, so a crash holds nothing awake. Where
// neither service answers, one line goes to stderr and the session runs as before.
class SleepInhibitor : public QObject
{
    Q_OBJECT

public:
    explicit SleepInhibitor(QObject *parent = nullptr);
    ~SleepInhibitor() override;

    void setSessionRunning(bool running);
    void setSessionScreenShown(bool shown);

private:
    // The portal's flags: 4 suspend, 8 idle.
    enum Flag : unsigned { Suspend = 4, Idle = 8 };

    unsigned wantedFlags() const;
    void follow();
    bool inhibitThroughPortal(unsigned flags);
    bool inhibitThroughScreenSaver();
    void release();

    bool sessionRunning = false;
    bool screenShown = false;
    unsigned heldFlags = 0;
    QString portalRequest;
    unsigned screenSaverCookie = 0;
    bool screenSaverHeld = false;
    bool unavailableReported = false;
};

#endif
