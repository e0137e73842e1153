#include "session/timeline.h"

#include <QtTest>

// The session arithmetic, value by value. The float/int conversion points are part of the
// behaviour: they give 11 Hz (not 12) halfway down a 20 to 3 Hz ramp and (127, 0, 0) at half red.
Q_DECLARE_METATYPE(Timeline::Fade)

class TestTimeline : public QObject
{
    Q_OBJECT

private slots:
    void stageLengths_data();
    void stageLengths();
    void timeLeftTexts_data();
    void timeLeftTexts();
    void rampFrequency_data();
    void rampFrequency();
    void rampFraction();
    void flashLevels_data();
    void flashLevels();
    void fastFlashPattern();
    void colourMix_data();
    void colourMix();
    void screenComponents_data();
    void screenComponents();
};

void TestTimeline::stageLengths_data()
{
    QTest::addColumn<int>("totalSeconds");
    QTest::addColumn<int>("rampLength");
    QTest::addColumn<int>("plateauLength");

    QTest::newRow("0 h 5 m") << 300 << 90 << 120;
    QTest::newRow("10 m") << 600 << 180 << 240;
    QTest::newRow("15 m") << 900 << 300 << 300;
    QTest::newRow("20 m, ramp rounded down") << 1200 << 390 << 420;
    QTest::newRow("25 m") << 1500 << 480 << 540;
    QTest::newRow("30 m") << 1800 << 600 << 600;
    QTest::newRow("1 h 5 m") << 3900 << 600 << 2700;
    QTest::newRow("12 h 55 m") << 46500 << 600 << 45300;
}

void TestTimeline::stageLengths()
{
    QFETCH(int, totalSeconds);
    QFETCH(int, rampLength);
    QFETCH(int, plateauLength);

    const Timeline::StageLengths lengths = Timeline::stageLengthsFor(totalSeconds);
    QCOMPARE(lengths.rampLength, rampLength);
    QCOMPARE(lengths.plateauLength, plateauLength);
}

void TestTimeline::timeLeftTexts_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("screen");

    QTest::newRow("3725") << 3725 << QString("01:02:05")
                          << QString("Time Left: 01:02:05 Press esc to exit visualizer");
    QTest::newRow("longest") << 46500 << QString("12:55:00")
                             << QString("Time Left: 12:55:00 Press esc to exit visualizer");
    QTest::newRow("1") << 1 << QString("00:00:01")
                       << QString("Time Left: 00:00:01 Press esc to exit visualizer");
    QTest::newRow("0") << 0 << QString("Ending...") << QString("Ending...");
    QTest::newRow("negative") << -3 << QString("Ending...") << QString("Ending...");
}

void TestTimeline::timeLeftTexts()
{
    QFETCH(int, seconds);
    QFETCH(QString, label);
    QFETCH(QString, screen);
    QCOMPARE(Timeline::timeLeftText(seconds), label);
    QCOMPARE(Timeline::sessionScreenTimeText(seconds), screen);
}

void TestTimeline::rampFrequency_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<float>("fraction");
    QTest::addColumn<int>("frequency");

    QTest::newRow("20 to 3, start") << 20 << 3 << 0.0f << 20;
    QTest::newRow("20 to 3, half: 11.5 truncated") << 20 << 3 << 0.5f << 11;
    QTest::newRow("3 to 20, half: 11.5 truncated") << 3 << 20 << 0.5f << 11;
    QTest::newRow("20 to 3, past the end") << 20 << 3 << 1.01f << 2;
    QTest::newRow("plateau") << 27 << 27 << 0.7f << 27;
}

void TestTimeline::rampFrequency()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(float, fraction);
    QFETCH(int, frequency);
    QCOMPARE(Timeline::rampFrequency(from, to, fraction), frequency);
}

void TestTimeline::rampFraction()
{
    QCOMPARE(Timeline::rampFraction(0, 600), 0.0f);
    QCOMPARE(Timeline::rampFraction(300000, 600), 0.5f);
    // A 20 to 3 Hz ramp over 600 s is at 11 Hz after 300 s.
    QCOMPARE(Timeline::rampFrequency(3, 20, Timeline::rampFraction(300000, 600)), 11);
    QVERIFY(Timeline::rampFraction(601000, 600) > 1.0f);
}

void TestTimeline::flashLevels_data()
{
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<float>("beat");
    QTest::addColumn<Timeline::Fade>("direction");
    QTest::addColumn<float>("level");
    QTest::addColumn<bool>("turn");
    QTest::addColumn<int>("red");

    QTest::newRow("10 Hz, 50 ms into a fade-in")
        << qint64(50) << 10.0f << Timeline::Fade::In << 0.5f << false << 127;
    // 0.1 s is just short of the float half period 1/10.
    QTest::newRow("10 Hz, end of a fade-in")
        << qint64(100) << 10.0f << Timeline::Fade::In << 1.0f << false << 255;
    QTest::newRow("10 Hz, late fade-in tick clamped")
        << qint64(110) << 10.0f << Timeline::Fade::In << 1.0f << true << 255;
    QTest::newRow("10 Hz, 50 ms into a fade-out")
        << qint64(50) << 10.0f << Timeline::Fade::Out << 0.5f << false << 127;
    QTest::newRow("10 Hz, late fade-out tick is black")
        << qint64(110) << 10.0f << Timeline::Fade::Out << -0.1f << true << 0;
    QTest::newRow("3 Hz, start of a fade-in")
        << qint64(0) << 3.0f << Timeline::Fade::In << 0.0f << false << 0;
}

void TestTimeline::flashLevels()
{
    QFETCH(qint64, elapsedMs);
    QFETCH(float, beat);
    QFETCH(Timeline::Fade, direction);
    QFETCH(float, level);
    QFETCH(bool, turn);
    QFETCH(int, red);

    const Timeline::FlashStep step = Timeline::flashStep(elapsedMs, beat, direction);
    QVERIFY2(qAbs(step.level - level) < 1e-5f, qPrintable(QString::number(step.level)));
    QCOMPARE(step.turn, turn);
    QCOMPARE(Timeline::screenComponent(1.0f, step.level), red);
    QCOMPARE(Timeline::screenComponent(0.0f, step.level), 0);
}

// At 27 Hz the half period (37 ms) is shorter than two 20 ms ticks: with ticks exactly on the grid
// the levels run 0.54, 1.0 (turn), 0.46, below zero (turn), and repeat every 80 ms.
void TestTimeline::fastFlashPattern()
{
    const float expected[] = {0.54f, 1.0f, 0.46f, -0.08f};
    const bool turns[] = {false, true, false, true};
    qint64 clockStart = 0;
    Timeline::Fade direction = Timeline::Fade::In;
    for (int tick = 1; tick <= 12; ++tick) {
        const qint64 now = 20 * tick;
        const Timeline::FlashStep step = Timeline::flashStep(now - clockStart, 27.0f, direction);
        const int phase = (tick - 1) % 4;
        QVERIFY2(qAbs(step.level - expected[phase]) < 0.001f,
                 qPrintable(QStringLiteral("tick %1: %2").arg(tick).arg(step.level)));
        QCOMPARE(step.turn, turns[phase]);
        if (step.turn) {
            clockStart = now;
            direction = direction == Timeline::Fade::In ? Timeline::Fade::Out : Timeline::Fade::In;
        }
    }
}

void TestTimeline::colourMix_data()
{
    QTest::addColumn<float>("fraction");
    QTest::addColumn<float>("red");
    QTest::addColumn<float>("green");
    QTest::addColumn<float>("blue");

    // From yellow (1, 1, 0) to blue (0, 0, 1).
    QTest::newRow("start") << 0.0f << 1.0f << 1.0f << 0.0f;
    QTest::newRow("half") << 0.5f << 0.5f << 0.5f << 0.5f;
    QTest::newRow("end") << 1.0f << 0.0f << 0.0f << 1.0f;
    QTest::newRow("past the end") << 1.01f << -0.01f << -0.01f << 1.0f;
}

void TestTimeline::colourMix()
{
    QFETCH(float, fraction);
    QFETCH(float, red);
    QFETCH(float, green);
    QFETCH(float, blue);

    const Colour mixed = Timeline::mixColours({1, 1, 0}, {0, 0, 1}, fraction);
    QVERIFY(qAbs(mixed.red - red) < 1e-6f);
    QVERIFY(qAbs(mixed.green - green) < 1e-6f);
    QVERIFY(qAbs(mixed.blue - blue) < 1e-6f);
    QVERIFY(mixed.blue <= 1.0f);
}

void TestTimeline::screenComponents_data()
{
    QTest::addColumn<float>("component");
    QTest::addColumn<float>("level");
    QTest::addColumn<int>("value");

    QTest::newRow("black") << 0.0f << 1.0f << 0;
    QTest::newRow("full") << 1.0f << 1.0f << 255;
    QTest::newRow("half truncates") << 1.0f << 0.5f << 127;
    QTest::newRow("negative component") << -0.01f << 1.0f << 0;
    QTest::newRow("negative level") << 1.0f << -0.2f << 0;
    QTest::newRow("above one") << 1.0f << 1.2f << 255;
}

void TestTimeline::screenComponents()
{
    QFETCH(float, component);
    QFETCH(float, level);
    QFETCH(int, value);
    QCOMPARE(Timeline::screenComponent(component, level), value);
}

QTEST_APPLESS_MAIN(TestTimeline)
#include "test_timeline.moc"
