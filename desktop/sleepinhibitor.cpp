#include "desktop/sleepinhibitor.h"

#include "desktop/logging.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QVariantMap>

namespace {

const QString reason = QStringLiteral("A Velmora session is playing");
// A desktop service that does not answer within this time is taken as absent: the session must
// not wait on it.
constexpr int answerTimeoutMs = 2000;

QDBusMessage callSessionBus(const QString &service, const QString &path, const QString &interface,
                            const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, answerTimeoutMs);
}

} // namespace

SleepInhibitor::SleepInhibitor(QObject *parent)
    : QObject(parent)
{
}

SleepInhibitor::~SleepInhibitor()
{
    release();
}

void SleepInhibitor::setSessionRunning(bool running)
{
    sessionRunning = running;
    follow();
}

void SleepInhibitor::setSessionScreenShown(bool shown)
{
    screenShown = shown;
    follow();
}

unsigned SleepInhibitor::wantedFlags() const
{
    if (!sessionRunning)
        return 0;
    return Suspend | (screenShown ? Idle : 0u);
}

// A portal request cannot change its flags: a change releases it and makes a new one.
void SleepInhibitor::follow()
{
    const unsigned flags = wantedFlags();
    if (flags == heldFlags)
        return;
    release();
    if (flags == 0)
        return;
    if (inhibitThroughPortal(flags) || inhibitThroughScreenSaver()) {
        heldFlags = flags;
        return;
    }
    if (!unavailableReported) {
        qCWarning(lcDesktop,
                  "neither the desktop portal nor the screen saver takes an inhibit "
                  "request, so the machine may sleep during the session");
        unavailableReported = true;
    }
}

bool SleepInhibitor::inhibitThroughPortal(unsigned flags)
{
    const QDBusMessage reply =
        callSessionBus(QStringLiteral("org.freedesktop.portal.Desktop"),
                       QStringLiteral("/org/freedesktop/portal/desktop"),
                       QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"),
                       {QString(), flags, QVariantMap {{QStringLiteral("reason"), reason}}});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    portalRequest = reply.arguments().constFirst().value<QDBusObjectPath>().path();
    return !portalRequest.isEmpty();
}

// The screen saver knows no flags: its one request keeps both the screen and the machine awake.
bool SleepInhibitor::inhibitThroughScreenSaver()
{
    const QDBusMessage reply =
        callSessionBus(QStringLiteral("org.freedesktop.ScreenSaver"),
                       QStringLiteral("/org/freedesktop/ScreenSaver"),
                       QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("Inhibit"),
                       {QStringLiteral("Velmora"), reason});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    screenSaverCookie = reply.arguments().constFirst().toUInt();
    screenSaverHeld = true;
    return true;
}

void SleepInhibitor::release()
{
    if (!portalRequest.isEmpty()) {
        callSessionBus(QStringLiteral("org.freedesktop.portal.Desktop"), portalRequest,
                       QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close"),
                       {});
        portalRequest.clear();
    }
    if (screenSaverHeld) {
        callSessionBus(QStringLiteral("org.freedesktop.ScreenSaver"),
                       QStringLiteral("/org/freedesktop/ScreenSaver"),
                       QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("UnInhibit"),
                       {screenSaverCookie});
        screenSaverHeld = false;
    }
    heldFlags = 0;
}
