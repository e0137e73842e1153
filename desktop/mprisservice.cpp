#include "desktop/mprisservice.h"

#include "desktop/logging.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>

namespace {

const QString objectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString noTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");

QDBusMessage busDaemonCall(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), method);
    message.setArguments(arguments);
    return message;
}

} // namespace

// org.mpris.MediaPlayer2: who the player is, Raise and Quit.
class MprisRootAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ supportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ supportedMimeTypes)

public:
    explicit MprisRootAdaptor(MprisService *service)
        : QDBusAbstractAdaptor(service)
        , service(service)
    {
    }
    bool canQuit() const { return true; }
    bool canRaise() const { return true; }
    bool hasTrackList() const { return false; }
    QString identity() const { return QStringLiteral("Velmora"); }
    QString desktopEntry() const { return QStringLiteral("org.velmora.Velmora"); }
    QStringList supportedUriSchemes() const { return {}; }
    QStringList supportedMimeTypes() const { return {}; }

public slots:
    void Raise() { emit service->raiseRequested(); }
    void Quit() { emit service->quitRequested(); }

private:
    MprisService *service;
};

// org.mpris.MediaPlayer2.Player: the session's status, metadata and controls.
class MprisPlayerAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(double Volume READ volume)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ no)
    Q_PROPERTY(bool CanGoPrevious READ no)
    Q_PROPERTY(bool CanPlay READ canPlay)
    Q_PROPERTY(bool CanPause READ no)
    Q_PROPERTY(bool CanSeek READ no)
    Q_PROPERTY(bool CanControl READ yes)

public:
    explicit MprisPlayerAdaptor(MprisService *service)
        : QDBusAbstractAdaptor(service)
        , service(service)
    {
    }
    QString playbackStatus() const
    {
        return service->isPlaying() ? QStringLiteral("Playing") : QStringLiteral("Stopped");
    }
    double rate() const { return 1.0; }
    double volume() const { return 1.0; }
    QVariantMap metadata() const { return service->metadata(); }
    qlonglong position() const { return service->positionMicroseconds(); }
    bool canPlay() const { return service->canPlay(); }
    bool no() const { return false; }
    bool yes() const { return true; }

public slots:
    void Play()
    {
        if (!service->isPlaying() && service->canPlay())
            emit service->playRequested();
    }
    void Pause() { }
    void PlayPause()
    {
        if (service->isPlaying())
            emit service->stopRequested();
        else
            Play();
    }
    void Stop()
    {
        if (service->isPlaying())
            emit service->stopRequested();
    }
    void Next() { }
    void Previous() { }
    void Seek(qlonglong) { }
    void SetPosition(const QDBusObjectPath &, qlonglong) { }
    void OpenUri(const QString &) { }

signals:
    void Seeked(qlonglong position);

private:
    MprisService *service;
};

MprisService::MprisService(QObject *parent)
    : QObject(parent)
{
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
}

// The bus releases the name by itself when the connection closes; the release is sent, not awaited.
MprisService::~MprisService()
{
    if (registeredName.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(objectPath);
    bus.asyncCall(busDaemonCall(QStringLiteral("ReleaseName"), {registeredName}));
}

bool MprisService::registerOnSessionBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCWarning(lcDesktop, "no session bus, so no media controls");
        return false;
    }
    bus.registerObject(objectPath, this, QDBusConnection::ExportAdaptors);
    requestName(QStringLiteral("org.mpris.MediaPlayer2.velmora"), true);
    return true;
}

// A second Velmora finds the plain name taken, and takes one with its process id.
void MprisService::requestName(const QString &name, bool takenTryInstance)
{
    constexpr unsigned doNotQueue = 4;
    constexpr unsigned primaryOwner = 1;
    auto *watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(busDaemonCall(
                                        QStringLiteral("RequestName"), {name, doNotQueue})),
                                    this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, name, takenTryInstance](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusPendingReply<unsigned> reply = *finished;
                if (!reply.isError() && reply.value() == primaryOwner) {
                    registeredName = name;
                } else if (takenTryInstance) {
                    requestName(
                        name +
                            QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid()),
                        false);
                } else {
                    qCWarning(lcDesktop, "cannot take the bus name %s for media controls",
                              qPrintable(name));
                }
            });
}

void MprisService::setSelectedProgram(const QString &name)
{
    const bool couldPlay = canPlay();
    selectedProgram = name;
    if (canPlay() != couldPlay)
        announce(playerInterface, {{QStringLiteral("CanPlay"), canPlay()}});
}

void MprisService::setSessionStarted(const QString &program, int seconds)
{
    playing = true;
    playingProgram = program;
    lengthMicroseconds = qint64(seconds) * 1000000;
    ++sessionNumber;
    elapsed.start();
    announcePlayer();
}

void MprisService::setSessionStopped()
{
    if (!playing)
        return;
    playing = false;
    announcePlayer();
}

void MprisService::setArtUrl(const QString &url)
{
    artUrl = url;
    if (playing)
        announcePlayer();
}

QVariantMap MprisService::metadata() const
{
    if (!playing)
        return {{QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(noTrack))}};
    QVariantMap metadata {
        {QStringLiteral("mpris:trackid"),
         QVariant::fromValue(QDBusObjectPath(
             QStringLiteral("/org/velmora/Velmora/Session/%1").arg(sessionNumber)))},
        {QStringLiteral("mpris:length"), lengthMicroseconds},
        {QStringLiteral("xesam:title"), playingProgram},
        {QStringLiteral("xesam:artist"), QStringList {QStringLiteral("Velmora")}},
    };
    if (!artUrl.isEmpty())
        metadata.insert(QStringLiteral("mpris:artUrl"), artUrl);
    return metadata;
}

qint64 MprisService::positionMicroseconds() const
{
    if (!playing)
        return 0;
    return qMin(elapsed.nsecsElapsed() / 1000, lengthMicroseconds);
}

void MprisService::announcePlayer()
{
    announce(playerInterface,
             {
                 {QStringLiteral("PlaybackStatus"),
                  playing ? QStringLiteral("Playing") : QStringLiteral("Stopped")},
                 {QStringLiteral("Metadata"), metadata()},
                 {QStringLiteral("CanPlay"), canPlay()},
             });
}

void MprisService::announce(const QString &interface, const QVariantMap &changed)
{
    if (registeredName.isEmpty())
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(objectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << interface << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

#include "mprisservice.moc"
