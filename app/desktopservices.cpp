#include "app/desktopservices.h"

#include "app/mainwindow.h"
#include "desktop/mprisservice.h"
#include "desktop/sleepinhibitor.h"
#include "player/sessionplayer.h"

#include <QApplication>
#include <QStandardPaths>
#include <QUrl>

void connectDesktopServices(SessionPlayer &player, MainWindow &window, MprisService &mpris,
                            SleepInhibitor &inhibitor)
{
    QObject::connect(&window, &MainWindow::programSelected, &mpris,
                     &MprisService::setSelectedProgram);
    QObject::connect(&player, &SessionPlayer::started, &mpris, &MprisService::setSessionStarted);
    QObject::connect(&player, &SessionPlayer::stopped, &mpris, &MprisService::setSessionStopped);
    QObject::connect(&mpris, &MprisService::playRequested, &window, &MainWindow::play);
    QObject::connect(&mpris, &MprisService::stopRequested, &player, &SessionPlayer::stop);
    QObject::connect(&mpris, &MprisService::raiseRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    QObject::connect(&mpris, &MprisService::quitRequested, qApp, &QCoreApplication::quit);

    QObject::connect(&player, &SessionPlayer::started, &inhibitor,
                     [&inhibitor] { inhibitor.setSessionRunning(true); });
    QObject::connect(&player, &SessionPlayer::stopped, &inhibitor,
                     [&inhibitor] { inhibitor.setSessionRunning(false); });
    QObject::connect(&window, &MainWindow::sessionScreenShownChanged, &inhibitor,
                     &SleepInhibitor::setSessionScreenShown);

    const QString icon = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation,
        QStringLiteral("icons/hicolor/256x256/apps/org.velmora.Velmora.png"));
    if (!icon.isEmpty())
        mpris.setArtUrl(QUrl::fromLocalFile(icon).toString());
}
