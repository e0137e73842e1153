#include "app/desktopservices.h"

#include "app/mainwindow.h"
#include "desktop/mprisservice.h"
#include "desktop/sleepinhibitor.h"

#include <QApplication>
#include <QStandardPaths>
#include <QUrl>

void connectDesktopServices(MainWindow &window, MprisService &mpris, SleepInhibitor &inhibitor)
{
    QObject::connect(&window, &MainWindow::programSelected, &mpris,
                     &MprisService::setSelectedProgram);
    QObject::connect(&window, &MainWindow::sessionStarted, &mpris,
                     &MprisService::setSessionStarted);
    QObject::connect(&window, &MainWindow::sessionStopped, &mpris,
                     &MprisService::setSessionStopped);
    QObject::connect(&mpris, &MprisService::playRequested, &window, &MainWindow::play);
    QObject::connect(&mpris, &MprisService::stopRequested, &window, &MainWindow::stop);
    QObject::connect(&mpris, &MprisService::raiseRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    QObject::connect(&mpris, &MprisService::quitRequested, qApp, &QCoreApplication::quit);

    QObject::connect(&window, &MainWindow::sessionStarted, &inhibitor,
                     [&inhibitor] { inhibitor.setSessionRunning(true); });
    QObject::connect(&window, &MainWindow::sessionStopped, &inhibitor,
                     [&inhibitor] { inhibitor.setSessionRunning(false); });
    QObject::connect(&window, &MainWindow::sessionScreenShownChanged, &inhibitor,
                     &SleepInhibitor::setSessionScreenShown);

    const QString icon = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation,
        QStringLiteral("icons/hicolor/256x256/apps/org.velmora.Velmora.png"));
    if (!icon.isEmpty())
        mpris.setArtUrl(QUrl::fromLocalFile(icon).toString());
}
