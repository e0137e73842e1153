#include "app/application.h"
#include "player/sessionplayer.h"
#include "tests/windowparts.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtTest>

// The window on a Wayland desktop, Weston's headless compositor, through Qt's own Wayland platform:
// it shows at its size under the program's app id, a session starts and stops, and the session
// screen covers the screen and closes with Escape. Nothing is said on the way: every message Qt or
// the program logs is a failure, since each would reach the user's terminal or journal.
class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void showsAtItsSizeUnderItsAppId();
    void startsAndStops();
    void sessionScreenCoversTheScreenAndEscapeClosesIt();

private:
    QPushButton *button(const char *name) const
    {
        return WindowParts::child<QPushButton>(window, name);
    }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // A user who has seen the light's warning: Start shows the light at once.
    WindowParts::ConfigFolder config {LightWarningAnswer::Accepted};
    SessionPlayer *sessionPlayer = nullptr;
    MainWindow *window = nullptr;
};

namespace {

QStringList messages;

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    messages << message;
}

} // namespace

void TestWayland::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    setUpApplication();
    qInstallMessageHandler(recordMessage);
}

void TestWayland::init()
{
    sessionPlayer = new SessionPlayer;
    window = new MainWindow(*sessionPlayer);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestWayland::cleanup()
{
    delete window;
    delete sessionPlayer;
    sessionPlayer = nullptr;
    window = nullptr;
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
}

void TestWayland::cleanupTestCase()
{
    qInstallMessageHandler(nullptr);
}

void TestWayland::showsAtItsSizeUnderItsAppId()
{
    QCOMPARE(window->size(), QSize(560, 490));
    QCOMPARE(window->windowHandle()->size(), QSize(560, 490));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.velmora.Velmora"));
}

void TestWayland::startsAndStops()
{
    WindowParts::child<QCheckBox>(window, "Visualizer")->setChecked(false);
    click("program3");
    click("startButton");
    QCOMPARE(button("startButton")->text(), QStringLiteral("Stop"));
    QVERIFY(!WindowParts::sessionScreenShown());
    click("startButton");
    QCOMPARE(button("startButton")->text(), QStringLiteral("Start"));
}

void TestWayland::sessionScreenCoversTheScreenAndEscapeClosesIt()
{
    WindowParts::child<QCheckBox>(window, "Visualizer")->setChecked(true);
    click("program3");
    click("startButton");
    SessionScreen *screen = WindowParts::sessionScreen();
    QVERIFY(screen && screen->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    QTRY_COMPARE_WITH_TIMEOUT(screen->windowHandle()->windowStates(),
                              Qt::WindowStates(Qt::WindowFullScreen), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(screen->size(), QGuiApplication::primaryScreen()->size(), 5000);

    QTest::keyClick(screen->windowHandle(), Qt::Key_Escape);
    QVERIFY(!screen->isVisible());
    QCOMPARE(button("startButton")->text(), QStringLiteral("Stop"));
    click("startButton");
}

QTEST_MAIN(TestWayland)
#include "test_wayland.moc"
