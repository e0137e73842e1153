#include "app/mainwindow.h"
#include "player/sessionplayer.h"
#include "session/programcatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWindow>
#include <QtTest>

// The main window on a scaled desktop. Each run of this test sees one desktop, set before it starts
// (Xft.dpi or QT_SCALE_FACTOR), and VELMORA_EXPECTED_SCALE, the factor that desktop asks for. The
// plain run, on a 96 dpi screen, holds the form's texts to fit at all: its sizes were drawn for a
// narrower font than Debian's.
class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowScalesAsAWhole();
    void textsFit_data();
    void textsFit();
    void descriptionsNeedNoScrollBar();
    void visualizerWarnsOfFlashingLight();

private:
    template<typename T> T *widget(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("the form has no %s", name);
        return found;
    }

    SessionPlayer *sessionPlayer = nullptr;
    MainWindow *window = nullptr;
};

void TestScaling::init()
{
    sessionPlayer = new SessionPlayer;
    window = new MainWindow(*sessionPlayer);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestScaling::cleanup()
{
    delete window;
    delete sessionPlayer;
    sessionPlayer = nullptr;
    window = nullptr;
}

// The fixed size stays in logical pixels, and the fonts are laid out at the 96 dpi the form was
// drawn for: Qt scales both together by the desktop's factor.
void TestScaling::windowScalesAsAWhole()
{
    const qreal expected = qEnvironmentVariable("VELMORA_EXPECTED_SCALE", "1").toDouble();
    QVERIFY(expected >= 1);
    QCOMPARE(window->windowHandle()->devicePixelRatio(), expected);
    QCOMPARE(window->size(), QSize(560, 490));
    QCOMPARE(window->logicalDpiX(), 96);
    QCOMPARE(window->logicalDpiY(), 96);
}

void TestScaling::textsFit_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("text");

    QTest::newRow("headline") << "selectedLabel"
                              << "Headphones required for best results";
    QTest::newRow("refusal") << "selectedLabel"
                             << "Select a session first!";
    QTest::newRow("time left") << "selectedLabel"
                               << "12:55:00";
    QTest::newRow("ending") << "selectedLabel"
                            << "Ending...";
    for (int n = 1; n <= ProgramCatalogue::count; ++n) {
        const QString name = QString::fromLatin1(ProgramCatalogue::program(n).name);
        QTest::addRow("label %d", n) << "selectedLabel" << name;
        QTest::addRow("button %d", n) << QStringLiteral("program%1").arg(n) << name;
    }
    QTest::newRow("duration") << "label"
                              << "Set session duration:";
    QTest::newRow("ambient") << "label_3"
                             << "Ambient Audio";
    QTest::newRow("start") << "startButton"
                           << "Start";
    QTest::newRow("stop") << "startButton"
                          << "Stop";
    QTest::newRow("tone") << "Tone"
                          << "Secondary Tone";
    QTest::newRow("visualizer") << "Visualizer"
                                << "Visualizer";
    for (const char *combo : {"comboBox", "hours", "minutes"})
        QTest::newRow(combo) << combo << QString();
}

// Every text shows whole: a label's text fits its contents, a button's or combo box's size hint
// (its longest text plus the style's margins, bevel and indicator) fits the widget.
void TestScaling::textsFit()
{
    QFETCH(QString, objectName);
    QFETCH(QString, text);
    QWidget *widget = this->widget<QWidget>(qPrintable(objectName));

    int needed = 0;
    int available = 0;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        label->setText(text);
        needed = label->fontMetrics().horizontalAdvance(text);
        available = label->contentsRect().width();
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        button->setText(text);
        needed = button->sizeHint().width();
        available = button->width();
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        needed = combo->sizeHint().width();
        available = combo->width();
    }
    QVERIFY(needed > 0);
    QVERIFY2(needed <= available,
             qPrintable(QStringLiteral("%1 px in %2").arg(needed).arg(available)));
}

void TestScaling::descriptionsNeedNoScrollBar()
{
    auto *description = widget<QTextBrowser>("sessionDescription");
    for (int n = 1; n <= ProgramCatalogue::count; ++n) {
        QTest::mouseClick(widget<QPushButton>(qPrintable(QStringLiteral("program%1").arg(n))),
                          Qt::LeftButton);
        QCOMPARE(description->toPlainText(),
                 QString::fromLatin1(ProgramCatalogue::program(n).description));
        QVERIFY2(description->verticalScrollBar()->maximum() == 0,
                 ProgramCatalogue::program(n).name);
    }
}

static QWidget *shownToolTip()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return widget;
    return nullptr;
}

// Visualizer is on by default and flashes the screen at 3 to 27 Hz: its tooltip says so, as rich
// text so that Qt wraps it, and it shows whole on the screen.
void TestScaling::visualizerWarnsOfFlashingLight()
{
    auto *visualizer = widget<QCheckBox>("Visualizer");
    const QString toolTip = visualizer->toolTip();
    QVERIFY(Qt::mightBeRichText(toolTip));
    QTextDocument document;
    document.setHtml(toolTip);
    QCOMPARE(document.toPlainText(),
             QStringLiteral("Flashes the whole screen 3 to 27 times a second. Flashing light at "
                            "these rates can trigger seizures in people with photosensitive "
                            "epilepsy: leave Visualizer unchecked if you may be at risk."));

    // What hovering does: Qt sends the check box a tool tip event at the mouse.
    const QPoint at = visualizer->rect().center();
    QHelpEvent event(QEvent::ToolTip, at, visualizer->mapToGlobal(at));
    QApplication::sendEvent(visualizer, &event);
    QTRY_VERIFY_WITH_TIMEOUT(shownToolTip(), 5000);
    auto *tip = qobject_cast<QLabel *>(shownToolTip());
    QVERIFY(tip);
    QCOMPARE(tip->text(), toolTip);
    const QRect screen = visualizer->screen()->geometry();
    QVERIFY2(screen.contains(tip->frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3x%4 on a %5x%6 screen")
                            .arg(tip->x())
                            .arg(tip->y())
                            .arg(tip->width())
                            .arg(tip->height())
                            .arg(screen.width())
                            .arg(screen.height())));
}

QTEST_MAIN(TestScaling)

#include "test_scaling.moc"
