#include "display/flashscreen.h"
#include "display/sessionscreen.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSpacerItem>
#include <QtTest>

// Checks the session screen's form, its two operations, its key handling and how it looks
// full screen under a window manager.
class TestSessionScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void widgetTree();
    void palette_data();
    void palette();
    void font();
    void setTimeText_data();
    void setTimeText();
    void setColourPaintsAtOnce();
    void keys_data();
    void keys();
    void fullScreen();

private:
    SessionScreen *screen = nullptr;
};

static FlashScreen *flashScreen(SessionScreen *screen)
{
    return screen->findChild<FlashScreen *>("widget");
}

static QLabel *timeLabel(SessionScreen *screen)
{
    return screen->findChild<QLabel *>("timerLabel_3");
}

void TestSessionScreen::init()
{
    screen = new SessionScreen;
}

void TestSessionScreen::cleanup()
{
    delete screen;
    screen = nullptr;
}

void TestSessionScreen::widgetTree()
{
    QCOMPARE(screen->metaObject()->className(), "SessionScreen");
    QCOMPARE(screen->objectName(), QString("SessionScreen"));
    QCOMPARE(screen->size(), QSize(510, 447));
    QCOMPARE(screen->windowTitle(), QString("Dialog"));
    QVERIFY(screen->isWindow());
    QVERIFY(!screen->isVisible());

    QLabel *label = timeLabel(screen);
    QVERIFY(label);
    QCOMPARE(label->parentWidget(), screen);
    QCOMPARE(label->text(), QString("TextLabel"));
    QCOMPARE(label->alignment(), Qt::AlignCenter);

    FlashScreen *flash = flashScreen(screen);
    QVERIFY(flash);
    QCOMPARE(flash->parentWidget(), screen);
    QCOMPARE(flash->metaObject()->className(), "FlashScreen");
    QCOMPARE(flash->colour(), QColor(Qt::black));

    // The time left in a row of its own above the flash, which takes the rest.
    auto *main = qobject_cast<QVBoxLayout *>(screen->layout());
    QVERIFY(main);
    QCOMPARE(main->count(), 2);
    auto *row = main->itemAt(0)->layout();
    QVERIFY(row);
    QVERIFY(row->indexOf(label) >= 0);
    QCOMPARE(main->itemAt(1)->widget(), flash);
}

void TestSessionScreen::palette_data()
{
    QTest::addColumn<QString>("widgetName");
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::addColumn<QPalette::ColorGroup>("group");
    QTest::addColumn<QColor>("colour");

    struct Row
    {
        const char *widgetName;
        QPalette::ColorRole role;
        QColor colour; // in the Active and the Inactive group
    };
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    // What is seen: white text on black, the label's own white included; the screen is never
    // disabled, so its Disabled colours are never seen.
    const Row rows[] = {
        {"SessionScreen", QPalette::Window, black}, {"SessionScreen", QPalette::WindowText, white},
        {"SessionScreen", QPalette::Base, black},   {"SessionScreen", QPalette::Text, white},
        {"timerLabel_3", QPalette::Window, black},  {"timerLabel_3", QPalette::WindowText, white},
    };
    for (const Row &row : rows) {
        const QByteArray name = QByteArray(row.widgetName) + ' ' +
            QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(row.role);
        QTest::newRow(name + " active")
            << row.widgetName << row.role << QPalette::Active << row.colour;
        QTest::newRow(name + " inactive")
            << row.widgetName << row.role << QPalette::Inactive << row.colour;
    }
}

void TestSessionScreen::palette()
{
    QFETCH(QString, widgetName);
    QFETCH(QPalette::ColorRole, role);
    QFETCH(QPalette::ColorGroup, group);
    QFETCH(QColor, colour);

    QWidget *widget =
        widgetName == screen->objectName() ? screen : screen->findChild<QWidget *>(widgetName);
    QVERIFY(widget);
    const QBrush brush = widget->palette().brush(group, role);
    QCOMPARE(brush.color(), colour);
    QCOMPARE(brush.style(), Qt::SolidPattern);
}

void TestSessionScreen::font()
{
    for (const QWidget *widget :
         {static_cast<QWidget *>(screen), static_cast<QWidget *>(timeLabel(screen))}) {
        QCOMPARE(widget->font().pointSize(), 17);
        QVERIFY(widget->font().bold());
        QCOMPARE(widget->font().weight(), QFont::Bold);
    }
}

void TestSessionScreen::setTimeText_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("time left") << QString("Time Left: 00:04:59 Press esc to exit visualizer");
    QTest::newRow("ending") << QString("Ending...");
    QTest::newRow("translated") << QString::fromUtf8("Pozostały czas: 00:04:59 – Esc zamyka");
    QTest::newRow("empty") << QString();
}

void TestSessionScreen::setTimeText()
{
    QFETCH(QString, text);

    screen->setTimeText(text.toUtf8().constData());
    QCOMPARE(timeLabel(screen)->text(), text);
}

void TestSessionScreen::setColourPaintsAtOnce()
{
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    FlashScreen *flash = flashScreen(screen);
    const QColor colour(30, 140, 250);

    screen->setColour(colour);

    QCOMPARE(flash->colour(), colour);
    // No event has been processed since the call: only a synchronous paint leaves the colour here.
    const QImage frame = flash->grabFramebuffer();
    QCOMPARE(frame.pixelColor(frame.rect().center()), colour);
}

void TestSessionScreen::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("hides");

    QTest::newRow("Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << true;
    QTest::newRow("Shift+Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                  << false;
    QTest::newRow("Ctrl+Escape") << int(Qt::Key_Escape)
                                 << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("Alt+Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers(Qt::AltModifier)
                                << false;
    QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers() << false;
    QTest::newRow("A") << int(Qt::Key_A) << Qt::KeyboardModifiers() << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << Qt::KeyboardModifiers() << false;
    QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << false;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers() << false;
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << false;
}

void TestSessionScreen::keys()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, hides);

    screen->showFullScreen();
    QVERIFY(QTest::qWaitForWindowActive(screen));

    // Delivered through the window, as the window system would, and handled before it returns.
    QTest::keyClick(screen->windowHandle(), Qt::Key(key), modifiers);

    QCOMPARE(screen->isVisible(), !hides);
    if (hides)
        QCOMPARE(screen->result(), int(QDialog::Rejected));
}

void TestSessionScreen::fullScreen()
{
    const QColor colour(200, 40, 40);
    QScreen *display = QGuiApplication::primaryScreen();
    QCOMPARE(display->geometry(), QRect(0, 0, 1280, 800));

    screen->setTimeText("Time Left: 00:04:59 Press esc to exit visualizer");
    screen->showFullScreen();
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    QTRY_COMPARE_WITH_TIMEOUT(screen->geometry(), display->geometry(), 5000);
    screen->setColour(colour);

    QLabel *label = timeLabel(screen);
    FlashScreen *flash = flashScreen(screen);
    const QRect labelArea(label->mapToGlobal(QPoint(0, 0)), label->size());
    const QRect flashArea(flash->mapToGlobal(QPoint(0, 0)), flash->size());
    // The label row is at the top, the flash screen takes the rest of the screen below it.
    QVERIFY(labelArea.top() < 50);
    QVERIFY(flashArea.top() > labelArea.bottom());
    QVERIFY(flashArea.width() > display->geometry().width() - 40);
    QVERIFY(flashArea.bottom() > display->geometry().bottom() - 20);

    QImage shot;
    auto flashShown = [&] {
        shot = display->grabWindow(0).toImage();
        for (const QPoint &point :
             {flashArea.topLeft(), flashArea.topRight(), flashArea.bottomLeft(),
              flashArea.bottomRight(), flashArea.center()}) {
            if (shot.pixelColor(point) != colour)
                return false;
        }
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(flashShown(), 5000);

    // Black around the flash screen and beside the text.
    QCOMPARE(shot.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(5, flashArea.center().y()), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(labelArea.left() - 5, labelArea.center().y()), QColor(Qt::black));

    // The text is white and centred on the screen.
    QRect text;
    for (int y = 0; y < flashArea.top(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixelColor(x, y) == Qt::white)
                text |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(!text.isEmpty());
    QVERIFY(labelArea.contains(text));
    QVERIFY(qAbs(text.left() - (shot.width() - 1 - text.right())) <= 2);
    QVERIFY(text.height() >= 12);
}

QTEST_MAIN(TestSessionScreen)
#include "test_sessionscreen.moc"
