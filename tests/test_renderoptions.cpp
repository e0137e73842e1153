#include "render/mix.h"
#include "render/progress.h"
#include "render/renderoptions.h"

#include <QTemporaryDir>
#include <QtTest>

using RenderOptions::CommandLine;
using RenderOptions::OutputFormat;

Q_DECLARE_METATYPE(CommandLine::Action)
Q_DECLARE_METATYPE(OutputFormat)
Q_DECLARE_METATYPE(AmbientSound)
Q_DECLARE_METATYPE(ToneKind)
Q_DECLARE_METATYPE(AmbientChoice)

// velmora-render's command line and the arithmetic around a render, value by value.
class TestRenderOptions : public QObject
{
    Q_OBJECT

private slots:
    void programs_data();
    void programs();
    void lengths_data();
    void lengths();
    void ambients_data();
    void ambients();
    void tones_data();
    void tones();
    void formats_data();
    void formats();
    void commandLines_data();
    void commandLines();
    void programListHasTheCatalogue();
    void programListHasTheUsersPrograms();
    void userSessions_data();
    void userSessions();
    void textsNameTheTablesChoices_data();
    void textsNameTheTablesChoices();
    void colourNames_data();
    void colourNames();
    void progressLines_data();
    void progressLines();
    void sizes_data();
    void sizes();
    void saturatingMix_data();
    void saturatingMix();
    void saturatingMixOfLongStretches();
};

void TestRenderOptions::programs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");

    QTest::newRow("catalogue spelling") << "Deep Sleep" << 3;
    QTest::newRow("any case") << "deep sleep" << 3;
    QTest::newRow("spaces around and between") << "  relaxed  to deep   thought " << 8;
    QTest::newRow("first number") << "1" << 1;
    QTest::newRow("last number") << "11" << 11;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("past the catalogue") << "12" << 0;
    QTest::newRow("part of a name") << "Deep" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestRenderOptions::programs()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(RenderOptions::programNumber(text).value_or(0), number);
}

void TestRenderOptions::lengths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<int>("seconds");

    QTest::newRow("shortest") << "5m" << true << 300;
    QTest::newRow("hours and minutes") << "1h30m" << true << 5400;
    QTest::newRow("minutes past an hour") << "90m" << true << 5400;
    QTest::newRow("hours:minutes") << "1:30" << true << 5400;
    QTest::newRow("upper case") << "2H5M" << true << 7500;
    QTest::newRow("longest") << "12h55m" << true << 46500;
    QTest::newRow("longest in minutes") << "775m" << true << 46500;
    QTest::newRow("longest with a colon") << "12:55" << true << 46500;
    QTest::newRow("whole hour: the window has no 0 minutes") << "1h" << false << 0;
    QTest::newRow("whole hour in minutes") << "60m" << false << 0;
    QTest::newRow("whole hour with a colon") << "2:00" << false << 0;
    QTest::newRow("not a 5-minute step") << "7m" << false << 0;
    QTest::newRow("too short") << "0m" << false << 0;
    QTest::newRow("too long") << "13h5m" << false << 0;
    QTest::newRow("minutes past 59 after hours") << "1h65m" << false << 0;
    QTest::newRow("colon minutes past 59") << "1:65" << false << 0;
    QTest::newRow("seconds") << "300s" << false << 0;
    QTest::newRow("bare number") << "30" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
}

void TestRenderOptions::lengths()
{
    QFETCH(QString, text);
    QFETCH(bool, allowed);
    QFETCH(int, seconds);

    const std::optional<int> length = RenderOptions::sessionSeconds(text);
    QCOMPARE(length.has_value(), allowed);
    if (allowed)
        QCOMPARE(*length, seconds);
}

void TestRenderOptions::ambients_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<AmbientChoice>("choice");

    QTest::newRow("pink") << "pink" << AmbientChoice(AmbientSound::PinkNoise);
    QTest::newRow("water") << "water" << AmbientChoice(AmbientSound::Water);
    QTest::newRow("rain") << "Rain" << AmbientChoice(AmbientSound::Rain);
    QTest::newRow("lullaby") << "LULLABY" << AmbientChoice(AmbientSound::Lullaby);
    QTest::newRow("brown") << "brown" << AmbientChoice(AmbientSound::BrownNoise);
    QTest::newRow("white") << "White" << AmbientChoice(AmbientSound::WhiteNoise);
    QTest::newRow("none") << "none" << AmbientChoice(AmbientSound::None);
    QTest::newRow("a file") << "pinknoise" << AmbientChoice::ownSound("pinknoise");
    QTest::newRow("a file named as a sound") << "./pink" << AmbientChoice::ownSound("./pink");
}

void TestRenderOptions::ambients()
{
    QFETCH(QString, text);
    QFETCH(AmbientChoice, choice);
    QCOMPARE(RenderOptions::ambientChoice(text), choice);
    QCOMPARE(AmbientChoice::fromName(choice.name()), choice);
}

void TestRenderOptions::tones_data()
{
    QTest::addColumn<QStringList>("toneArguments");
    QTest::addColumn<ToneKind>("kind");

    QTest::newRow("none given") << QStringList() << ToneKind::Binaural;
    QTest::newRow("binaural") << QStringList {"--tone", "binaural"} << ToneKind::Binaural;
    QTest::newRow("isochronic") << QStringList {"--tone", "Isochronic"} << ToneKind::Isochronic;
    QTest::newRow("monaural") << QStringList {"--tone=MONAURAL"} << ToneKind::Monaural;
}

void TestRenderOptions::tones()
{
    QFETCH(QStringList, toneArguments);
    QFETCH(ToneKind, kind);
    const CommandLine line =
        RenderOptions::parse(QStringList {"--program", "1"} + toneArguments + QStringList {"-"});
    QCOMPARE(line.action, CommandLine::Action::Render);
    QCOMPARE(line.request.tone, kind);
}

void TestRenderOptions::formats_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("known");
    QTest::addColumn<OutputFormat>("format");

    QTest::newRow("wav") << "night.wav" << true << OutputFormat::Wav;
    QTest::newRow("flac in a folder") << "/tmp/a.b/night.flac" << true << OutputFormat::Flac;
    QTest::newRow("ogg") << "night.ogg" << true << OutputFormat::Ogg;
    QTest::newRow("opus") << "night.opus" << true << OutputFormat::Opus;
    QTest::newRow("mp3, upper case") << "NIGHT.MP3" << true << OutputFormat::Mp3;
    QTest::newRow("standard output") << "-" << true << OutputFormat::Wav;
    QTest::newRow("unknown extension") << "night.aiff" << false << OutputFormat::Wav;
    QTest::newRow("no extension") << "night" << false << OutputFormat::Wav;
    QTest::newRow("dot in the folder only") << "a.wav/night" << false << OutputFormat::Wav;
    QTest::newRow("hidden file, no extension") << ".wav" << false << OutputFormat::Wav;
}

void TestRenderOptions::formats()
{
    QFETCH(QString, path);
    QFETCH(bool, known);
    QFETCH(OutputFormat, format);

    const std::optional<OutputFormat> found = RenderOptions::outputFormatFor(path);
    QCOMPARE(found.has_value(), known);
    if (known)
        QCOMPARE(*found, format);
}

void TestRenderOptions::commandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Action>("action");
    QTest::addColumn<QString>("errorStart");

    const auto render = CommandLine::Action::Render;
    const auto error = CommandLine::Action::Error;
    QTest::newRow("help wins") << QStringList {"--program", "nap", "--help"}
                               << CommandLine::Action::Help << "";
    QTest::newRow("list") << QStringList {"--list"} << CommandLine::Action::List << "";
    QTest::newRow("everything")
        << QStringList {"--program",           "3",       "--duration", "1:30", "--ambient", "none",
                        "--no-secondary-tone", "--quiet", "out.wav"}
        << render << "";
    QTest::newRow("option=value") << QStringList {"--program=Deep Sleep", "--duration=5m", "-"}
                                  << render << "";
    QTest::newRow("no program") << QStringList {"out.wav"} << error << "no program";
    QTest::newRow("--program wins over a name of the user's")
        << QStringList {"--program", "deep sleep", "out.wav"} << render << "";
    QTest::newRow("unknown program number")
        << QStringList {"--program", "12", "out.wav"} << error << "unknown program \"12\"";
    QTest::newRow("a name looked for among the user's")
        << QStringList {"--program", "Nap", "out.wav"} << render << "";
    QTest::newRow("a program file")
        << QStringList {"--program-file", "nap.velmora", "out.wav"} << render << "";
    QTest::newRow("a program and a program file")
        << QStringList {"--program", "3", "--program-file", "nap.velmora", "out.wav"} << error
        << "--program and --program-file name one program";
    QTest::newRow("program file without its value")
        << QStringList {"a.wav", "--program-file"} << error << "--program-file needs";
    QTest::newRow("length not allowed")
        << QStringList {"--program", "1", "--duration", "1h", "out.wav"} << error
        << "length \"1h\" is not allowed: 5m to 12h55m";
    QTest::newRow("empty ambient")
        << QStringList {"--program", "1", "--ambient=", "out.wav"} << error
        << "--ambient needs one of pink, water, rain, lullaby, brown, white or none, or a sound "
           "file";
    QTest::newRow("unknown tone")
        << QStringList {"--program", "1", "--tone", "stereo", "out.wav"} << error
        << "unknown kind of tone \"stereo\": use binaural, isochronic or monaural";
    QTest::newRow("tone without its value")
        << QStringList {"--program", "1", "out.wav", "--tone"} << error
        << "--tone needs one of binaural, isochronic or monaural";
    QTest::newRow("unknown format") << QStringList {"--program", "1", "out.aiff"} << error
                                    << "unknown output format \"out.aiff\"";
    QTest::newRow("no output") << QStringList {"--program", "1"} << error << "no output file";
    QTest::newRow("two outputs") << QStringList {"--program", "1", "a.wav", "b.wav"} << error
                                 << "one output file only";
    QTest::newRow("unknown option") << QStringList {"--program", "1", "--loud", "a.wav"} << error
                                    << "unknown option \"--loud\"";
    QTest::newRow("option without its value")
        << QStringList {"a.wav", "--program"} << error << "--program needs";
}

void TestRenderOptions::commandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, errorStart);

    const CommandLine line = RenderOptions::parse(arguments);
    QCOMPARE(line.action, action);
    if (errorStart.isEmpty())
        QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    else
        QVERIFY2(line.error.startsWith(errorStart), qPrintable(line.error));
    QVERIFY(!line.error.contains(QLatin1Char('\n')));
}

void TestRenderOptions::programListHasTheCatalogue()
{
    const QStringList lines = RenderOptions::programList().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.at(2).simplified(),
             QStringLiteral("3 Deep Sleep 20 -> 3 -> 20 Hz yellow -> red -> blue"));
    QCOMPARE(lines.at(5).simplified(),
             QStringLiteral("6 Morning Wake 13 -> 27 -> 20 Hz magenta -> cyan -> blue"));
}

namespace {

// A folder of the user's programs: one good, one bad.
struct UserFolder
{
    UserFolder()
    {
        write("wind-down.velmora",
              "[Velmora Program]\nName=Evening Wind-Down\n\n"
              "[Stage 1]\nLength=30m\nBeat=18 to 8\nColour=yellow to blue\n\n"
              "[Stage 2]\nLength=rest\nBeat=8 to 4\nColour=blue\n");
        write("bad.velmora", "[Velmora Program]\nName=Bad\n");
        library.load();
    }
    void write(const char *name, const QByteArray &text)
    {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", name);
    }

    QTemporaryDir folder;
    ProgramLibrary library {folder.path()};
};

} // namespace

void TestRenderOptions::programListHasTheUsersPrograms()
{
    const UserFolder user;
    const QStringList lines =
        RenderOptions::programList(user.library.programs()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 13);
    QCOMPARE(lines.at(11).simplified(),
             QStringLiteral("bad %1: line 1: the program has no stages; add a [Stage 1] group")
                 .arg(user.folder.filePath("bad.velmora")));
    QCOMPARE(lines.at(12).simplified(),
             QStringLiteral("Evening Wind-Down %1").arg(user.folder.filePath("wind-down.velmora")));
}

void TestRenderOptions::userSessions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QList<int>>("stageLengths");
    QTest::addColumn<QString>("errorStart");

    QTest::newRow("by name, any case")
        << QStringList {"--program", "evening wind-down", "--duration", "55m", "a.wav"}
        << QList {1800, 1500} << "";
    QTest::newRow("by its file") << QStringList {"--program-file", "FOLDER/wind-down.velmora",
                                                 "--duration", "45m", "a.wav"}
                                 << QList {1800, 900} << "";
    QTest::newRow("too short for it")
        << QStringList {"--program", "Evening Wind-Down", "--duration", "25m", "a.wav"}
        << QList<int>() << "Evening Wind-Down: This program needs at least 30 min.";
    QTest::newRow("unknown name") << QStringList {"--program", "Nap", "a.wav"} << QList<int>()
                                  << "unknown program \"Nap\": give a name or a number 1 to 11";
    QTest::newRow("a bad file by name is not a program")
        << QStringList {"--program", "Bad", "a.wav"} << QList<int>() << "unknown program \"Bad\"";
    QTest::newRow("bad file") << QStringList {"--program-file", "FOLDER/bad.velmora", "a.wav"}
                              << QList<int>()
                              << "FOLDER/bad.velmora: line 1: the program has no stages";
    QTest::newRow("missing file") << QStringList {"--program-file", "FOLDER/gone.velmora", "a.wav"}
                                  << QList<int>() << "FOLDER/gone.velmora: there is no such file";
}

void TestRenderOptions::userSessions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QList<int>, stageLengths);
    QFETCH(QString, errorStart);
    const UserFolder user;
    arguments.replaceInStrings("FOLDER", user.folder.path());
    errorStart.replace("FOLDER", user.folder.path());

    const CommandLine line = RenderOptions::parse(arguments);
    QCOMPARE(line.action, CommandLine::Action::Render);
    QCOMPARE(line.request.programNumber, 0);
    const RenderOptions::UserSession session =
        RenderOptions::userSession(line.request, user.library);
    if (errorStart.isEmpty())
        QVERIFY2(session.error.isEmpty(), qPrintable(session.error));
    else
        QVERIFY2(session.error.startsWith(errorStart), qPrintable(session.error));
    QList<int> lengths;
    for (const PlannedStage &stage : session.stages)
        lengths.append(stage.lengthSeconds);
    QCOMPARE(lengths, stageLengths);
}

namespace {

// The manual page's text as man shows it, near enough to find the choices in: each macro line
// without its macro and with its arguments run together (as .BR and .RB print them), "\-" as
// "-", lines joined by a space.
QString manualText()
{
    QFile file(QStringLiteral(VELMORA_RENDER_MANUAL));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    static const QRegularExpression argument(QStringLiteral("\"([^\"]*)\"|(\\S+)"));
    QStringList lines;
    for (QString line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        line.replace(QLatin1String("\\-"), QLatin1String("-"));
        if (!line.startsWith(QLatin1Char('.'))) {
            lines << line;
            continue;
        }
        QString joined;
        QRegularExpressionMatchIterator match = argument.globalMatch(line.section(' ', 1));
        while (match.hasNext()) {
            const QRegularExpressionMatch next = match.next();
            joined += next.hasCaptured(1) ? next.captured(1) : next.captured(2);
        }
        lines << joined;
    }
    return lines.join(QLatin1Char(' '));
}

} // namespace

void TestRenderOptions::textsNameTheTablesChoices_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<int>("times");

    const QString ambientOption = "--ambient " + RenderOptions::ambientChoices();
    const QString ambientFiles = "Resources/{" + RenderOptions::ambientFiles() + "}";
    const QString toneOption = "--tone " + RenderOptions::toneChoices();
    const QString help = RenderOptions::helpText();
    const QString manual = manualText();
    QVERIFY(!manual.isEmpty());
    QTest::newRow("help: --ambient") << help << ambientOption << 2;
    QTest::newRow("help: files") << help << ambientFiles << 1;
    QTest::newRow("manual: --ambient") << manual << ambientOption << 2;
    QTest::newRow("manual: files") << manual << ambientFiles << 1;
    QTest::newRow("help: --tone") << help << toneOption << 2;
    QTest::newRow("manual: --tone") << manual << toneOption << 2;
}

// The window's box and velmora-render's texts come from the table of sounds; the manual page is
// written by hand and must say the same.
void TestRenderOptions::textsNameTheTablesChoices()
{
    QFETCH(QString, text);
    QFETCH(QString, fragment);
    QFETCH(int, times);
    QVERIFY2(
        text.count(fragment) == times,
        qPrintable(
            QStringLiteral("\"%1\" is not %2 times in:\n%3").arg(fragment).arg(times).arg(text)));
}

void TestRenderOptions::colourNames_data()
{
    QTest::addColumn<float>("red");
    QTest::addColumn<float>("green");
    QTest::addColumn<float>("blue");
    QTest::addColumn<QString>("name");

    QTest::newRow("yellow") << 1.0f << 1.0f << 0.0f << "yellow";
    QTest::newRow("cyan") << 0.0f << 1.0f << 1.0f << "cyan";
    QTest::newRow("any other") << 0.5f << 0.0f << 1.0f << "#8000ff";
}

void TestRenderOptions::colourNames()
{
    QFETCH(float, red);
    QFETCH(float, green);
    QFETCH(float, blue);
    QFETCH(QString, name);
    QCOMPARE(RenderOptions::colourName({red, green, blue}), name);
}

void TestRenderOptions::progressLines_data()
{
    QTest::addColumn<qint64>("done");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<double>("elapsed");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("line");

    // Each line is exactly as wide as asked, but for a bar that would be too narrow to read.
    const qint64 fiveMinutes = 303 * 44100;
    QTest::newRow("start: no estimate yet") << qint64(0) << fiveMinutes << 0.0 << 50
                                            << "[.......................]   0%  0:00:00 of 0:05:03";
    QTest::newRow("too soon for an estimate") << fiveMinutes /
            2 << fiveMinutes << 0.2 << 50 << "[###########............]  50%  0:02:31 of 0:05:03";
    QTest::newRow("half way, as long again to go")
        << fiveMinutes / 2 << fiveMinutes << 90.0 << 70
        << "[###########............]  50%  0:02:31 of 0:05:03  about 0:01:30 left";
    QTest::newRow("narrow terminal keeps a bar")
        << qint64(0) << fiveMinutes << 0.0 << 20 << "[..........]   0%  0:00:00 of 0:05:03";
    QTest::newRow("done") << fiveMinutes << fiveMinutes << 2.0 << 60
                          << "[#############] 100%  0:05:03 of 0:05:03  about 0:00:00 left";
}

void TestRenderOptions::progressLines()
{
    QFETCH(qint64, done);
    QFETCH(qint64, total);
    QFETCH(double, elapsed);
    QFETCH(int, width);
    QFETCH(QString, line);
    QCOMPARE(Progress::line(done, total, 44100, elapsed, width), line);
}

void TestRenderOptions::sizes_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("bytes") << qint64(999) << "999 bytes";
    QTest::newRow("kilobytes") << qint64(1000) << "1.0 kB";
    QTest::newRow("five minutes of WAV") << qint64(53449244) << "53.4 MB";
    QTest::newRow("three digits, no decimal") << qint64(437016199) << "437 MB";
    QTest::newRow("twelve hours of WAV") << qint64(8202600104) << "8.2 GB";
}

void TestRenderOptions::sizes()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(Progress::sizeText(bytes), text);
}

void TestRenderOptions::saturatingMix_data()
{
    QTest::addColumn<int>("tone");
    QTest::addColumn<int>("ambient");
    QTest::addColumn<int>("mixed");
    QTest::addColumn<int>("saturated");

    QTest::newRow("plain sum") << 26213 << 5800 << 32013 << 0;
    QTest::newRow("exactly full scale") << 32000 << 767 << 32767 << 0;
    QTest::newRow("past full scale is held") << 30000 << 5000 << 32767 << 1;
    QTest::newRow("past negative full scale is held") << -30000 << -5000 << -32768 << 1;
    QTest::newRow("opposite signs") << -26213 << 5800 << -20413 << 0;
}

void TestRenderOptions::saturatingMix()
{
    QFETCH(int, tone);
    QFETCH(int, ambient);
    QFETCH(int, mixed);
    QFETCH(int, saturated);

    qint16 toneSample = qint16(tone);
    const qint16 ambientSample = qint16(ambient);
    QCOMPARE(Mix::addSaturating(&toneSample, &ambientSample, 1), saturated);
    QCOMPARE(int(toneSample), mixed);
}

// Stretches of any length, in eight-sample steps and the samples left over: every other sample
// here goes past full scale, one way or the other.
void TestRenderOptions::saturatingMixOfLongStretches()
{
    for (const int length : {7, 8, 1003}) {
        QVector<qint16> tone(length);
        QVector<qint16> ambient(length);
        for (int i = 0; i < length; ++i) {
            const int sign = i % 4 < 2 ? 1 : -1;
            tone[i] = qint16(sign * 30000);
            ambient[i] = qint16(sign * (i % 2 == 0 ? 5000 : 100));
        }
        QCOMPARE(Mix::addSaturating(tone.data(), ambient.constData(), length), (length + 1) / 2);
        for (int i = 0; i < length; ++i) {
            const int sign = i % 4 < 2 ? 1 : -1;
            const int expected = i % 2 == 0 ? (sign > 0 ? 32767 : -32768) : sign * 30100;
            QCOMPARE(int(tone[i]), expected);
        }
    }
}

QTEST_GUILESS_MAIN(TestRenderOptions)
#include "test_renderoptions.moc"
