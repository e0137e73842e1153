#include "desktop/sleepinhibitor.h"

#include "desktop/logging.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QRandomGenerator>
#include <QVariantMap>

namespace {

const QString reason = QStringLiteral("A Velmora session is playing");
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString screenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString screenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
// The portal is started on demand, which may take seconds; a service that has not answered in
// this time is taken as absent. Nothing waits for the answer meanwhile.
constexpr int answerTimeoutMs = 10000;

// The path the portal gives the request made with `token`: the caller's unique name without its
// ':' and with '_' for '.', then the token.
QString portalRequestPath(const QString &token)
{
    QString sender = QDBusConnection::sessionBus().baseService();
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

QDBusMessage closePortalRequest(const QString &path)
{
    return QDBusMessage::createMethodCall(portalService, path,
                                          QStringLiteral("org.freedesktop.portal.Request"),
                                          QStringLiteral("Close"));
}

QDBusMessage uninhibitScreenSaver(unsigned cookie)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        screenSaverService, screenSaverPath, screenSaverService, QStringLiteral("UnInhibit"));
    message << cookie;
    return message;
}

} // namespace

SleepInhibitor::SleepInhibitor(QObject *parent)
    : QObject(parent)
{
}

// The releases are sent, not awaited: a service that never hears them drops the requests anyway
// once this process leaves the bus.
SleepInhibitor::~SleepInhibitor()
{
    if (current)
        release(*current);
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
    if ((current ? current->flags : 0u) == flags)
        return;
    if (current)
        release(*current);
    current.reset();
    if (flags == 0)
        return;
    current = std::make_shared<Request>();
    current->flags = flags;
    inhibitThroughPortal(current);
}

// The token makes the request's path known at once; the portal asks for one that is unique and
// hard to guess.
void SleepInhibitor::inhibitThroughPortal(const std::shared_ptr<Request> &request)
{
    const QString token = QStringLiteral("velmora%1_%2")
                              .arg(++requestCount)
                              .arg(QRandomGenerator::global()->generate());
    request->portalPath = portalRequestPath(token);
    QDBusMessage message = QDBusMessage::createMethodCall(
        portalService, QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
    message << QString() << request->flags
            << QVariantMap {{QStringLiteral("handle_token"), token},
                            {QStringLiteral("reason"), reason}};
    call(message, [this, request](const QDBusPendingCall &answer) {
        if (answer.isError()) {
            request->portalPath.clear();
            if (!request->released)
                inhibitThroughScreenSaver(request);
            return;
        }
        // A portal older than request tokens names a path of its own. A request released before
        // its answer came is closed again under the path the answer names: the first close may
        // have reached the portal before the request was made there.
        const QString path = QDBusPendingReply<QDBusObjectPath>(answer).value().path();
        if (request->released)
            call(closePortalRequest(path));
        else
            request->portalPath = path;
    });
}

// The screen saver knows no flags: its one request keeps both the screen and the machine awake.
void SleepInhibitor::inhibitThroughScreenSaver(const std::shared_ptr<Request> &request)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        screenSaverService, screenSaverPath, screenSaverService, QStringLiteral("Inhibit"));
    message << QStringLiteral("Velmora") << reason;
    call(message, [this, request](const QDBusPendingCall &answer) {
        if (answer.isError()) {
            if (!request->released)
                reportUnavailable();
            return;
        }
        request->screenSaverCookie = QDBusPendingReply<unsigned>(answer).value();
        request->screenSaverAnswered = true;
        if (request->released)
            call(uninhibitScreenSaver(request->screenSaverCookie));
    });
}

// A request still awaiting its answer is released when the answer comes.
void SleepInhibitor::release(Request &request)
{
    request.released = true;
    if (!request.portalPath.isEmpty())
        call(closePortalRequest(request.portalPath));
    if (request.screenSaverAnswered)
        call(uninhibitScreenSaver(request.screenSaverCookie));
}

void SleepInhibitor::reportUnavailable()
{
    if (unavailableReported)
        return;
    qCWarning(lcDesktop,
              "neither the desktop portal nor the screen saver takes an inhibit "
              "request, so the machine may sleep during the session");
    unavailableReported = true;
}

void SleepInhibitor::call(const QDBusMessage &message,
                          std::function<void(const QDBusPendingCall &answer)> answered)
{
    ++callsAwaitingAnswer;
    auto *watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(message, answerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, answered = std::move(answered)](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                if (answered)
                    answered(*finished);
                if (--callsAwaitingAnswer == 0)
                    emit settled();
            });
}
