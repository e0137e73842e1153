// Whether the programs folder slows the window's opening: the time from making the window to its
// first frame on the screen, with no program in the folder and with 1,000, side by side; and, for
// the record, when the folder has been read (on another thread) and how long the Programs menu
// takes to list them all when it first opens. The rounds alternate the two folders and take the
// median of each, after one round to warm the fonts and caches.
//
//   tests/with-desktop -- bench_programsfolder [ROUNDS] [PROGRAMS]     (9 rounds, 1000 programs)

#include "app/mainwindow.h"
#include "player/sessionplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

// A folder of `count` programs of three to five stages, each file a little different.
QString makeFolder(const QTemporaryDir &home, int count)
{
    const QString folder = home.filePath(QStringLiteral("velmora/programs"));
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QByteArray text = "# made by bench_programsfolder\n[Velmora Program]\nName=Program " +
            QByteArray::number(i) + "\nDescription=One of many.\n";
        const int stages = 3 + i % 3;
        for (int stage = 1; stage <= stages; ++stage)
            text += "\n[Stage " + QByteArray::number(stage) +
                "]\nLength=" + (stage == 2 ? QByteArray("rest") : QByteArray::number(stage) + "m") +
                "\nBeat=" + QByteArray::number(4 + (i + stage) % 30) +
                " to 8\nColour=yellow to #2040" + QByteArray::number(10 + stage) + "\n";
        QFile file(folder + QStringLiteral("/program-%1.velmora").arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
    }
    return folder;
}

struct Times
{
    double shownMs; // from making the window to its first frame
    double loadedMs; // from making the window to the folder read
    double menuMs; // the menu's first opening
};

Times openWindow(const QTemporaryDir &home, int expected)
{
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    SessionPlayer player;
    QElapsedTimer clock;
    clock.start();
    MainWindow window(player);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window did not show");
    const double shown = clock.nsecsElapsed() / 1e6;
    ProgramLibrary &library = window.programChoice().library();
    while (!library.isLoaded())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    const double loaded = clock.nsecsElapsed() / 1e6;
    // The menu lists the user's programs as it opens, after six actions and a separator.
    QMenu *menu = window.findChild<QMenu *>(QStringLiteral("programsMenu"));
    clock.restart();
    emit menu->aboutToShow();
    if (menu->actions().size() != 6 + expected)
        qFatal("the menu lists %d programs", int(menu->actions().size()) - 6);
    return {shown, loaded, clock.nsecsElapsed() / 1e6};
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 9;
    const int many = argc > 2 ? std::atoi(argv[2]) : 1000;

    QTemporaryDir empty;
    QTemporaryDir full;
    makeFolder(empty, 0);
    makeFolder(full, many);

    openWindow(empty, 0);
    openWindow(full, many);
    QList<double> shown[2];
    QList<double> loaded[2];
    QList<double> menu[2];
    for (int round = 0; round < rounds; ++round) {
        for (int which : {round % 2, 1 - round % 2}) {
            const Times times = openWindow(which ? full : empty, which ? many : 0);
            shown[which].append(times.shownMs);
            loaded[which].append(times.loadedMs);
            menu[which].append(times.menuMs);
        }
    }
    std::printf("%-10s %20s %20s %20s\n", "programs", "window shown (ms)", "folder read (ms)",
                "menu opened (ms)");
    for (int which : {0, 1})
        std::printf("%-10d %20.1f %20.1f %20.1f\n", which ? many : 0, median(shown[which]),
                    median(loaded[which]), median(menu[which]));
    std::printf("(medians of %d rounds each)\n", rounds);
    return 0;
}
