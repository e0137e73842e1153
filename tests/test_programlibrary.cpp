#include "programs/programlibrary.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray programText(const QByteArray &name, const QByteArray &beat = "8")
{
    return "[Velmora Program]\nName=" + name +
        "\n# by hand\nX-Later=kept\n\n[Stage 1]\nLength=rest\n"
        "Beat=" +
        beat + "\nColour=blue\n";
}

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

QStringList names(const ProgramLibrary &library)
{
    QStringList found;
    for (const UserProgram &each : library.programs())
        found.append(each.name());
    return found;
}

} // namespace

class TestProgramLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void readsTheFolderBadFilesIncluded();
    void readsInTheBackground();
    void followsTheFolder();
    void savesWholeFilesKeepingUnknownKeys();
    void importsCopiesAndKeepsBoth_data();
    void importsCopiesAndKeepsBoth();
    void refusesABadFileToImport();
    void deletesToTheTrash();
    void copiesABuiltInProgram_data();
    void copiesABuiltInProgram();

private:
    QTemporaryDir home;
    std::unique_ptr<QTemporaryDir> folder;
};

void TestProgramLibrary::initTestCase()
{
    // The trash too is under the data folder; the test's own. A file goes to that trash only when
    // it is on the home folder's file system (others have a trash of their own at their top), so
    // the home folder is the test's too.
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    qputenv("HOME", home.path().toUtf8());
}

void TestProgramLibrary::init()
{
    folder = std::make_unique<QTemporaryDir>(home.filePath("velmora-programs-XXXXXX"));
}

void TestProgramLibrary::readsTheFolderBadFilesIncluded()
{
    QCOMPARE(ProgramLibrary::defaultFolder(), home.filePath("velmora/programs"));
    writeFile(folder->filePath("b.velmora"), programText("Zebra Calm"));
    writeFile(folder->filePath("a.velmora"), programText("alpha Drift"));
    writeFile(folder->filePath("broken.velmora"), programText("Broken", "99"));
    writeFile(folder->filePath("notes.txt"), "not a program");

    ProgramLibrary library(folder->path());
    QVERIFY(library.programs().isEmpty());
    library.load();
    QCOMPARE(names(library), QStringList({"alpha Drift", "broken", "Zebra Calm"}));
    const UserProgram *broken = library.findByPath(folder->filePath("broken.velmora"));
    QVERIFY(broken && !broken->program);
    QVERIFY2(broken->error.contains("broken.velmora: Stage 1, Beat"), qPrintable(broken->error));
    QCOMPARE(library.findByName("ZEBRA calm")->path, folder->filePath("b.velmora"));
    QVERIFY(!library.findByName("Broken"));
}

void TestProgramLibrary::readsInTheBackground()
{
    for (int i = 0; i < 50; ++i)
        writeFile(folder->filePath(QStringLiteral("p%1.velmora").arg(i)),
                  programText("Program " + QByteArray::number(i)));
    ProgramLibrary library(folder->path());
    QSignalSpy changed(&library, &ProgramLibrary::changed);
    library.loadInBackground();
    QVERIFY(!library.isLoaded());
    QTRY_VERIFY(library.isLoaded());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(library.programs().size(), 50);
    QCOMPARE(library.programs().first().name(), "Program 0");

    // A reading still under way when the library goes does not outlive it.
    ProgramLibrary leaving(folder->path());
    leaving.loadInBackground();
}

void TestProgramLibrary::followsTheFolder()
{
    ProgramLibrary library(folder->path());
    library.load();
    QSignalSpy changed(&library, &ProgramLibrary::changed);

    writeFile(folder->filePath("new.velmora"), programText("Newcomer"));
    QTRY_COMPARE(names(library), QStringList({"Newcomer"}));

    // Spoiled in place, it stays in the list with its error.
    writeFile(folder->filePath("new.velmora"), programText("Newcomer", "fast"));
    QTRY_VERIFY(!library.programs().value(0).error.isEmpty());
    QCOMPARE(library.programs().size(), 1);

    QVERIFY(QFile::remove(folder->filePath("new.velmora")));
    QTRY_VERIFY(library.programs().isEmpty());
    QVERIFY(changed.size() >= 3);
}

void TestProgramLibrary::savesWholeFilesKeepingUnknownKeys()
{
    ProgramLibrary library(folder->path());
    library.load();
    ProgramDefinition program = *ProgramFile::parse(programText("Tea Time"), "t").program;
    const ProgramLibrary::Result made = library.save(program);
    QVERIFY2(made.error.isEmpty(), qPrintable(made.error));
    QCOMPARE(made.path, folder->filePath("tea-time.velmora"));
    QCOMPARE(names(library), QStringList({"Tea Time"}));

    // A second program of the same name gets a file of its own.
    QCOMPARE(library.save(program).path, folder->filePath("tea-time-2.velmora"));

    writeFile(made.path, programText("Tea Time"));
    program.name = "Tea Time Later";
    QCOMPARE(library.save(program, made.path).path, made.path);
    const QByteArray saved = contents(made.path);
    QVERIFY2(saved.contains("Name=Tea Time Later\n# by hand\nX-Later=kept\n"), saved.constData());
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files).size(), 2);
}

void TestProgramLibrary::importsCopiesAndKeepsBoth_data()
{
    QTest::addColumn<QByteArray>("inFolder");
    QTest::addColumn<QByteArray>("opened");
    QTest::addColumn<QStringList>("namesAfter");
    QTest::addColumn<QString>("selected");

    QTest::newRow("new name") << programText("Mine") << programText("Evening Wind-Down")
                              << QStringList {"Evening Wind-Down", "Mine"} << "Evening Wind-Down";
    QTest::newRow("same name, same stages")
        << programText("Evening Wind-Down") << programText("evening wind-down")
        << QStringList {"Evening Wind-Down"} << "Evening Wind-Down";
    QTest::newRow("same name, other stages")
        << programText("Evening Wind-Down") << programText("Evening Wind-Down", "4 to 2")
        << QStringList {"Evening Wind-Down", "Evening Wind-Down (2)"} << "Evening Wind-Down (2)";
}

void TestProgramLibrary::importsCopiesAndKeepsBoth()
{
    QFETCH(QByteArray, inFolder);
    QFETCH(QByteArray, opened);
    QFETCH(QStringList, namesAfter);
    QFETCH(QString, selected);
    writeFile(folder->filePath("first.velmora"), inFolder);
    QTemporaryDir elsewhere;
    const QString original = elsewhere.filePath("From A Friend.velmora");
    writeFile(original, opened);

    ProgramLibrary library(folder->path());
    library.load();
    const ProgramLibrary::Result imported = library.import(original);
    QVERIFY2(imported.error.isEmpty(), qPrintable(imported.error));
    QCOMPARE(names(library), namesAfter);
    QCOMPARE(library.findByPath(imported.path)->name(), selected);
    QVERIFY(imported.path.startsWith(folder->path()));
    QCOMPARE(contents(original), opened);
    // The copy keeps what this version does not know.
    QVERIFY(contents(imported.path).contains("X-Later=kept\n"));
}

void TestProgramLibrary::refusesABadFileToImport()
{
    QTemporaryDir elsewhere;
    const QString bad = elsewhere.filePath("bad.velmora");
    writeFile(bad, "[Velmora Program]\nName=Bad\n");
    ProgramLibrary library(folder->path());
    library.load();
    const ProgramLibrary::Result imported = library.import(bad);
    QVERIFY(imported.path.isEmpty());
    QVERIFY2(imported.error.startsWith(bad + ": line 1: "), qPrintable(imported.error));
    QVERIFY(library.programs().isEmpty());
}

void TestProgramLibrary::deletesToTheTrash()
{
    ProgramLibrary library(folder->path());
    library.load();
    const QString path = library.save(*ProgramFile::parse(programText("Doomed"), "d").program).path;
    QVERIFY(!path.isEmpty());
    QCOMPARE(library.remove(path), QString());
    QVERIFY(!QFile::exists(path));
    QVERIFY(library.programs().isEmpty());
    QVERIFY(QFile::exists(home.filePath("Trash/files/doomed.velmora")));
    QVERIFY(!library.remove(path).isEmpty());
}

void TestProgramLibrary::copiesABuiltInProgram_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QList<int>>("lengths");

    QTest::newRow("Deep Sleep, 35 min") << 3 << 35 * 60 << QList {600, 900, 600};
    QTest::newRow("Morning Wake, 5 min") << 6 << 5 * 60 << QList {90, 120, 90};
    QTest::newRow("Active Concentration, 2 h 05") << 1 << 125 * 60 << QList {600, 6300, 600};
}

// The copy, played at the length it was made at, has the built-in program's stages.
void TestProgramLibrary::copiesABuiltInProgram()
{
    QFETCH(int, number);
    QFETCH(int, seconds);
    QFETCH(QList<int>, lengths);
    const Program &original = ProgramCatalogue::program(number);
    const ProgramDefinition copy = ProgramFile::copyOf(original, seconds);
    QCOMPARE(copy.name, QString::fromLatin1(original.name));
    const StagePlan plan = *StagePlanner::plan(copy, seconds);
    QCOMPARE(plan.size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(plan[i].lengthSeconds, lengths[i]);
    QCOMPARE(plan[0].beatFrom, float(original.startFrequency));
    QCOMPARE(plan[1].beatFrom, float(original.plateauFrequency));
    QCOMPARE(plan[2].beatTo, float(original.endFrequency));
    QVERIFY(plan[2].colourTo == original.endColour);
    // Saved and read back, it is the same program.
    const ProgramFile::Reading again = ProgramFile::parse(ProgramFile::write(copy), "copy");
    QVERIFY2(again.program, qPrintable(again.error));
    QVERIFY(again.program->stages == copy.stages);
}

QTEST_GUILESS_MAIN(TestProgramLibrary)
#include "test_programlibrary.moc"
