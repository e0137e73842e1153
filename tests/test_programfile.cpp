#include "programs/keyfile.h"
#include "programs/programfile.h"

#include <QTemporaryDir>
#include <QTest>

#include <glib.h>

Q_DECLARE_METATYPE(StageLength)
Q_DECLARE_METATYPE(QList<int>)

namespace {

const char eveningWindDown[] = "# From work to sleep in three steps.\n"
                               "[Velmora Program]\n"
                               "Name=Evening Wind-Down\n"
                               "Name[de]=Abendruhe\n"
                               "Description=From alert to drowsy.\n"
                               "X-Future-Key=kept\n"
                               "\n"
                               "[Stage 1]\n"
                               "Length=5m\n"
                               "Beat=18 to 8\n"
                               "Colour=yellow to blue\n"
                               "\n"
                               "[Stage 2]\n"
                               "# the middle takes what the others leave\n"
                               "Length=rest\n"
                               "Beat=8\n"
                               "Colour=blue\n"
                               "\n"
                               "[Stage 3]\n"
                               "Length=20%\n"
                               "Beat=8 to 3.5\n"
                               "Colour=blue to #200010\n"
                               "\n"
                               "[Colour Notes]\n"
                               "Comment=a group this version does not know\n";

StageDefinition stage(StageLength length, float from, float to)
{
    return {length, from, to, {1, 1, 0}, {0, 0, 1}};
}

StageLength time(int seconds)
{
    return {StageLength::Kind::Time, seconds, 0};
}

StageLength share(double percent)
{
    return {StageLength::Kind::Share, 0, percent};
}

StageLength rest()
{
    return {StageLength::Kind::Rest, 0, 0};
}

} // namespace

class TestProgramFile : public QObject
{
    Q_OBJECT

private slots:
    void lengths_data();
    void lengths();
    void beats_data();
    void beats();
    void colours_data();
    void colours();
    void readsTheExample();
    void savingKeepsWhatItDoesNotKnow();
    void glibReadsWhatItWrites();
    void plans_data();
    void plans();
    void tooShort_data();
    void tooShort();
    void malformedFiles_data();
    void namesItsKindOfTone();
    void malformedFiles();

private:
    QTemporaryDir folder;
};

void TestProgramFile::lengths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<StageLength>("length");
    QTest::addColumn<QString>("writtenAs");

    QTest::newRow("seconds") << "90s" << true << time(90) << "1m30s";
    QTest::newRow("minutes") << "5m" << true << time(300) << "5m";
    QTest::newRow("hours and minutes") << "1h30m" << true << time(5400) << "1h30m";
    QTest::newRow("spaced, any case") << " 1H 30M 10S " << true << time(5410) << "1h30m10s";
    QTest::newRow("longest session") << "12h55m" << true << time(46500) << "12h55m";
    QTest::newRow("share") << "20%" << true << share(20) << "20%";
    QTest::newRow("fractional share") << "12.5 %" << true << share(12.5) << "12.5%";
    QTest::newRow("whole session") << "100%" << true << share(100) << "100%";
    QTest::newRow("rest") << "Rest" << true << rest() << "rest";
    QTest::newRow("a word") << "soon" << false << StageLength() << "";
    QTest::newRow("empty") << "" << false << StageLength() << "";
    QTest::newRow("zero") << "0m" << false << StageLength() << "";
    QTest::newRow("no unit") << "90" << false << StageLength() << "";
    QTest::newRow("longer than any session") << "13h" << false << StageLength() << "";
    QTest::newRow("no share") << "0%" << false << StageLength() << "";
    QTest::newRow("more than the session") << "120%" << false << StageLength() << "";
}

void TestProgramFile::lengths()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const auto parsed = ProgramFile::parseLength(text);
    QCOMPARE(parsed.has_value(), valid);
    if (!valid)
        return;
    QFETCH(StageLength, length);
    QFETCH(QString, writtenAs);
    QVERIFY(*parsed == length);
    QCOMPARE(ProgramFile::lengthText(*parsed), writtenAs);
    QVERIFY(*ProgramFile::parseLength(writtenAs) == length);
}

void TestProgramFile::beats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<float>("from");
    QTest::addColumn<float>("to");
    QTest::addColumn<QString>("writtenAs");

    QTest::newRow("ramp") << "18 to 8" << true << 18.f << 8.f << "18 to 8";
    QTest::newRow("held") << "8" << true << 8.f << 8.f << "8";
    QTest::newRow("fractions, Hz, any case")
        << "4.5Hz TO 10 Hz" << true << 4.5f << 10.f << "4.5 to 10";
    QTest::newRow("lowest") << "0.5" << true << 0.5f << 0.5f << "0.5";
    QTest::newRow("highest") << "40" << true << 40.f << 40.f << "40";
    QTest::newRow("too high") << "99" << false << 0.f << 0.f << "";
    QTest::newRow("too low") << "0.4 to 4" << false << 0.f << 0.f << "";
    QTest::newRow("negative") << "-3" << false << 0.f << 0.f << "";
    QTest::newRow("three values") << "18 to 8 to 4" << false << 0.f << 0.f << "";
    QTest::newRow("a word") << "fast" << false << 0.f << 0.f << "";
    QTest::newRow("empty") << "" << false << 0.f << 0.f << "";
}

void TestProgramFile::beats()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const auto parsed = ProgramFile::parseBeat(text);
    QCOMPARE(parsed.has_value(), valid);
    if (!valid)
        return;
    QFETCH(float, from);
    QFETCH(float, to);
    QFETCH(QString, writtenAs);
    QCOMPARE(parsed->first, from);
    QCOMPARE(parsed->second, to);
    QCOMPARE(ProgramFile::beatText(from, to), writtenAs);
}

void TestProgramFile::colours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QColor>("from");
    QTest::addColumn<QColor>("to");
    QTest::addColumn<QString>("writtenAs");

    QTest::newRow("names") << "yellow to blue" << true << QColor(255, 255, 0) << QColor(0, 0, 255)
                           << "yellow to blue";
    QTest::newRow("held, any case")
        << "Magenta" << true << QColor(255, 0, 255) << QColor(255, 0, 255) << "magenta";
    QTest::newRow("hex") << "#ff8000 to #00FFff" << true << QColor(255, 128, 0)
                         << QColor(0, 255, 255) << "#ff8000 to cyan";
    QTest::newRow("red") << "red" << true << QColor(255, 0, 0) << QColor(255, 0, 0) << "red";
    QTest::newRow("unknown name") << "mauve" << false << QColor() << QColor() << "";
    QTest::newRow("short hex") << "#f80" << false << QColor() << QColor() << "";
    QTest::newRow("empty") << "" << false << QColor() << QColor() << "";
}

void TestProgramFile::colours()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const auto parsed = ProgramFile::parseColour(text);
    QCOMPARE(parsed.has_value(), valid);
    if (!valid)
        return;
    QFETCH(QColor, from);
    QFETCH(QColor, to);
    QFETCH(QString, writtenAs);
    const auto asQColor = [](const Colour &c) { return QColor::fromRgbF(c.red, c.green, c.blue); };
    QCOMPARE(asQColor(parsed->first).rgb(), from.rgb());
    QCOMPARE(asQColor(parsed->second).rgb(), to.rgb());
    QCOMPARE(ProgramFile::colourText(parsed->first, parsed->second), writtenAs);
}

void TestProgramFile::readsTheExample()
{
    const ProgramFile::Reading reading = ProgramFile::parse(eveningWindDown, "evening.velmora");
    QVERIFY2(reading.program, qPrintable(reading.error));
    const ProgramDefinition &program = *reading.program;
    QCOMPARE(program.name, "Evening Wind-Down");
    QCOMPARE(program.nameFor("de_DE"), "Abendruhe");
    QCOMPARE(program.nameFor("fr"), "Evening Wind-Down");
    QCOMPARE(program.description, "From alert to drowsy.");
    QCOMPARE(program.stages.size(), 3);
    QVERIFY(program.stages[0].length == time(300));
    QCOMPARE(program.stages[0].beatFrom, 18.f);
    QCOMPARE(program.stages[0].beatTo, 8.f);
    QVERIFY(program.stages[1].length == rest());
    QVERIFY(program.stages[2].length == share(20));
    QCOMPARE(program.stages[2].beatTo, 3.5f);
    QCOMPARE(ProgramFile::oneColourText(program.stages[2].colourTo), "#200010");
}

// Tone= names the kind of tone a program plays with, in any case; it is saved back as it was read,
// and a program that names none leaves the choice to the window or the command line.
void TestProgramFile::namesItsKindOfTone()
{
    QVERIFY(!ProgramFile::parse(eveningWindDown, "evening.velmora").program->tone);
    const QByteArray speakers = "[Velmora Program]\nName=Speakers\nTone=Isochronic\n\n"
                                "[Stage 1]\nLength=rest\nBeat=10\nColour=blue\n";
    const ProgramFile::Reading reading = ProgramFile::parse(speakers, "speakers.velmora");
    QVERIFY2(reading.program, qPrintable(reading.error));
    QCOMPARE(reading.program->tone, std::optional<ToneKind>(ToneKind::Isochronic));
    ProgramDefinition changed = *reading.program;
    changed.tone = ToneKind::Monaural;
    QVERIFY(ProgramFile::write(changed, reading.document).contains("Tone=monaural\n"));
    changed.tone.reset();
    QVERIFY(!ProgramFile::write(changed, reading.document).contains("Tone="));
}

// A file saved by this version keeps every comment, key and group it did not understand, and
// changes only the values that were changed.
void TestProgramFile::savingKeepsWhatItDoesNotKnow()
{
    ProgramFile::Reading reading = ProgramFile::parse(eveningWindDown, "evening.velmora");
    QVERIFY(reading.program);
    QCOMPARE(ProgramFile::write(*reading.program, reading.document), QByteArray(eveningWindDown));

    ProgramDefinition changed = *reading.program;
    changed.name = "Night Wind-Down";
    changed.stages.removeLast();
    changed.stages[1].beatFrom = 7;
    const QByteArray saved = ProgramFile::write(changed, reading.document);
    QVERIFY(saved.contains("# From work to sleep in three steps.\n[Velmora Program]\n"
                           "Name=Night Wind-Down\n"));
    QVERIFY(saved.contains("X-Future-Key=kept\n"));
    QVERIFY(saved.contains("# the middle takes what the others leave\n"));
    QVERIFY(saved.contains("[Colour Notes]\nComment=a group this version does not know\n"));
    QVERIFY(saved.contains("Beat=7 to 8\n"));
    QVERIFY(!saved.contains("[Stage 3]"));

    const ProgramFile::Reading again = ProgramFile::parse(saved, "evening.velmora");
    QVERIFY2(again.program, qPrintable(again.error));
    QCOMPARE(again.program->name, changed.name);
    QVERIFY(again.program->stages == changed.stages);
}

// GLib's own reader takes what this one writes, escapes and languages included; and this one
// reads what GLib writes.
void TestProgramFile::glibReadsWhatItWrites()
{
    ProgramDefinition program;
    program.name = "  Spaced\tand\\slashed";
    program.description = "Two\nlines";
    program.localizedNames.insert("pt_BR", "Relaxar à noite");
    program.stages = {stage(share(50), 10, 4), stage(rest(), 4, 4)};
    const QByteArray text = ProgramFile::write(program);

    GKeyFile *keyFile = g_key_file_new();
    GError *error = nullptr;
    QVERIFY2(g_key_file_load_from_data(
                 keyFile, text.constData(), text.size(),
                 GKeyFileFlags(G_KEY_FILE_KEEP_COMMENTS | G_KEY_FILE_KEEP_TRANSLATIONS), &error),
             error ? error->message : "");
    const auto glibString = [&](const char *group, const char *key) {
        gchar *value = g_key_file_get_string(keyFile, group, key, nullptr);
        const QString result = QString::fromUtf8(value);
        g_free(value);
        return result;
    };
    QCOMPARE(glibString("Velmora Program", "Name"), program.name);
    QCOMPARE(glibString("Velmora Program", "Description"), program.description);
    gchar *localized =
        g_key_file_get_locale_string(keyFile, "Velmora Program", "Name", "pt_BR", nullptr);
    QCOMPARE(QString::fromUtf8(localized), "Relaxar à noite");
    g_free(localized);
    QCOMPARE(glibString("Stage 1", "Length"), "50%");
    QCOMPARE(glibString("Stage 2", "Length"), "rest");

    g_key_file_set_string(keyFile, "Stage 2", "Beat", "6 to 2");
    g_key_file_set_comment(keyFile, "Stage 2", nullptr, " written by GLib", nullptr);
    gsize size = 0;
    gchar *glibText = g_key_file_to_data(keyFile, &size, nullptr);
    const ProgramFile::Reading reading = ProgramFile::parse(QByteArray(glibText, size), "glib");
    g_free(glibText);
    g_key_file_free(keyFile);
    QVERIFY2(reading.program, qPrintable(reading.error));
    QCOMPARE(reading.program->name, program.name);
    QCOMPARE(reading.program->description, program.description);
    QCOMPARE(reading.program->stages[1].beatFrom, 6.f);
    QCOMPARE(reading.program->stages[1].beatTo, 2.f);
}

void TestProgramFile::plans_data()
{
    QTest::addColumn<QList<StageDefinition>>("stages");
    QTest::addColumn<int>("sessionSeconds");
    QTest::addColumn<QList<int>>("lengths");

    QTest::newRow("times and a rest")
        << QList {stage(time(300), 18, 8), stage(rest(), 8, 8), stage(time(600), 8, 4)} << 3600
        << QList {300, 2700, 600};
    QTest::newRow("time, rest and share")
        << QList {stage(time(300), 18, 8), stage(rest(), 8, 8), stage(share(20), 8, 4)} << 35 * 60
        << QList {300, 1380, 420};
    QTest::newRow("shares alone fill the session")
        << QList {stage(share(25), 10, 10), stage(share(75), 10, 4)} << 3600 << QList {900, 2700};
    QTest::newRow("no rest: times stretched alike")
        << QList {stage(time(600), 18, 8), stage(time(1200), 8, 4)} << 3600 << QList {1200, 2400};
    QTest::newRow("no rest: time and share stretched alike")
        << QList {stage(time(600), 18, 8), stage(share(50), 8, 4)} << 1800 << QList {720, 1080};
    QTest::newRow("thirds round to whole seconds")
        << QList {stage(time(60), 1, 1), stage(time(60), 2, 2), stage(time(60), 3, 3)} << 301
        << QList {100, 101, 100};
    QTest::newRow("exactly the fixed times, rest left out")
        << QList {stage(time(240), 18, 8), stage(rest(), 8, 8), stage(time(60), 8, 4)} << 300
        << QList {240, 60};
    QTest::newRow("the manual's example, an hour")
        << QList {stage(time(300), 18, 8), stage(rest(), 8, 8), stage(share(20), 8, 4)} << 3600
        << QList {300, 2580, 720};
    QTest::newRow("the manual's example without its rest")
        << QList {stage(time(300), 18, 8), stage(share(20), 8, 4)} << 3600 << QList {1059, 2541};
    QTest::newRow("too long for the session")
        << QList {stage(time(3600), 18, 8), stage(rest(), 8, 8)} << 1800 << QList<int>();
    QTest::newRow("time and shares too long")
        << QList {stage(time(600), 18, 8), stage(share(80), 8, 4)} << 1800 << QList<int>();
}

void TestProgramFile::plans()
{
    QFETCH(QList<StageDefinition>, stages);
    QFETCH(int, sessionSeconds);
    QFETCH(QList<int>, lengths);
    ProgramDefinition program;
    program.name = "Test";
    program.stages = stages;
    const auto plan = StagePlanner::plan(program, sessionSeconds);
    QCOMPARE(plan.has_value(), !lengths.isEmpty());
    if (!plan)
        return;
    QList<int> planned;
    int total = 0;
    for (const PlannedStage &each : *plan) {
        planned.append(each.lengthSeconds);
        total += each.lengthSeconds;
    }
    QCOMPARE(planned, lengths);
    QCOMPARE(total, sessionSeconds);
    // The stages keep their own beats in order, the one left out skipped.
    QCOMPARE(plan->first().beatFrom, stages.first().beatFrom);
    QCOMPARE(plan->last().beatTo, stages.last().beatTo);
}

void TestProgramFile::tooShort_data()
{
    QTest::addColumn<QList<StageDefinition>>("stages");
    QTest::addColumn<int>("shortestMinutes");
    QTest::addColumn<QString>("message");

    QTest::newRow("an hour and a half of times")
        << QList {stage(time(3600), 18, 8), stage(rest(), 8, 8), stage(time(1800), 8, 4)} << 90
        << "This program needs at least 1 h 30 min.";
    QTest::newRow("ten minutes and half the session")
        << QList {stage(time(600), 18, 8), stage(share(50), 8, 4)} << 20
        << "This program needs at least 20 min.";
    QTest::newRow("whole hours") << QList {stage(time(7200), 18, 8)} << 120
                                 << "This program needs at least 2 h.";
    QTest::newRow("shares alone fit any length")
        << QList {stage(share(30), 18, 8), stage(rest(), 8, 8)} << 0 << "";
}

void TestProgramFile::tooShort()
{
    QFETCH(QList<StageDefinition>, stages);
    QFETCH(int, shortestMinutes);
    QFETCH(QString, message);
    ProgramDefinition program;
    program.stages = stages;
    QCOMPARE(StagePlanner::shortestMinutes(program), shortestMinutes);
    if (shortestMinutes == 0)
        return;
    QCOMPARE(StagePlanner::tooShortMessage(program), message);
    QVERIFY(StagePlanner::plan(program, shortestMinutes * 60));
    QVERIFY(!StagePlanner::plan(program, shortestMinutes * 60 - 30));
}

// Every bad file is refused with one line that names it and where in it the fault is.
void TestProgramFile::malformedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("expected"); // parts of the message, the file's path first

    const auto file = [&](const char *name, const QByteArray &content) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    };
    const QByteArray header = "[Velmora Program]\nName=Bad\n\n";
    const QByteArray stage1 = "[Stage 1]\nLength=5m\nBeat=8\nColour=blue\n";

    QTest::newRow("no [Velmora Program]")
        << file("nogroup.velmora", "[Program]\nName=Bad\n" + stage1)
        << QStringList {"nogroup.velmora: ", "no [Velmora Program] group"};
    QTest::newRow("no stage") << file("nostage.velmora", header)
                              << QStringList {"nostage.velmora: line 1: ", "no stages"};
    QTest::newRow("beat out of range")
        << file("beat.velmora", header + "[Stage 1]\nLength=5m\nBeat=99\nColour=blue\n")
        << QStringList {"beat.velmora: Stage 1, Beat (line 6): ", "\"99\"", "0.5 to 40 Hz"};
    QTest::newRow("two rest stages")
        << file("rests.velmora",
                header +
                    "[Stage 1]\nLength=rest\nBeat=8\nColour=blue\n\n"
                    "[Stage 2]\nLength=rest\nBeat=4\nColour=red\n")
        << QStringList {"rests.velmora: Stage 2, Length (line 10): ", "Stage 1 takes the rest"};
    QTest::newRow("unknown colour")
        << file("colour.velmora", header + "[Stage 1]\nLength=5m\nBeat=8\nColour=yellow to mauve\n")
        << QStringList {"colour.velmora: Stage 1, Colour (line 7): ", "\"yellow to mauve\"",
                        "yellow, red, blue, magenta, cyan"};
    QTest::newRow("length not a length")
        << file("soon.velmora", header + "[Stage 1]\nLength=soon\nBeat=8\nColour=blue\n")
        << QStringList {"soon.velmora: Stage 1, Length (line 5): ", "\"soon\"", "90s, 5m"};
    QTest::newRow("stage without a key")
        << file("nobeat.velmora", header + "[Stage 1]\nLength=5m\nColour=blue\n")
        << QStringList {"nobeat.velmora: Stage 1 (line 4): ", "no Beat"};
    QTest::newRow("stage 33") << file("many.velmora",
                                      header + "[Stage 33]\nLength=5m\nBeat=8\nColour=blue\n")
                              << QStringList {"many.velmora: line 4: ", "1 to 32"};
    QTest::newRow("shares over the session")
        << file("shares.velmora",
                header +
                    "[Stage 1]\nLength=60%\nBeat=8\nColour=blue\n\n"
                    "[Stage 2]\nLength=50%\nBeat=8\nColour=blue\n")
        << QStringList {"shares.velmora: Stage 2, Length (line 10): ", "more than 100%"};
    QTest::newRow("unknown kind of tone")
        << file("tone.velmora", "[Velmora Program]\nName=Bad\nTone=stereo\n\n" + stage1)
        << QStringList {"tone.velmora: line 3: ", "\"stereo\"", "binaural, isochronic, monaural"};
    QTest::newRow("no name") << file("noname.velmora", "[Velmora Program]\n\n" + stage1)
                             << QStringList {"noname.velmora: line 1: ", "no Name"};
    QTest::newRow("a line that is not a key")
        << file("garbled.velmora", header + "[Stage 1]\nLength 5m\n")
        << QStringList {"garbled.velmora: line 5: ", "key=value"};
    QTest::newRow("missing file") << folder.filePath("gone.velmora")
                                  << QStringList {"gone.velmora: ", "no such file"};
    // Root reads any file whatever its mode; nobody reads a folder as a file.
    QDir(folder.path()).mkdir("folder.velmora");
    QTest::newRow("unreadable file")
        << folder.filePath("folder.velmora") << QStringList {"folder.velmora: ", "cannot be read"};
    QTest::newRow("binary junk") << file("junk.velmora",
                                         QByteArray("\x7f"
                                                    "ELF\x02\x01\x01\x00\x00\x00\xff\xfe",
                                                    12))
                                 << QStringList {"junk.velmora: line 1: ", "not a text file"};
    QTest::newRow("over 1 MiB") << file("huge.velmora",
                                        header + stage1 + QByteArray(1024 * 1024, '#'))
                                << QStringList {"huge.velmora: ", "larger than 1 MiB"};
    QTest::newRow("not UTF-8") << file("latin1.velmora",
                                       "[Velmora Program]\nName=Abendst\xfc"
                                       "ck\n\n" +
                                           stage1)
                               << QStringList {"latin1.velmora: line 2: ", "not UTF-8"};
}

void TestProgramFile::malformedFiles()
{
    QFETCH(QString, path);
    QFETCH(QStringList, expected);
    const ProgramFile::Reading reading = ProgramFile::read(path);
    QVERIFY(!reading.program);
    QVERIFY2(reading.error.startsWith(folder.path()), qPrintable(reading.error));
    QVERIFY2(!reading.error.contains('\n'), qPrintable(reading.error));
    for (const QString &part : expected)
        QVERIFY2(reading.error.contains(part), qPrintable(reading.error));
}

QTEST_GUILESS_MAIN(TestProgramFile)
#include "test_programfile.moc"
