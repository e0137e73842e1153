#include "display/flashscreen.h"

#include <QGuiApplication>
#include <QImage>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QScreen>
#include <QtTest>

// Drives FlashScreen through the real GL path on the test X server and reads back
// both its frame buffer and what the screen shows.
class TestFlashScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsBlack();
    void showsWrittenColour_data();
    void showsWrittenColour();
    void colourWrittenWhileHiddenIsShownWhenShownAgain();
    void resizeChangesOnlyTheViewport_data();
    void resizeChangesOnlyTheViewport();

private:
    void showAndWait();
    void setColour(const QColor &colour);

    FlashScreen *flash = nullptr;
};

// What the screen shows in the widget's area.
static QImage grabScreen(const QWidget *widget)
{
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, origin.x(), origin.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

static QImage filled(const QSize &size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void TestFlashScreen::init()
{
    flash = new FlashScreen(nullptr);
    flash->resize(200, 150);
}

void TestFlashScreen::cleanup()
{
    delete flash;
    flash = nullptr;
}

void TestFlashScreen::showAndWait()
{
    flash->show();
    QVERIFY(QTest::qWaitForWindowExposed(flash));
}

void TestFlashScreen::setColour(const QColor &colour)
{
    flash->setColour(colour);
    flash->repaint();
}

void TestFlashScreen::startsBlack()
{
    QCOMPARE(flash->colour(), QColor(Qt::black));

    showAndWait();
    flash->repaint();
    QCOMPARE(flash->grabFramebuffer(), filled(flash->size(), Qt::black));
    QTRY_COMPARE_WITH_TIMEOUT(grabScreen(flash), filled(flash->size(), Qt::black), 5000);
}

void TestFlashScreen::showsWrittenColour_data()
{
    QTest::addColumn<QColor>("colour");

    QTest::newRow("black") << QColor(0, 0, 0);
    QTest::newRow("white") << QColor(255, 255, 255);
    QTest::newRow("half red") << QColor(127, 0, 0);
    QTest::newRow("mixed") << QColor(12, 200, 99);
}

void TestFlashScreen::showsWrittenColour()
{
    QFETCH(QColor, colour);

    showAndWait();
    // Start from a different colour so that a stale frame cannot pass.
    setColour(colour == Qt::white ? Qt::black : Qt::white);
    setColour(colour);

    // repaint() paints before it returns: the frame buffer holds the colour right away.
    QCOMPARE(flash->grabFramebuffer(), filled(flash->size(), colour));
    QTRY_COMPARE_WITH_TIMEOUT(grabScreen(flash), filled(flash->size(), colour), 5000);
}

void TestFlashScreen::colourWrittenWhileHiddenIsShownWhenShownAgain()
{
    const QColor shownBefore(255, 255, 255);
    const QColor writtenWhileHidden(30, 160, 220);

    showAndWait();
    setColour(shownBefore);
    flash->hide();
    setColour(writtenWhileHidden);
    QCOMPARE(flash->colour(), writtenWhileHidden);

    showAndWait();
    QTRY_COMPARE_WITH_TIMEOUT(grabScreen(flash), filled(flash->size(), writtenWhileHidden), 5000);
}

void TestFlashScreen::resizeChangesOnlyTheViewport_data()
{
    QTest::addColumn<QSize>("size");

    QTest::newRow("larger") << QSize(640, 480);
    QTest::newRow("tall") << QSize(120, 500);
    QTest::newRow("smaller") << QSize(50, 40);
}

void TestFlashScreen::resizeChangesOnlyTheViewport()
{
    QFETCH(QSize, size);
    const QColor colour(200, 40, 40);

    showAndWait();
    setColour(colour);
    flash->resize(size);
    QTRY_COMPARE_WITH_TIMEOUT(flash->size(), size, 5000);
    flash->repaint();

    // The colour fills the whole new area, with no border.
    QCOMPARE(flash->grabFramebuffer(), filled(size, colour));
    QTRY_COMPARE_WITH_TIMEOUT(grabScreen(flash), filled(size, colour), 5000);

    QVERIFY(flash->makeCurrent());
    GLint viewport[4];
    QOpenGLContext::currentContext()->functions()->glGetIntegerv(GL_VIEWPORT, viewport);
    QCOMPARE(QRect(viewport[0], viewport[1], viewport[2], viewport[3]), QRect(QPoint(0, 0), size));
}

QTEST_MAIN(TestFlashScreen)
#include "test_flashscreen.moc"
