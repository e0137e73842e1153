// Measures the main window at work, driven through its own widgets:
//
//   bench_session session --screen shown|hidden [--seconds N] [--warmup S] [--dump FILE]
//                         [--clear-upper]
//       Runs a session of "Active Concentration", ticks the session from a 20 ms precise timer of
//       its own and stamps every tick: tick duration and tick lateness. Then times the tone's
//       resynthesis for a new beat with the upper vector state as painting leaves it, and cleared.
//   bench_session cycles [--count N] [--screen shown|hidden]
//       Resident memory after start-up and along N Start/Stop cycles run from the event loop;
//       the session screen is shown at Start as the form's Visualizer box has it, unless hidden.
//   bench_session idle [--seconds N]
//       CPU use and wake-ups of the idle window over N seconds.
//
// Prints one "key=value" per line for bench/run-benchmarks to put into its table.

#include "app/mainwindow.h"
#include "display/sessionscreen.h"
#include "player/sessionplayer.h"
#include "session/session.h"
#include "sound/generator.h"
#include "tests/windowparts.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <QVector>
#include <QtTest>

#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#if defined(__x86_64__)
#include <cpuid.h>
#endif

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const qint64 TickNs = 20000000;

void put(const char *key, const QString &value)
{
    std::printf("%s=%s\n", key, qPrintable(value));
    std::fflush(stdout);
}

void put(const char *key, double value, int decimals = 3)
{
    put(key, QString::number(value, 'f', decimals));
}

// Nearest-rank percentile of values already sorted.
double percentile(const QVector<double> &sorted, double p)
{
    if (sorted.isEmpty())
        return std::nan("");
    const int rank = qBound(1, int(std::ceil(p * sorted.size())), sorted.size());
    return sorted.at(rank - 1);
}

void putDistribution(const char *prefix, QVector<double> values)
{
    std::sort(values.begin(), values.end());
    const QByteArray p(prefix);
    put((p + "_n").constData(), QString::number(values.size()));
    put((p + "_p50").constData(), percentile(values, 0.50));
    put((p + "_p99").constData(), percentile(values, 0.99));
    put((p + "_max").constData(), values.isEmpty() ? std::nan("") : values.last());
}

// A "Name:  123 kB" field of /proc/self/status, in KiB.
qint64 statusKiB(const QByteArray &name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

qint64 residentKiB()
{
    return statusKiB("VmRSS");
}

// Heap bytes the program holds, apart from what the allocator keeps cached: tells a leak from
// fragmentation when the resident size grows.
qint64 heapInUseKiB()
{
    return qint64(mallinfo2().uordblks) / 1024;
}

void runEventLoopFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Nanoseconds this thread has spent runnable but waiting for a CPU, from the scheduler's own
// accounting: tells the lateness that other processes on the machine cause from the program's own.
class RunQueueWait
{
public:
    RunQueueWait()
        : fd(::open("/proc/thread-self/schedstat", O_RDONLY | O_CLOEXEC))
    {
    }
    ~RunQueueWait()
    {
        if (fd >= 0)
            ::close(fd);
    }
    qint64 nanoseconds() const
    {
        char text[128];
        const ssize_t length = fd >= 0 ? ::pread(fd, text, sizeof text - 1, 0) : -1;
        if (length <= 0)
            return 0;
        text[length] = 0;
        unsigned long long onCpu = 0;
        unsigned long long waiting = 0;
        return std::sscanf(text, "%llu %llu", &onCpu, &waiting) == 2 ? qint64(waiting) : 0;
    }

private:
    int fd;
};

qint64 threadCpuNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Whether the upper halves of the AVX registers are in use (XINUSE bit 2). While they are, every
// legacy-SSE instruction on recent Intel cores pays a merge penalty; Qt's AVX2 fill routines
// leave them so on the GUI thread.
class UpperVectorState
{
public:
    UpperVectorState()
    {
#if defined(__x86_64__)
        unsigned a = 0, b = 0, c = 0, d = 0;
        if (__get_cpuid(1, &a, &b, &c, &d) && (c & bit_OSXSAVE) && (c & bit_AVX) &&
            __get_cpuid_max(0, nullptr) >= 0xD) {
            __cpuid_count(0xD, 1, a, b, c, d);
            available = (a & 4) != 0;
        }
#endif
    }
    bool known() const
    {
        return available;
    }
    bool dirty() const
    {
#if defined(__x86_64__)
        if (available) {
            unsigned low = 0, high = 0;
            asm volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
            return (low & 4) != 0;
        }
#endif
        return false;
    }
    void clear() const
    {
#if defined(__x86_64__)
        if (available)
            asm volatile("vzeroupper" ::: "memory");
#endif
    }

private:
    bool available = false;
};

QString argument(const QStringList &arguments, const QString &name, const QString &fallback)
{
    const int at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : fallback;
}

int runSession(SessionPlayer &player, MainWindow &window, bool screenShown, int seconds,
               int warmupSeconds, const QString &dumpPath)
{
    Session *session = &player.session();

    QElapsedTimer clock;
    clock.start();
    bool recording = false;
    const RunQueueWait runQueue;
    QVector<qint64> tickStart;
    QVector<qint64> tickEnd;
    QVector<qint64> tickWaited;
    const UpperVectorState upperState;
    const bool clearUpper = QCoreApplication::arguments().contains(QStringLiteral("--clear-upper"));
    tickStart.reserve(60 * (seconds + warmupSeconds));
    tickEnd.reserve(60 * (seconds + warmupSeconds));

    // The session is ticked here, on its own kind of timer, with stamps just before and just
    // after each tick; the window's connections to the session stay as they are.
    player.setSelfTicking(false);
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, &window, [&] {
        if (clearUpper)
            upperState.clear();
        if (recording) {
            tickStart.append(clock.nsecsElapsed());
            tickWaited.append(runQueue.nanoseconds());
        }
        player.tick();
        if (recording)
            tickEnd.append(clock.nsecsElapsed());
    });
    ticker.start(Session::tickIntervalMs);

    WindowParts::child<QPushButton>(&window, "program1")->click();
    WindowParts::child<QCheckBox>(&window, "Visualizer")->setChecked(screenShown);
    WindowParts::child<QPushButton>(&window, "startButton")->click();
    if (!session->isRunning()) {
        std::fputs("bench_session: the session did not start\n", stderr);
        return 1;
    }
    // Made at its first show: none with the screen hidden.
    SessionScreen *screen = WindowParts::sessionScreen();
    if (screenShown && !QTest::qWaitForWindowExposed(screen)) {
        std::fputs("bench_session: the session screen was not exposed\n", stderr);
        return 1;
    }

    runEventLoopFor(1000 * warmupSeconds);
    const QSize screenSize = screen ? screen->size() : QSize();
    const bool screenVisible = WindowParts::sessionScreenShown();
    recording = true;
    const qint64 recordingFrom = clock.nsecsElapsed();
    runEventLoopFor(1000 * seconds);
    recording = false;
    const qint64 recordedNs = clock.nsecsElapsed() - recordingFrom;

    // The resynthesis, on a new beat each time as along a ramp: first with the upper vector state
    // left in use by a fill through Qt's raster engine, as painting leaves it on this thread, then
    // with it cleared. The playing generator belongs to the output's thread, so a generator of
    // this thread stands in for it.
    Generator ownGenerator;
    QVector<double> dirtyMs;
    QVector<double> clearedMs;
    int foundDirty = 0;
    QImage canvas(64, 64, QImage::Format_RGB32);
    for (int run = 0; run < 7; ++run) {
        for (bool clear : {false, true}) {
            ownGenerator.setBeatFrequency(15 + 2 * run + (clear ? 1 : 0));
            canvas.fill(Qt::black);
            if (clear)
                upperState.clear();
            else
                foundDirty += upperState.dirty();
            const qint64 cpu = threadCpuNanoseconds();
            ownGenerator.generateData();
            (clear ? clearedMs : dirtyMs).append((threadCpuNanoseconds() - cpu) / 1e6);
        }
    }

    const bool stillRunning = session->isRunning();
    const bool audioPlaying = player.isSoundPlaying();
    const bool screenActive = screen && screen->isActiveWindow();
    WindowParts::child<QPushButton>(&window, "startButton")->click();

    // A tick in progress when recording stopped has a start without an end.
    const int ticks = qMin(tickStart.size(), tickEnd.size());
    QVector<double> durationMs;
    QVector<double> latenessMs;
    QVector<double> ownLatenessMs;
    int worst = -1;
    for (int i = 0; i < ticks; ++i) {
        durationMs.append((tickEnd.at(i) - tickStart.at(i)) / 1e6);
        if (i == 0)
            continue;
        const qint64 lateNs = tickStart.at(i) - tickStart.at(i - 1) - TickNs;
        const qint64 waitedNs = tickWaited.at(i) - tickWaited.at(i - 1);
        latenessMs.append(lateNs / 1e6);
        ownLatenessMs.append(qMax<qint64>(0, lateNs - waitedNs) / 1e6);
        if (worst < 0 || lateNs > tickStart.at(worst) - tickStart.at(worst - 1) - TickNs)
            worst = i;
    }

    if (!dumpPath.isEmpty()) {
        QFile dump(dumpPath);
        if (dump.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            dump.write("# tick start_ns end_ns runqueue_wait_ns\n");
            for (int i = 0; i < ticks; ++i)
                dump.write(QStringLiteral("tick %1 %2 %3\n")
                               .arg(tickStart.at(i))
                               .arg(tickEnd.at(i))
                               .arg(tickWaited.at(i))
                               .toLatin1());
        }
    }

    int over2 = 0;
    int over10 = 0;
    for (double late : latenessMs) {
        over2 += late > 2.0;
        over10 += late > 10.0;
    }

    put("screen", screenShown ? QStringLiteral("shown") : QStringLiteral("hidden"));
    put("screen_visible", screenVisible ? QStringLiteral("yes") : QStringLiteral("no"));
    put("screen_active_at_end", screenActive ? QStringLiteral("yes") : QStringLiteral("no"));
    put("screen_size", QStringLiteral("%1x%2").arg(screenSize.width()).arg(screenSize.height()));
    put("recorded_s", recordedNs / 1e9, 1);
    put("session_running_at_end", stillRunning ? QStringLiteral("yes") : QStringLiteral("no"));
    put("audio_playing", audioPlaying ? QStringLiteral("yes") : QStringLiteral("no"));
    putDistribution("tick_ms", durationMs);
    putDistribution("late_ms", latenessMs);
    putDistribution("late_own_ms", ownLatenessMs);
    put("late_worst_at_s", worst > 0 ? (tickStart.at(worst) - recordingFrom) / 1e9 : 0.0, 1);
    put("late_worst_runqueue_ms",
        worst > 0 ? (tickWaited.at(worst) - tickWaited.at(worst - 1)) / 1e6 : 0.0);
    put("late_over_2ms", QString::number(over2));
    put("late_over_10ms", QString::number(over10));
    put("upper_state_known", upperState.known() ? QStringLiteral("yes") : QStringLiteral("no"));
    put("clear_upper_before_ticks", clearUpper ? QStringLiteral("yes") : QStringLiteral("no"));
    put("fill_left_upper_dirty", QStringLiteral("%1/7").arg(foundDirty));
    putDistribution("resynth_upper_dirty_cpu_ms", dirtyMs);
    putDistribution("resynth_upper_cleared_cpu_ms", clearedMs);
    return stillRunning ? 0 : 1;
}

int runCycles(SessionPlayer &player, MainWindow &window, int count, bool screenShown)
{
    Session *session = &player.session();
    WindowParts::child<QPushButton>(&window, "program1")->click();
    WindowParts::child<QCheckBox>(&window, "Visualizer")->setChecked(screenShown);
    runEventLoopFor(1000);
    put("rss_start_kib", QString::number(residentKiB()));
    put("rss_anon_start_kib", QString::number(statusKiB("RssAnon")));
    put("rss_file_start_kib", QString::number(statusKiB("RssFile")));
    put("rss_shmem_start_kib", QString::number(statusKiB("RssShmem")));
    put("heap_start_kib", QString::number(heapInUseKiB()));

    QPushButton *startButton = WindowParts::child<QPushButton>(&window, "startButton");
    const QVector<int> checkpoints {1, 10, 100, 500, count};
    QElapsedTimer clock;
    clock.start();
    int done = 0;
    bool failed = false;

    // Each cycle runs from the application's own event loop: Start, a little over one session
    // tick of running, Stop, a short pause, as a user clicking quickly would.
    QTimer stepper;
    stepper.setSingleShot(true);
    QObject::connect(&stepper, &QTimer::timeout, [&] {
        if (!session->isRunning()) {
            startButton->click();
            if (!session->isRunning()) {
                failed = true;
                QCoreApplication::exit(1);
                return;
            }
            stepper.start(25);
            return;
        }
        startButton->click();
        ++done;
        if (checkpoints.contains(done) && done != count) {
            const QByteArray after = QByteArray::number(done);
            put(("rss_after_" + after + "_kib").constData(), QString::number(residentKiB()));
            put(("heap_after_" + after + "_kib").constData(), QString::number(heapInUseKiB()));
        }
        if (done == count) {
            QCoreApplication::exit(0);
            return;
        }
        stepper.start(5);
    });
    stepper.start(0);
    QCoreApplication::exec();
    if (failed) {
        std::fputs("bench_session: a Start did not start a session\n", stderr);
        return 1;
    }
    const double cycleMs = clock.nsecsElapsed() / 1e6 / count;
    runEventLoopFor(1000);
    put("cycles", QString::number(done));
    put("cycle_ms", cycleMs, 1);
    put("rss_end_kib", QString::number(residentKiB()));
    put("rss_anon_end_kib", QString::number(statusKiB("RssAnon")));
    put("rss_file_end_kib", QString::number(statusKiB("RssFile")));
    put("rss_shmem_end_kib", QString::number(statusKiB("RssShmem")));
    put("heap_end_kib", QString::number(heapInUseKiB()));
    put("screen_visible_at_end",
        WindowParts::sessionScreenShown() ? QStringLiteral("yes") : QStringLiteral("no"));
    return 0;
}

struct Usage
{
    qint64 cpuMicroseconds;
    qint64 wakeups;
};

Usage processUsage()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return {qint64(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000 +
                usage.ru_utime.tv_usec + usage.ru_stime.tv_usec,
            qint64(usage.ru_nvcsw)};
}

// An idle window has no timer of its own: what it costs is the event loop and the toolkit.
int runIdle(int seconds)
{
    runEventLoopFor(2000);
    const Usage before = processUsage();
    QElapsedTimer wall;
    wall.start();
    runEventLoopFor(1000 * seconds);
    const Usage after = processUsage();
    const double wallUs = wall.nsecsElapsed() / 1e3;
    put("idle_cpu_pct", 100.0 * (after.cpuMicroseconds - before.cpuMicroseconds) / wallUs);
    put("idle_wakeups_per_s", (after.wakeups - before.wakeups) / (wallUs / 1e6), 1);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName("Velmora");
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);
    if (mode != QLatin1String("session") && mode != QLatin1String("cycles") &&
        mode != QLatin1String("idle")) {
        std::fputs("usage: bench_session session --screen shown|hidden [--seconds N] [--warmup S] "
                   "[--dump FILE] [--clear-upper]\n"
                   "       bench_session cycles [--count N] [--screen shown|hidden]\n"
                   "       bench_session idle [--seconds N]\n",
                   stderr);
        return 2;
    }

    SessionPlayer player;
    MainWindow window(player);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fputs("bench_session: the main window was not exposed\n", stderr);
        return 1;
    }

    if (mode == QLatin1String("session")) {
        const bool shown = argument(arguments, "--screen", "hidden") == QLatin1String("shown");
        return runSession(player, window, shown, argument(arguments, "--seconds", "50").toInt(),
                          argument(arguments, "--warmup", "2").toInt(),
                          argument(arguments, "--dump", QString()));
    }
    if (mode == QLatin1String("idle"))
        return runIdle(argument(arguments, "--seconds", "20").toInt());
    return runCycles(player, window, argument(arguments, "--count", "1000").toInt(),
                     argument(arguments, "--screen", "shown") == QLatin1String("shown"));
}
