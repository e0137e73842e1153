#ifndef MPRISSERVICE_H
#define MPRISSERVICE_H

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QVariantMap>

// Velmora on the session bus as an MPRIS 2 media player (org.mpris.MediaPlayer2.velmora, or
// .instance<pid> when that name is taken), so that the desktop's media controls, media keys and
// playerctl see and drive a session. It is told what plays through its setters and asks for what
// a client wants through its request signals; every change of a property is announced with
// PropertiesChanged.
//
// A session cannot pause: CanPause is false and Pause does nothing, as MPRIS asks of such a
// player. PlayPause starts a session, or stops the one that runs: the play/pause key is how a
// user in bed ends the sound.
class MprisService : public QObject
{
    Q_OBJECT

public:
    explicit MprisService(QObject *parent = nullptr);
    ~MprisService() override;

    // Registers the object and asks for the bus name, without waiting for the answer; false, with
    // one line on stderr, when there is no session bus.
    bool registerOnSessionBus();
    // The bus name, once the bus has given it.
    QString busName() const { return registeredName; }

    // The program a Play would start, or an empty name when none is selected.
    void setSelectedProgram(const QString &name);
    // A session of `program`, `seconds` long, has started.
    void setSessionStarted(const QString &program, int seconds);
    void setSessionStopped();
    // file:// URL of the program's icon, or empty.
    void setArtUrl(const QString &url);

    // What the D-Bus adaptors read.
    bool isPlaying() const { return playing; }
    bool canPlay() const { return playing || !selectedProgram.isEmpty(); }
    QVariantMap metadata() const;
    qint64 positionMicroseconds() const;

signals:
    void playRequested();
    void stopRequested();
    void raiseRequested();
    void quitRequested();

private:
    void requestName(const QString &name, bool takenTryInstance);
    void announce(const QString &interface, const QVariantMap &changed);
    void announcePlayer();

    QString selectedProgram;
    QString playingProgram;
    qint64 lengthMicroseconds = 0;
    QString artUrl;
    bool playing = false;
    int sessionNumber = 0;
    QElapsedTimer elapsed;
    QString registeredName;
};

#endif
