// The leanest Qt Widgets program that does what an idle Velmora window does at the least: one
// shown window and one 20 ms precise timer, the session tick's interval. run-benchmarks sets the
// idle window's figures beside this one's, taken in the same run.
//
//   bench_minimalqt        shows a window titled "Minimal Qt" until it is killed

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt"));
    window.resize(560, 490);
    window.show();

    // The tick counts itself so that every timeout does a little work, as a real tick would.
    quint64 ticks = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(20);
    return QApplication::exec();
}
