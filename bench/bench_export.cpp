// Exports a session from the real main window, through File > Export Session... as a user does,
// and measures it:
//
//   bench_export FILE [--duration LENGTH] [--with-session]
//       Selects "Active Concentration" with the form's choices and the length (default 12h55m),
//       exports it to FILE (its extension chooses the format) and waits for the status bar's
//       closing message. With --with-session a session of "Active Concentration" plays throughout:
//       first 10 s of it alone, then the export beside it.
//
// Prints one "key=value" per line: the export's wall time, the process's CPU time over it, and
// with a session the process's CPU share with and without the export.

#include "app/mainwindow.h"
#include "player/sessionplayer.h"
#include "render/renderoptions.h"
#include "render/sessionexport.h"
#include "tests/windowparts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include <sys/resource.h>

#include <cstdio>

namespace {

double processCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
        (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void put(const char *key, double value)
{
    std::printf("%s=%.2f\n", key, value);
    std::fflush(stdout);
}

int fail(const char *message)
{
    std::fprintf(stderr, "bench_export: %s\n", message);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    const bool withSession = arguments.removeAll(QStringLiteral("--with-session")) > 0;
    QString duration = QStringLiteral("12h55m");
    const int durationAt = arguments.indexOf(QStringLiteral("--duration"));
    if (durationAt >= 0 && durationAt + 1 < arguments.size()) {
        duration = arguments.at(durationAt + 1);
        arguments.remove(durationAt, 2);
    }
    const std::optional<int> seconds = RenderOptions::sessionSeconds(duration);
    if (arguments.size() != 1 || !seconds)
        return fail("usage: bench_export FILE [--duration LENGTH] [--with-session]");
    const QString output = QFileInfo(arguments.first()).absoluteFilePath();
    QFile::remove(output);

    SessionPlayer player;
    MainWindow window(player);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return fail("the window did not become active");

    // The form's choices for the export, and for the session beside it: Active Concentration, the
    // length asked for, the default ambient sound and secondary tone. The session plays without
    // the light, which would ask first in a new account and then take the keyboard.
    WindowParts::child<QPushButton>(&window, "program1")->click();
    const int hours = *seconds / 3600;
    const int minutes = *seconds % 3600 / 60;
    WindowParts::child<QComboBox>(&window, "hours")->setCurrentIndex(hours);
    WindowParts::child<QComboBox>(&window, "minutes")->setCurrentIndex(minutes / 5 - 1);

    if (withSession) {
        WindowParts::child<QCheckBox>(&window, "Visualizer")->setChecked(false);
        WindowParts::child<QPushButton>(&window, "startButton")->click();
        QTest::qWait(2000);
        const double cpuBefore = processCpuSeconds();
        QElapsedTimer alone;
        alone.start();
        QTest::qWait(10000);
        put("session_alone_cpu_percent",
            100 * (processCpuSeconds() - cpuBefore) / (alone.elapsed() / 1000.0));
    }

    QTimer dialogPoll;
    QObject::connect(&dialogPoll, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialogPoll.stop();
            dialog->selectFile(output);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    });
    dialogPoll.start(20);
    auto *job = window.findChild<ExportJob *>();
    if (!job)
        return fail("the window has no export");
    QSignalSpy finished(job, &ExportJob::finished);
    const double cpuBefore = processCpuSeconds();
    QElapsedTimer exporting;
    exporting.start();
    QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
    if (!finished.wait(3600 * 1000))
        return fail("the export took more than an hour");
    if (!finished.first().at(0).toBool())
        return fail(qPrintable(finished.first().at(2).toString()));
    const double wall = exporting.elapsed() / 1000.0;
    const double cpu = processCpuSeconds() - cpuBefore;
    put("export_wall_seconds", wall);
    put("export_process_cpu_seconds", cpu);
    if (withSession)
        put("session_with_export_cpu_percent", 100 * cpu / wall);
    return 0;
}
