#include "player/sessionplayer.h"
#include "session/session.h"
#include "tests/windowparts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QtTest>

static qint64 virtualNowMs = 0;

static qint64 virtualTime()
{
    return virtualNowMs;
}

// Sessions through the real main window: Start and Stop with QTest clicks, the options, the warning
// before the flashing light, and a whole session run tick by tick in virtual time, judged by what
// the window shows. Unless a test makes its own, the windows meet a user who accepted the light.
class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startWithoutProgramIsRefused();
    void startAndStop();
    void durationChangeWaitsForNextStart();
    void optionsAtStart_data();
    void optionsAtStart();
    void toneClick();
    void visualizerClick();
    void lightWarningInANewAccount();
    void lightWarningWithAnUnusableSettingsFile_data();
    void lightWarningWithAnUnusableSettingsFile();
    void mediaControlsPlayWithoutTheLight();
    void sessionEndsByItself();

private:
    template<typename T> T *part(const char *name = nullptr) const
    {
        return WindowParts::child<T>(window, name);
    }
    QPushButton *button(const char *name) const { return part<QPushButton>(name); }
    QCheckBox *checkBox(const char *name) const { return part<QCheckBox>(name); }
    QString headline() const { return part<QLabel>("selectedLabel")->text(); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void setDuration(int hoursIndex, int minutesIndex);
    bool programButtonsEnabled(bool enabled) const;
    // A new run of Velmora in the same account: a new window, the same settings.
    void newWindow();
    QMessageBox *lightWarning() const { return window->findChild<QMessageBox *>("lightWarning"); }
    QPushButton *showLightButton() const
    {
        return lightWarning()->findChild<QPushButton *>("showLight");
    }
    bool lightWarningShown() const { return lightWarning() && lightWarning()->isVisible(); }

    std::unique_ptr<WindowParts::ConfigFolder> acceptedLight;

    SessionPlayer *player = nullptr;
    MainWindow *window = nullptr;
    Session *session = nullptr;
};

void TestSession::initTestCase()
{
    acceptedLight = std::make_unique<WindowParts::ConfigFolder>(LightWarningAnswer::Accepted);
}

void TestSession::init()
{
    virtualNowMs = 1000000;
    player = new SessionPlayer;
    window = new MainWindow(*player);
    session = &player->session();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestSession::cleanup()
{
    delete window;
    delete player;
}

void TestSession::newWindow()
{
    delete window;
    window = new MainWindow(*player);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestSession::setDuration(int hoursIndex, int minutesIndex)
{
    part<QComboBox>("hours")->setCurrentIndex(hoursIndex);
    part<QComboBox>("minutes")->setCurrentIndex(minutesIndex);
}

bool TestSession::programButtonsEnabled(bool enabled) const
{
    for (int n = 1; n <= 11; ++n) {
        if (button(("program" + QByteArray::number(n)).constData())->isEnabled() != enabled)
            return false;
    }
    return true;
}

void TestSession::startWithoutProgramIsRefused()
{
    click("startButton");
    QCOMPARE(headline(), QStringLiteral("Select a session first!"));
    QVERIFY(!session->isRunning());
    QCOMPARE(button("startButton")->text(), QStringLiteral("Start"));
    QVERIFY(programButtonsEnabled(true));
    QVERIFY(!WindowParts::sessionScreenShown());
    QVERIFY(!player->isSoundPlaying());
}

void TestSession::startAndStop()
{
    click("program3");
    click("startButton");
    QVERIFY(session->isRunning());
    QCOMPARE(session->program(), &ProgramCatalogue::program(3));
    QCOMPARE(button("startButton")->text(), QStringLiteral("Stop"));
    QVERIFY(programButtonsEnabled(false));
    QCOMPARE(headline(), QStringLiteral("00:05:00"));
    QCOMPARE(session->totalSeconds(), 300);
    QCOMPARE(session->beatFrequency(), 20.0f);
    QTRY_VERIFY_WITH_TIMEOUT(player->isSoundPlaying(), 5000);
    QVERIFY(WindowParts::sessionScreenShown());
    for (const char *alwaysUsable : {"hours", "minutes", "comboBox", "Tone", "Visualizer"})
        QVERIFY(part<QWidget>(alwaysUsable)->isEnabled());

    click("startButton");
    QVERIFY(!session->isRunning());
    QCOMPARE(button("startButton")->text(), QStringLiteral("Start"));
    QVERIFY(programButtonsEnabled(true));
    QCOMPARE(headline(), QStringLiteral("Deep Sleep"));
    QVERIFY(!player->isSoundPlaying());
    // A screen the user is looking at keeps its last colour until they close it.
    QVERIFY(WindowParts::sessionScreenShown());

    // The next session starts over with fresh clocks, and the session's timer ticks it.
    click("startButton");
    QTRY_COMPARE_WITH_TIMEOUT(headline(), QStringLiteral("00:04:59"), 3000);
    QCOMPARE(session->stageNumber(), 1);
}

void TestSession::durationChangeWaitsForNextStart()
{
    player->setClock(virtualTime);
    click("program2");
    click("startButton");
    setDuration(2, 3);
    virtualNowMs += 1000;
    player->tick();
    QCOMPARE(session->totalSeconds(), 300);
    QCOMPARE(headline(), QStringLiteral("00:04:59"));

    click("startButton");
    click("startButton");
    QCOMPARE(session->totalSeconds(), 2 * 3600 + 20 * 60);
    QCOMPARE(headline(), QStringLiteral("02:20:00"));
}

void TestSession::optionsAtStart_data()
{
    QTest::addColumn<bool>("tone");
    QTest::addColumn<bool>("visualizer");
    QTest::newRow("both") << true << true;
    QTest::newRow("no tone") << false << true;
    QTest::newRow("no visualizer") << true << false;
    QTest::newRow("neither") << false << false;
}

void TestSession::optionsAtStart()
{
    QFETCH(bool, tone);
    QFETCH(bool, visualizer);
    checkBox("Tone")->setChecked(tone);
    checkBox("Visualizer")->setChecked(visualizer);
    // An earlier choice must not win over the box's state at Start.
    session->setSecondaryTone(!tone);

    click("program5");
    click("startButton");
    QCOMPARE(session->secondaryTone(), tone);
    QCOMPARE(WindowParts::sessionScreenShown(), visualizer);
    // The flash, and with it a tick every 20 ms, only while the screen shows it.
    QCOMPARE(player->isColourShown(), visualizer);
}

void TestSession::toneClick()
{
    auto *description = part<QTextBrowser>("sessionDescription");
    const QString notice =
        QStringLiteral("Your changes will take effect during the next tone scheduled tone change.");
    click("program4");

    // Idle: the choice is taken, nothing is shown.
    QTest::mouseClick(checkBox("Tone"), Qt::LeftButton);
    QVERIFY(!session->secondaryTone());
    QVERIFY(description->toPlainText() != notice);

    click("startButton");
    QTest::mouseClick(checkBox("Tone"), Qt::LeftButton);
    QVERIFY(session->secondaryTone());
    QCOMPARE(description->toPlainText(), notice);
    player->tick();
    QCOMPARE(description->toPlainText(), notice);

    click("startButton");
    QVERIFY(description->toPlainText() != notice);
}

void TestSession::visualizerClick()
{
    QCheckBox *visualizer = checkBox("Visualizer");

    // No session: checking shows nothing.
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QVERIFY(visualizer->isChecked());
    QVERIFY(!WindowParts::sessionScreenShown());

    visualizer->setChecked(false);
    click("program6");
    click("startButton");
    QVERIFY(!WindowParts::sessionScreenShown());
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QVERIFY(WindowParts::sessionScreenShown());
    QTRY_COMPARE_WITH_TIMEOUT(WindowParts::sessionScreen()->geometry(),
                              QGuiApplication::primaryScreen()->geometry(), 5000);

    // Unchecking never hides it.
    visualizer->setChecked(true);
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QVERIFY(!visualizer->isChecked());
    QVERIFY(WindowParts::sessionScreenShown());

    // Escape hides it; the session, its tone and the next tick go on, and the box follows at
    // once, and again at each tick.
    QVERIFY(player->isColourShown());
    visualizer->setChecked(true);
    QTest::keyClick(WindowParts::sessionScreen(), Qt::Key_Escape);
    QVERIFY(!WindowParts::sessionScreenShown());
    QVERIFY(!player->isColourShown());
    QVERIFY(!visualizer->isChecked());
    visualizer->setChecked(true);
    player->tick();
    QVERIFY(!visualizer->isChecked());
    QVERIFY(session->isRunning());
}

// A new account: the first Start with Visualizer checked asks before the light, and the session
// waits for the answer. Escape plays it without the light and unchecks the box, in this run and
// the next; checking the box asks again, and "Show the Light" (Alt+S) shows the light, in this run
// and from then on without a question. tests/test_desktopservices.sh presses the keys on a real X
// server.
void TestSession::lightWarningInANewAccount()
{
    WindowParts::ConfigFolder newAccount;
    newWindow();
    QCheckBox *visualizer = checkBox("Visualizer");
    QVERIFY(visualizer->isChecked());
    click("program3");
    click("startButton");
    QTRY_VERIFY_WITH_TIMEOUT(lightWarningShown(), 5000);
    QVERIFY(!WindowParts::sessionScreenShown());
    QVERIFY(!session->isRunning());
    QVERIFY(lightWarning()->text().contains(QLatin1String("3 to 27 times a second")));
    QVERIFY(lightWarning()->informativeText().contains(QLatin1String("photosensitive epilepsy")));
    QCOMPARE(lightWarning()->defaultButton()->text(), QStringLiteral("Play Without the Light"));
    QCOMPARE(lightWarning()->escapeButton(), lightWarning()->defaultButton());

    QVERIFY(QTest::qWaitForWindowActive(lightWarning()));
    QTest::keyClick(lightWarning(), Qt::Key_Escape);
    QVERIFY(!lightWarningShown());
    QVERIFY(session->isRunning());
    QVERIFY(!WindowParts::sessionScreenShown());
    QVERIFY(!player->isColourShown());
    QVERIFY(!visualizer->isChecked());
    click("startButton");

    newWindow();
    visualizer = checkBox("Visualizer");
    QVERIFY(!visualizer->isChecked());
    click("program3");
    click("startButton");
    QVERIFY(session->isRunning());
    QVERIFY(!lightWarningShown());
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(lightWarningShown(), 5000);
    QVERIFY(!WindowParts::sessionScreenShown());
    QVERIFY(!visualizer->isChecked());
    QVERIFY(QTest::qWaitForWindowActive(lightWarning()));
    QCOMPARE(showLightButton()->shortcut(), QKeySequence(QStringLiteral("Alt+S")));
    QTest::mouseClick(showLightButton(), Qt::LeftButton);
    QVERIFY(!lightWarningShown());
    QVERIFY(WindowParts::sessionScreenShown());
    QVERIFY(player->isColourShown());
    QVERIFY(visualizer->isChecked());
    click("startButton");

    newWindow();
    QVERIFY(checkBox("Visualizer")->isChecked());
    click("program3");
    click("startButton");
    QVERIFY(session->isRunning());
    QVERIFY(WindowParts::sessionScreenShown());
    QVERIFY(!lightWarning());
}

void TestSession::lightWarningWithAnUnusableSettingsFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("folderIsAFile");
    QTest::addColumn<QString>("warning");
    QTest::newRow("corrupt") << QByteArray("[General\nlightWarning=accepted\n") << false
                             << "is corrupt";
    // A folder where the file should be cannot be read, even by root.
    QTest::newRow("unreadable") << QByteArray() << false << "cannot be read";
    QTest::newRow("unwritable") << QByteArray() << true << "cannot be written";
}

// A settings file that cannot be read, makes no sense or cannot be written: the light is not yet
// accepted, one line on stderr says why, and a file that was there is left as it was. A yes shows
// the light in this run all the same.
void TestSession::lightWarningWithAnUnusableSettingsFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, folderIsAFile);
    QFETCH(QString, warning);
    WindowParts::ConfigFolder account;
    const QString file = account.path() + QStringLiteral("/velmora/velmora.conf");
    if (folderIsAFile) {
        QFile folder(account.path() + QStringLiteral("/velmora"));
        QVERIFY(folder.open(QIODevice::WriteOnly));
    } else if (contents.isEmpty()) {
        QVERIFY(QDir().mkpath(file));
    } else {
        QVERIFY(QDir().mkpath(account.path() + QStringLiteral("/velmora")));
        QFile settings(file);
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(contents);
    }

    static QStringList messages;
    messages.clear();
    const QtMessageHandler formerHandler = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &message) { messages << message; });
    auto restoreHandler = qScopeGuard([formerHandler] { qInstallMessageHandler(formerHandler); });
    newWindow();
    QVERIFY(checkBox("Visualizer")->isChecked());
    click("program3");
    click("startButton");
    QTRY_VERIFY_WITH_TIMEOUT(lightWarningShown(), 5000);
    QVERIFY(!WindowParts::sessionScreenShown());
    QVERIFY(QTest::qWaitForWindowActive(lightWarning()));
    QTest::mouseClick(showLightButton(), Qt::LeftButton);
    QVERIFY(WindowParts::sessionScreenShown());
    click("startButton");
    restoreHandler.dismiss();
    qInstallMessageHandler(formerHandler);
    const QStringList told = messages.filter(QStringLiteral("settings file"));
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().contains(warning), qPrintable(told.first()));
    QVERIFY2(told.first().contains(file), qPrintable(told.first()));
    if (!contents.isEmpty()) {
        QFile settings(file);
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), contents);
    }
}

// A session from the desktop's media controls plays its sound alone, though the user accepted the
// light long ago: they may not be looking, or someone unaware may be. A click shows the light.
void TestSession::mediaControlsPlayWithoutTheLight()
{
    QCheckBox *visualizer = checkBox("Visualizer");
    QVERIFY(visualizer->isChecked());
    click("program3");
    window->play();
    QVERIFY(session->isRunning());
    QVERIFY(!WindowParts::sessionScreenShown());
    QVERIFY(!player->isColourShown());
    QVERIFY(!lightWarning());
    QVERIFY(!visualizer->isChecked());
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QVERIFY(WindowParts::sessionScreenShown());
    QVERIFY(!lightWarning());
}

// At its end the session stops itself: "Ending..." shows for one more tick, then the selection
// comes back, and the window is ready for the next Start.
void TestSession::sessionEndsByItself()
{
    player->setClock(virtualTime);
    click("program3");
    click("startButton");
    QVERIFY(WindowParts::sessionScreenShown());
    const qint64 startedAt = virtualNowMs;
    while (session->isRunning() && virtualNowMs - startedAt < 400000) {
        virtualNowMs += 20;
        player->tick();
    }

    QCOMPARE(virtualNowMs - startedAt, qint64(303000));
    QVERIFY(!session->isRunning());
    QCOMPARE(button("startButton")->text(), QStringLiteral("Start"));
    QVERIFY(programButtonsEnabled(true));
    QVERIFY(!WindowParts::sessionScreenShown());
    QVERIFY(!player->isSoundPlaying());
    QCOMPARE(headline(), QStringLiteral("Ending..."));
    QTRY_COMPARE_WITH_TIMEOUT(headline(), QStringLiteral("Deep Sleep"), 1000);
}

QTEST_MAIN(TestSession)
#include "test_session.moc"
