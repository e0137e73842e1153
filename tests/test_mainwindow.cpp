#include "player/sessionplayer.h"
#include "session/programcatalogue.h"
#include "session/session.h"
#include "tests/windowparts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

Q_DECLARE_METATYPE(Colour)
Q_DECLARE_METATYPE(ToneKind)

// The main window as a user first meets it: its fixed form and the program buttons.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowProperties();
    void widgetTree_data();
    void widgetTree();
    void comboBoxItems_data();
    void comboBoxItems();
    void initialState();
    void programButtons_data();
    void programButtons();
    void soundMenuChoosesTheToneKind_data();
    void soundMenuChoosesTheToneKind();

private:
    template<typename T> T *part(const char *name = nullptr) const
    {
        return WindowParts::child<T>(window, name);
    }

    QTemporaryDir configHome;
    SessionPlayer *sessionPlayer = nullptr;
    MainWindow *window = nullptr;
};

// The settings the window keeps go to a folder of the test's own.
void TestMainWindow::initTestCase()
{
    QVERIFY(configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
}

void TestMainWindow::init()
{
    sessionPlayer = new SessionPlayer;
    window = new MainWindow(*sessionPlayer);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestMainWindow::cleanup()
{
    delete window;
    delete sessionPlayer;
    sessionPlayer = nullptr;
    window = nullptr;
}

void TestMainWindow::windowProperties()
{
    QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Velmora"));
    QCOMPARE(window->size(), QSize(560, 490));
    QCOMPARE(window->minimumSize(), QSize(560, 490));
    QCOMPARE(window->maximumSize(), QSize(560, 490));
    QCOMPARE(window->menuBar()->objectName(), QStringLiteral("menuBar"));
    // File, with one item: Export Session..., on Ctrl+E; the user's own programs; the kind of tone.
    QCOMPARE(window->menuBar()->actions().size(), 3);
    const QAction *file = window->menuBar()->actions().first();
    QCOMPARE(file->text(), QStringLiteral("&File"));
    QCOMPARE(file->menu()->actions().size(), 1);
    QCOMPARE(file->menu()->actions().first()->text(), QStringLiteral("&Export Session..."));
    QCOMPARE(file->menu()->actions().first()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    QCOMPARE(window->menuBar()->actions().at(1)->text(), QStringLiteral("&Programs"));
    QCOMPARE(window->menuBar()->actions().at(2)->text(), QStringLiteral("Sound"));
    QCOMPARE(window->statusBar()->objectName(), QStringLiteral("statusBar"));
    QVERIFY(window->statusBar()->currentMessage().isEmpty());
    QCOMPARE(window->centralWidget()->objectName(), QStringLiteral("centralWidget"));
}

void TestMainWindow::widgetTree_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    const char *names[] = {"Active Concentration",
                           "Complete Meditation",
                           "Deep Sleep",
                           "Deep Thought Meditation",
                           "Dream Sleep",
                           "Morning Wake",
                           "Quick Meditation",
                           "Relaxed to Deep Thought",
                           "Relaxed to Complete Meditation",
                           "Tired to Deep Sleep",
                           "Tired to Dreaming"};
    for (int n = 1; n <= 11; ++n) {
        const QByteArray objectName = "program" + QByteArray::number(n);
        QTest::newRow(objectName) << "QPushButton"
                                  << "centralWidget" << QRect(20, 60 + 30 * (n - 1), 250, 32)
                                  << names[n - 1];
    }
    QTest::newRow("label") << "QLabel"
                           << "centralWidget" << QRect(50, 400, 171, 32) << "Set session duration:";
    QTest::newRow("startButton") << "QPushButton"
                                 << "centralWidget" << QRect(400, 400, 114, 32) << "Start";
    QTest::newRow("selectedLabel")
        << "QLabel"
        << "centralWidget" << QRect(30, 10, 500, 40) << "Headphones required for best results";
    QTest::newRow("frame") << "QFrame"
                           << "centralWidget" << QRect(280, 310, 251, 71) << "";
    QTest::newRow("label_3") << "QLabel"
                             << "frame" << QRect(11, 10, 231, 20) << "Ambient Audio";
    QTest::newRow("comboBox") << "QComboBox"
                              << "frame" << QRect(10, 30, 231, 26) << "Pink Noise";
    QTest::newRow("frame_2") << "QFrame"
                             << "centralWidget" << QRect(280, 260, 251, 40) << "";
    QTest::newRow("Tone") << "QCheckBox"
                          << "frame_2" << QRect(10, 10, 125, 20) << "Secondary Tone";
    QTest::newRow("Visualizer") << "QCheckBox"
                                << "frame_2" << QRect(140, 10, 101, 20) << "Visualizer";
    QTest::newRow("hours") << "QComboBox"
                           << "centralWidget" << QRect(220, 400, 81, 26) << "0 h";
    QTest::newRow("minutes") << "QComboBox"
                             << "centralWidget" << QRect(310, 400, 81, 26) << "5 m";
    QTest::newRow("line") << "QFrame"
                          << "centralWidget" << QRect(415, 270, 20, 21) << "";
    QTest::newRow("sessionDescription") << "QTextBrowser"
                                        << "centralWidget" << QRect(280, 71, 250, 181) << "";
}

void TestMainWindow::widgetTree()
{
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    QWidget *widget = window->findChild<QWidget *>(QLatin1String(QTest::currentDataTag()));
    QVERIFY(widget);
    QCOMPARE(widget->metaObject()->className(), className);
    QCOMPARE(widget->parentWidget()->objectName(), parentName);
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isEnabled());

    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *combo = qobject_cast<QComboBox *>(widget))
        QCOMPARE(combo->currentText(), text);
}

void TestMainWindow::comboBoxItems_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::newRow("comboBox") << QStringList {
        "Pink Noise",  "Water",       "Rain", "Lullaby",
        "Brown Noise", "White Noise", "None", "Your Own Sound..."};
    QStringList hours;
    for (int h = 0; h <= 12; ++h)
        hours << QStringLiteral("%1 h").arg(h);
    QTest::newRow("hours") << hours;
    QStringList minutes;
    for (int m = 5; m <= 55; m += 5)
        minutes << QStringLiteral("%1 m").arg(m);
    QTest::newRow("minutes") << minutes;
}

void TestMainWindow::comboBoxItems()
{
    QFETCH(QStringList, items);
    auto *combo = window->findChild<QComboBox *>(QLatin1String(QTest::currentDataTag()));
    QVERIFY(combo);
    QStringList actual;
    for (int i = 0; i < combo->count(); ++i)
        actual << combo->itemText(i);
    QCOMPARE(actual, items);
    QCOMPARE(combo->currentIndex(), 0);
}

void TestMainWindow::initialState()
{
    QVERIFY(!sessionPlayer->isRunning());

    auto *tone = part<QCheckBox>("Tone");
    auto *visualizer = part<QCheckBox>("Visualizer");
    QCOMPARE(tone->checkState(), Qt::Checked);
    QCOMPARE(visualizer->checkState(), Qt::Checked);
    QCOMPARE(visualizer->layoutDirection(), Qt::RightToLeft);

    auto *headline = part<QLabel>("selectedLabel");
    QCOMPARE(headline->font().pointSize() > 0, true);
    QVERIFY(headline->font().bold());
    QCOMPARE(headline->alignment(), Qt::AlignCenter);
    QCOMPARE(part<QLabel>("label_3")->alignment(), Qt::AlignCenter);
    QCOMPARE(part<QLabel>("label")->font().pointSize(), 11);

    auto *frame = part<QFrame>("frame");
    QCOMPARE(frame->frameShape(), QFrame::StyledPanel);
    QCOMPARE(frame->frameShadow(), QFrame::Sunken);
    auto *frame2 = part<QFrame>("frame_2");
    QCOMPARE(frame2->frameShape(), QFrame::StyledPanel);
    QCOMPARE(frame2->frameShadow(), QFrame::Raised);
    auto *line = part<QFrame>("line");
    QCOMPARE(line->frameShape(), QFrame::VLine);
    QCOMPARE(line->frameShadow(), QFrame::Sunken);

    auto *description = part<QTextBrowser>("sessionDescription");
    QCOMPARE(description->font().pointSize(), 8);
    QCOMPARE(description->frameShape(), QFrame::StyledPanel);
    QCOMPARE(description->frameShadow(), QFrame::Sunken);
    QCOMPARE(description->textInteractionFlags(), Qt::NoTextInteraction);
    QCOMPARE(description->toPlainText(),
             QStringLiteral("Please select a session from the list to the left. A description of "
                            "the session will appear in this block. \n\nAfter you have chosen a "
                            "session, choose an ambient noise, set the duration, and press start "
                            "to begin the session. "));
    QVERIFY(description->toHtml().contains("Lucida Grande"));
}

void TestMainWindow::programButtons_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVector<int>>("frequencies");
    QTest::addColumn<QVector<Colour>>("colours");

    const Colour yellow {1, 1, 0}, red {1, 0, 0}, blue {0, 0, 1}, magenta {1, 0, 1}, cyan {0, 1, 1};
    struct Row
    {
        const char *name;
        QVector<int> frequencies;
        QVector<Colour> colours;
    };
    const Row rows[] = {
        {"Active Concentration", {15, 27, 20}, {yellow, red, yellow}},
        {"Complete Meditation", {20, 3, 20}, {yellow, blue, red}},
        {"Deep Sleep", {20, 3, 20}, {yellow, red, blue}},
        {"Deep Thought Meditation", {20, 6, 15}, {yellow, blue, red}},
        {"Dream Sleep", {20, 6, 17}, {yellow, red, blue}},
        {"Morning Wake", {13, 27, 20}, {magenta, cyan, blue}},
        {"Quick Meditation", {20, 10, 17}, {yellow, red, blue}},
        {"Relaxed to Deep Thought", {13, 6, 13}, {yellow, blue, red}},
        {"Relaxed to Complete Meditation", {13, 3, 13}, {yellow, blue, red}},
        {"Tired to Deep Sleep", {13, 3, 20}, {yellow, red, blue}},
        {"Tired to Dreaming", {13, 6, 20}, {yellow, red, blue}},
    };
    for (int n = 1; n <= 11; ++n) {
        const Row &row = rows[n - 1];
        QTest::newRow(row.name) << n << row.name << row.frequencies << row.colours;
    }
}

void TestMainWindow::programButtons()
{
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(QVector<int>, frequencies);
    QFETCH(QVector<Colour>, colours);

    // Select another program first, so that everything below must come from this click.
    QTest::mouseClick(part<QPushButton>(number == 6 ? "program1" : "program6"), Qt::LeftButton);
    QTest::mouseClick(part<QPushButton>(("program" + QByteArray::number(number)).constData()),
                      Qt::LeftButton);

    QCOMPARE(part<QLabel>("selectedLabel")->text(), name);
    const QString description = part<QTextBrowser>("sessionDescription")->toPlainText();
    QCOMPARE(description, QString::fromLatin1(ProgramCatalogue::program(number).description));
    QCOMPARE(description.startsWith(' '), number == 7);
    QVERIFY(description.length() > 100);

    // Start plays the selected program.
    part<QCheckBox>("Visualizer")->setChecked(false);
    QTest::mouseClick(part<QPushButton>("startButton"), Qt::LeftButton);
    const Program *program = sessionPlayer->program();
    QCOMPARE(program, &ProgramCatalogue::program(number));
    QCOMPARE(
        QVector<int>({program->startFrequency, program->plateauFrequency, program->endFrequency}),
        frequencies);
    QVERIFY(program->startColour == colours[0]);
    QVERIFY(program->plateauColour == colours[1]);
    QVERIFY(program->endColour == colours[2]);
}

void TestMainWindow::soundMenuChoosesTheToneKind_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<ToneKind>("kind");
    QTest::addColumn<QString>("saved");

    QTest::newRow("isochronic") << 1 << ToneKind::Isochronic << "isochronic";
    QTest::newRow("monaural") << 2 << ToneKind::Monaural << "monaural";
    QTest::newRow("binaural again") << 0 << ToneKind::Binaural << "binaural";
}

// The menu offers the kinds as one choice; the choice goes to the player and into the settings
// file, and the next window starts with it.
void TestMainWindow::soundMenuChoosesTheToneKind()
{
    QFETCH(int, choice);
    QFETCH(ToneKind, kind);
    QFETCH(QString, saved);

    auto *menu = window->findChild<QMenu *>(QStringLiteral("soundMenu"));
    QVERIFY(menu);
    QStringList labels;
    for (QAction *action : menu->actions())
        labels << action->text();
    QCOMPARE(labels,
             (QStringList {"Binaural Beat (Headphones)", "Isochronic Pulses (Speakers)",
                           "Monaural Beat (Speakers)"}));
    menu->actions().at(choice)->trigger();
    QCOMPARE(sessionPlayer->toneKind(), kind);
    for (int i = 0; i < menu->actions().size(); ++i)
        QCOMPARE(menu->actions().at(i)->isChecked(), i == choice);

    QFile file(configHome.filePath("velmora/velmora.conf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY2(file.readAll().contains("tone=" + saved.toLatin1()), "not in the settings file");

    cleanup();
    init();
    QCOMPARE(sessionPlayer->toneKind(), kind);
    menu = window->findChild<QMenu *>(QStringLiteral("soundMenu"));
    QVERIFY(menu->actions().at(choice)->isChecked());
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
