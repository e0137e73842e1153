#include "app/beatplot.h"
#include "app/programeditor.h"
#include "player/sessionplayer.h"
#include "session/session.h"
#include "tests/windowparts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {

const QByteArray windDown = "[Velmora Program]\nName=Evening Wind-Down\n"
                            "Description=From alert to drowsy.\n\n"
                            "[Stage 1]\nLength=30m\nBeat=18 to 8\nColour=yellow to blue\n\n"
                            "[Stage 2]\nLength=rest\nBeat=8 to 4\nColour=blue\n";

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), data.size());
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The Programs menu and the program editor, as a user meets them in the window.
class TestProgramsMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menuListsTheUsersPrograms();
    void choosingOneSelectsIt();
    void badFileShowsItsError();
    void openedFileIsCopiedAndSelected();
    void tooShortSessionIsRefused();
    void usersProgramPlaysItsPlan();
    void newProgramIsSavedAndSelected();
    void editorMarksWhatItCannotRead_data();
    void editorMarksWhatItCannotRead();
    void editorAddsRemovesAndMovesStages();

private:
    QMenu *programsMenu() const { return window->findChild<QMenu *>("programsMenu"); }
    QAction *menuEntry(const QString &startingWith) const;
    QString headline() const { return WindowParts::child<QLabel>(window, "selectedLabel")->text(); }

    QTemporaryDir home;
    QString folder;
    SessionPlayer *player = nullptr;
    MainWindow *window = nullptr;
};

void TestProgramsMenu::initTestCase()
{
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    folder = home.filePath("velmora/programs");
}

void TestProgramsMenu::init()
{
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    writeFile(folder + "/wind-down.velmora", windDown);
    writeFile(folder + "/bad.velmora", "[Velmora Program]\nName=Bad\n\n[Stage 1]\nLength=soon\n");
    player = new SessionPlayer;
    window = new MainWindow(*player);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY(menuEntry("Evening Wind-Down"));
}

void TestProgramsMenu::cleanup()
{
    delete window;
    delete player;
    window = nullptr;
    player = nullptr;
}

// The user's programs are listed as the menu opens.
QAction *TestProgramsMenu::menuEntry(const QString &startingWith) const
{
    emit programsMenu()->aboutToShow();
    for (QAction *action : programsMenu()->actions()) {
        if (action->text().startsWith(startingWith))
            return action;
    }
    return nullptr;
}

void TestProgramsMenu::menuListsTheUsersPrograms()
{
    emit programsMenu()->aboutToShow();
    QStringList texts;
    for (QAction *action : programsMenu()->actions())
        texts.append(action->isSeparator() ? "-" : action->text());
    QCOMPARE(texts.mid(0, 6),
             QStringList({"&New Program...", "&Open Program File...", "&Edit Program...",
                          "D&uplicate Program...", "&Delete Program", "-"}));
    QCOMPARE(texts.size(), 8);
    QVERIFY2(texts[6].startsWith("bad (" + folder +
                                 "/bad.velmora: Stage 1 (line 4): there is "
                                 "no Beat"),
             qPrintable(texts[6]));
    QCOMPARE(texts[7], "Evening Wind-Down");
    QCOMPARE(window->findChild<QAction *>("newProgramAction")->shortcut(), QKeySequence::New);
    QCOMPARE(window->findChild<QAction *>("openProgramAction")->shortcut(), QKeySequence::Open);
}

void TestProgramsMenu::choosingOneSelectsIt()
{
    QSignalSpy selected(window, &MainWindow::programSelected);
    menuEntry("Evening Wind-Down")->trigger();
    QCOMPARE(headline(), "Evening Wind-Down");
    QCOMPARE(WindowParts::child<QTextBrowser>(window, "sessionDescription")->toPlainText(),
             "From alert to drowsy.");
    QCOMPARE(selected.value(0).value(0).toString(), "Evening Wind-Down");
    QVERIFY(menuEntry("Evening Wind-Down")->isChecked());

    // A program button chooses a built-in program again.
    WindowParts::child<QPushButton>(window, "program3")->click();
    QCOMPARE(headline(), "Deep Sleep");
    QVERIFY(!menuEntry("Evening Wind-Down")->isChecked());
}

void TestProgramsMenu::badFileShowsItsError()
{
    menuEntry("bad")->trigger();
    QCOMPARE(headline(), "bad: this program's file has an error");
    QVERIFY(WindowParts::child<QTextBrowser>(window, "sessionDescription")
                ->toPlainText()
                .contains("bad.velmora: Stage 1 (line 4): there is no Beat"));
    WindowParts::child<QPushButton>(window, "startButton")->click();
    QVERIFY(!player->isRunning());
}

void TestProgramsMenu::openedFileIsCopiedAndSelected()
{
    QTemporaryDir elsewhere;
    const QString original = elsewhere.filePath("from-a-friend.velmora");
    const QByteArray other = QByteArray(windDown).replace("8 to 4", "8 to 2");
    writeFile(original, other);
    window->openProgramFiles({original});
    QCOMPARE(headline(), "Evening Wind-Down (2)");
    QCOMPARE(contents(original), other);
    QVERIFY(menuEntry("Evening Wind-Down (2)"));
    QVERIFY(menuEntry("Evening Wind-Down (2)")->isChecked());
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3);
}

void TestProgramsMenu::tooShortSessionIsRefused()
{
    menuEntry("Evening Wind-Down")->trigger();
    // The window's length is 5 minutes until changed; the program needs 30.
    WindowParts::child<QPushButton>(window, "startButton")->click();
    QCOMPARE(headline(), "This program needs at least 30 min.");
    QVERIFY(!player->isRunning());
}

namespace {

// Its plan for 55 minutes, worked out here: 30 minutes from 18 Hz to 8 Hz, then the 25 left from
// 8 Hz to 4 Hz.
double windDownBeat(double seconds)
{
    return seconds < 1800 ? 18 + (8 - 18) * seconds / 1800 : 8 + (4 - 8) * (seconds - 1800) / 1500;
}

qint64 virtualNowMs = 0;

} // namespace

// Started from the window, in virtual time, the session has the beat the program plans at each
// tone loop's start, and ends when the program does.
void TestProgramsMenu::usersProgramPlaysItsPlan()
{
    menuEntry("Evening Wind-Down")->trigger();
    WindowParts::child<QComboBox>(window, "minutes")->setCurrentIndex(10);
    virtualNowMs = 1000000;
    player->setClock([] { return virtualNowMs; });
    player->setSelfTicking(false);
    window->findChild<QCheckBox *>("Visualizer")->setChecked(false);
    WindowParts::child<QPushButton>(window, "startButton")->click();
    QVERIFY(player->isRunning());
    QCOMPARE(player->programName(), "Evening Wind-Down");
    for (int start = 0; start < 55 * 60; start += 15) {
        virtualNowMs = 1000000 + qint64(start) * 1000;
        player->tick();
        QVERIFY2(qAbs(player->session().beatFrequency() - windDownBeat(start)) <= 1,
                 qPrintable(QStringLiteral("%1 Hz at %2 s, not %3 Hz")
                                .arg(player->session().beatFrequency())
                                .arg(start)
                                .arg(windDownBeat(start))));
    }
    virtualNowMs = 1000000 + 56 * 60 * 1000;
    player->tick();
    QVERIFY(!player->isRunning());
}

void TestProgramsMenu::newProgramIsSavedAndSelected()
{
    bool edited = false;
    QTimer::singleShot(0, this, [&] {
        auto *editor = qobject_cast<ProgramEditor *>(QApplication::activeModalWidget());
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), "New Program");
        editor->findChild<QLineEdit *>("nameEdit")->setText("Ten for Twenty");
        QTableWidget *table = editor->findChild<QTableWidget *>("stagesTable");
        table->item(0, ProgramEditor::LengthColumn)->setText("20m");
        table->item(0, ProgramEditor::BeatFromColumn)->setText("10");
        edited = true;
        editor->findChild<QPushButton *>("saveButton")->click();
    });
    window->findChild<QAction *>("newProgramAction")->trigger();
    QVERIFY(edited);
    QCOMPARE(headline(), "Ten for Twenty");
    const QByteArray saved = contents(folder + "/ten-for-twenty.velmora");
    QVERIFY2(saved.contains("Name=Ten for Twenty\n"), saved.constData());
    QVERIFY2(saved.contains("[Stage 1]\nLength=20m\nBeat=10\nColour=blue\n"), saved.constData());
}

void TestProgramsMenu::editorMarksWhatItCannotRead_data()
{
    QTest::addColumn<int>("row"); // -1 for the name
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("markedRow");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<bool>("plotted");

    QTest::newRow("beat too high")
        << 0 << int(ProgramEditor::BeatToColumn) << "99" << 0
        << "Stage 1, Beat to (Hz): Write a beat from 0.5 to 40 Hz." << false;
    QTest::newRow("a ramp in one beat's field")
        << 1 << int(ProgramEditor::BeatFromColumn) << "8 to 4" << 1
        << "Stage 2, Beat from (Hz): Write a beat from 0.5 to 40 Hz." << false;
    QTest::newRow("length not a length")
        << 0 << int(ProgramEditor::LengthColumn) << "soon" << 0
        << "Stage 1, Length: Write a time such as 90s, 5m or 1h30m, a share of the session "
           "such as 20%, or rest."
        << false;
    QTest::newRow("two rests") << 0 << int(ProgramEditor::LengthColumn) << "rest" << 1
                               << "Stage 2, Length: Stage 1 takes the rest already; only one "
                                  "stage may."
                               << false;
    QTest::newRow("unknown colour") << 1 << int(ProgramEditor::ColourToColumn) << "mauve" << 1
                                    << "Stage 2, Colour to: Write one of yellow, red, blue, "
                                       "magenta, cyan, or #rrggbb."
                                    << false;
    QTest::newRow("no name") << -1 << 0 << "" << -1 << "Name: a program needs a name." << true;
}

void TestProgramsMenu::editorMarksWhatItCannotRead()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, markedRow);
    QFETCH(QString, problem);
    QFETCH(bool, plotted);
    ProgramEditor editor(*ProgramFile::parse(windDown, "w").program, 3600, window);
    editor.show();
    QVERIFY(editor.isValid());
    auto *save = editor.findChild<QPushButton *>("saveButton");
    auto *plot = editor.findChild<BeatPlot *>("plot");
    QVERIFY(save->isEnabled());
    QCOMPARE(plot->plan().size(), 2);
    QCOMPARE(plot->plan()[0].lengthSeconds, 1800);

    QTableWidget *table = editor.findChild<QTableWidget *>("stagesTable");
    QLineEdit *name = editor.findChild<QLineEdit *>("nameEdit");
    QTableWidgetItem *item = row >= 0 ? table->item(row, column) : nullptr;
    const QString before = item ? item->text() : name->text();
    if (item)
        item->setText(text);
    else
        name->setText(text);
    QCOMPARE(editor.problemList(), QStringList {problem});
    QVERIFY(!save->isEnabled());
    QCOMPARE(editor.findChild<QLabel *>("problemsLabel")->text(), problem);
    // Marked where it is, with its reason.
    const QString reason =
        markedRow >= 0 ? table->item(markedRow, column)->toolTip() : name->toolTip();
    QVERIFY2(!reason.isEmpty() && problem.endsWith(reason.mid(1)), qPrintable(reason));
    if (markedRow >= 0)
        QVERIFY(table->item(markedRow, column)->background().color().alpha() > 0);
    QCOMPARE(!plot->plan().isEmpty(), plotted);

    // Written as it was, the mark goes, and Save is back.
    if (item)
        item->setText(before);
    else
        name->setText(before);
    QVERIFY(editor.isValid());
    QVERIFY(save->isEnabled());
    QVERIFY(markedRow < 0 || table->item(markedRow, column)->toolTip().isEmpty());
    QCOMPARE(plot->plan().size(), 2);
}

void TestProgramsMenu::editorAddsRemovesAndMovesStages()
{
    ProgramEditor editor(*ProgramFile::parse(windDown, "w").program, 3600, window);
    editor.show();
    QTableWidget *table = editor.findChild<QTableWidget *>("stagesTable");
    auto *plot = editor.findChild<BeatPlot *>("plot");

    table->setCurrentCell(1, 0);
    editor.findChild<QPushButton *>("addButton")->click();
    QCOMPARE(table->rowCount(), 3);
    // A new stage holds where the one before it ends, for five minutes.
    QCOMPARE(table->item(2, ProgramEditor::LengthColumn)->text(), "5m");
    QCOMPARE(table->item(2, ProgramEditor::BeatFromColumn)->text(), "4");
    QCOMPARE(editor.program().stages.size(), 3);
    QCOMPARE(plot->plan().size(), 3);
    QCOMPARE(plot->plan()[1].lengthSeconds, 1500);

    editor.findChild<QPushButton *>("upButton")->click();
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(editor.program().stages[1].length.seconds, 300);
    QCOMPARE(editor.program().stages[2].length.kind, StageLength::Kind::Rest);

    editor.findChild<QPushButton *>("removeButton")->click();
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(editor.program().stages.size(), 2);
    QVERIFY(editor.isValid());
    QCOMPARE(plot->plan()[1].lengthSeconds, 1800);
}

QTEST_MAIN(TestProgramsMenu)
#include "test_programsmenu.moc"
