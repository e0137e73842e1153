#include "programs/programchoice.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray windDown =
    "[Velmora Program]\nName=Evening Wind-Down\nName[de]=Abendruhe\n"
    "Description=From alert to drowsy.\nDescription[de]=Von wach zu müde.\n\n"
    "[Stage 1]\nLength=30m\nBeat=18 to 8\nColour=yellow to blue\n\n"
    "[Stage 2]\nLength=rest\nBeat=8 to 4\nColour=blue\n";

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), data.size());
}

} // namespace

class TestProgramChoice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void builtInProgram();
    void usersProgram_data();
    void usersProgram();
    void badFileListedWithItsError();
    void openedFileIsCopiedAndChosen();
    void duplicateTakesAnUnusedName();
    void deleteGoesToTheTrash();
    void fileGoneIsChosenNoMore();

private:
    QTemporaryDir home;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<ProgramLibrary> library;
    std::unique_ptr<ProgramChoice> choice;
};

void TestProgramChoice::initTestCase()
{
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
}

void TestProgramChoice::init()
{
    folder = std::make_unique<QTemporaryDir>(home.filePath("programs-XXXXXX"));
    writeFile(folder->filePath("wind-down.velmora"), windDown);
    writeFile(folder->filePath("bad.velmora"), "[Velmora Program]\nName=Bad\n");
    library = std::make_unique<ProgramLibrary>(folder->path());
    library->load();
    choice = std::make_unique<ProgramChoice>(*library);
}

void TestProgramChoice::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestProgramChoice::builtInProgram()
{
    QVERIFY(!choice->isChosen());
    QSignalSpy chosen(choice.get(), &ProgramChoice::chosenChanged);
    choice->chooseBuiltIn(3);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(choice->name(), "Deep Sleep");
    QVERIFY(choice->description().startsWith("Like the previous program"));
    const ProgramChoice::Session session = choice->sessionFor(300);
    QCOMPARE(session.builtIn, &ProgramCatalogue::program(3));
    QVERIFY(session.refusal.isEmpty());
    QVERIFY(!choice->editable());
}

void TestProgramChoice::usersProgram_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QList<int>>("lengths");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("an hour") << "C" << 3600 << "Evening Wind-Down"
                             << "From alert to drowsy." << QList {1800, 1800} << "";
    QTest::newRow("in German") << "de_DE" << 2100 << "Abendruhe"
                               << "Von wach zu müde." << QList {1800, 300} << "";
    QTest::newRow("too short") << "C" << 25 * 60 << "Evening Wind-Down"
                               << "From alert to drowsy." << QList<int>()
                               << "This program needs at least 30 min.";
}

void TestProgramChoice::usersProgram()
{
    QFETCH(QString, locale);
    QFETCH(int, seconds);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QList<int>, lengths);
    QFETCH(QString, refusal);
    QLocale::setDefault(QLocale(locale));

    QVERIFY(choice->chooseUser(folder->filePath("wind-down.velmora")));
    QCOMPARE(choice->builtInNumber(), 0);
    QCOMPARE(choice->name(), name);
    QCOMPARE(choice->description(), description);
    const ProgramChoice::Session session = choice->sessionFor(seconds);
    QVERIFY(!session.builtIn);
    QCOMPARE(session.refusal, refusal);
    QList<int> planned;
    for (const PlannedStage &stage : session.stages)
        planned.append(stage.lengthSeconds);
    QCOMPARE(planned, lengths);
    QCOMPARE(choice->editable()->name, "Evening Wind-Down");
}

void TestProgramChoice::badFileListedWithItsError()
{
    const QList<ProgramChoice::MenuEntry> entries = choice->menuEntries();
    QCOMPARE(entries.size(), 2);
    QVERIFY(!entries[0].playable);
    QVERIFY2(entries[0].text.startsWith("bad (" + folder->filePath("bad.velmora") + ": line 1:"),
             qPrintable(entries[0].text));
    QCOMPARE(entries[1].text, "Evening Wind-Down");
    QVERIFY(entries[1].playable);

    QVERIFY(choice->chooseUser(entries[0].path));
    QVERIFY(choice->error().contains("no stages"));
    QCOMPARE(choice->description(), choice->error());
    QVERIFY(!choice->sessionFor(3600).refusal.isEmpty());
}

void TestProgramChoice::openedFileIsCopiedAndChosen()
{
    QTemporaryDir elsewhere;
    const QString original = elsewhere.filePath("shared.velmora");
    writeFile(original, QByteArray(windDown).replace("8 to 4", "8 to 2"));
    QCOMPARE(choice->open(original), QString());
    QCOMPARE(choice->name(), "Evening Wind-Down (2)");
    QVERIFY(choice->userPath().startsWith(folder->path()));
    QVERIFY(QFile::exists(original));
    QCOMPARE(choice->menuEntries().size(), 3);

    QVERIFY(choice->open(elsewhere.filePath("none.velmora")).contains("no such file"));
    QCOMPARE(choice->name(), "Evening Wind-Down (2)");
}

void TestProgramChoice::duplicateTakesAnUnusedName()
{
    choice->chooseBuiltIn(6);
    const auto copy = choice->duplicate(25 * 60);
    QCOMPARE(copy->name, "Morning Wake");
    QCOMPARE(choice->save(*copy), QString());
    QCOMPARE(choice->name(), "Morning Wake");
    QCOMPARE(choice->duplicate(25 * 60)->name, "Morning Wake (2)");
}

void TestProgramChoice::deleteGoesToTheTrash()
{
    const QString path = folder->filePath("wind-down.velmora");
    QVERIFY(choice->chooseUser(path));
    QCOMPARE(choice->deleteChosen(), QString());
    QVERIFY(!choice->isChosen());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(choice->menuEntries().size(), 1);
}

void TestProgramChoice::fileGoneIsChosenNoMore()
{
    QVERIFY(choice->chooseUser(folder->filePath("wind-down.velmora")));
    QSignalSpy menu(choice.get(), &ProgramChoice::menuChanged);
    QVERIFY(QFile::remove(folder->filePath("wind-down.velmora")));
    QTRY_VERIFY(!choice->isChosen());
    QVERIFY(menu.size() >= 1);
}

QTEST_GUILESS_MAIN(TestProgramChoice)
#include "test_programchoice.moc"
