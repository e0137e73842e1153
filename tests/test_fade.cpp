#include "sound/fade.h"
#include "sound/fadeoutschedule.h"

#include <QtTest>

#include <cmath>

// The fades' curves and the schedule of fade outs that an output lays on its stream.
class TestFade : public QObject
{
    Q_OBJECT

private slots:
    void curves_data();
    void curves();
    void crossfadeKeepsPower();
    void scaledRoundsAndHolds_data();
    void scaledRoundsAndHolds();
    void schedule_data();
    void schedule();
};

void TestFade::curves_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<double>("in");
    QTest::addColumn<double>("out");
    QTest::addColumn<double>("outgoing");
    QTest::addColumn<double>("incoming");
    const double half = std::sqrt(0.5);
    QTest::newRow("before") << -0.5 << 0.0 << 1.0 << 1.0 << 0.0;
    QTest::newRow("start") << 0.0 << 0.0 << 1.0 << 1.0 << 0.0;
    QTest::newRow("quarter") << 0.25 << 0.5 - 0.5 * half << 0.5 + 0.5 * half << std::cos(M_PI / 8)
                             << std::sin(M_PI / 8);
    QTest::newRow("half") << 0.5 << 0.5 << 0.5 << half << half;
    QTest::newRow("end") << 1.0 << 1.0 << 0.0 << 0.0 << 1.0;
    QTest::newRow("after") << 2.0 << 1.0 << 0.0 << 0.0 << 1.0;
}

void TestFade::curves()
{
    QFETCH(double, fraction);
    QFETCH(double, in);
    QFETCH(double, out);
    QFETCH(double, outgoing);
    QFETCH(double, incoming);
    QVERIFY(qAbs(Fade::inGain(fraction) - in) < 1e-12);
    QVERIFY(qAbs(Fade::outGain(fraction) - out) < 1e-12);
    QVERIFY(qAbs(Fade::crossfadeGains(fraction).outgoing - outgoing) < 1e-12);
    QVERIFY(qAbs(Fade::crossfadeGains(fraction).incoming - incoming) < 1e-12);
}

void TestFade::crossfadeKeepsPower()
{
    for (int i = 0; i <= 100; ++i) {
        const Fade::CrossfadeGains gains = Fade::crossfadeGains(i / 100.0);
        QVERIFY(qAbs(gains.outgoing * gains.outgoing + gains.incoming * gains.incoming - 1) <
                1e-12);
    }
}

void TestFade::scaledRoundsAndHolds_data()
{
    QTest::addColumn<int>("sample");
    QTest::addColumn<double>("gain");
    QTest::addColumn<int>("scaled");
    QTest::newRow("unity") << -32768 << 1.0 << -32768;
    QTest::newRow("half, rounded") << 3 << 0.5 << 2;
    QTest::newRow("half, negative") << -3 << 0.5 << -2;
    QTest::newRow("silence") << 22937 << 0.0 << 0;
    QTest::newRow("held") << 30000 << 1.2 << 32767;
}

void TestFade::scaledRoundsAndHolds()
{
    QFETCH(int, sample);
    QFETCH(double, gain);
    QFETCH(int, scaled);
    QCOMPARE(int(Fade::scaled(sample, gain)), scaled);
}

void TestFade::schedule_data()
{
    // Stereo frames 100..107 of a stream, all at 1000, under the fades laid on it.
    QTest::addColumn<QVector<qint64>>("fades"); // first frame, length, ...
    QTest::addColumn<QVector<int>>("left");
    QTest::newRow("none") << QVector<qint64>() << QVector<int>(8, 1000);
    QTest::newRow("later") << QVector<qint64> {108, 4} << QVector<int>(8, 1000);
    QTest::newRow("within") << QVector<qint64> {102, 4}
                            << QVector<int> {1000, 1000, 1000, 854, 500, 146, 0, 0};
    QTest::newRow("before") << QVector<qint64> {96, 8}
                            << QVector<int> {500, 309, 146, 38, 0, 0, 0, 0};
    QTest::newRow("over") << QVector<qint64> {90, 4} << QVector<int>(8, 0);
    // A Stop's ramp laid on an end fade starts from the level the end fade has reached.
    QTest::newRow("two") << QVector<qint64> {96, 8, 101, 2}
                         << QVector<int> {500, 309, 73, 0, 0, 0, 0, 0};
}

void TestFade::schedule()
{
    QFETCH(QVector<qint64>, fades);
    QFETCH(QVector<int>, left);
    FadeOutSchedule schedule;
    for (int i = 0; i < fades.size(); i += 2)
        schedule.add(fades[i], fades[i + 1]);
    QVector<qint16> samples(16, 1000);
    schedule.apply(samples.data(), 8, 100);
    for (int k = 0; k < 8; ++k) {
        QCOMPARE(int(samples[2 * k]), left[k]);
        QCOMPARE(samples[2 * k + 1], samples[2 * k]);
    }
}

QTEST_APPLESS_MAIN(TestFade)
#include "test_fade.moc"
