#include "app/mainwindow.h"
#include "player/sessionplayer.h"
#include "tests/windowparts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <sndfile.h>

namespace {

QVector<qint16> samplesOf(const QString &path)
{
    SF_INFO info {};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return {};
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    QVector<qint16> samples(int(info.frames * info.channels));
    samples.resize(int(sf_readf_short(file, samples.data(), info.frames) * info.channels));
    sf_close(file);
    return samples;
}

// Answers the next save dialog with a name, as a user types it and presses Save.
void answerSaveDialogWith(const QString &path)
{
    QTimer *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, path] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    poll->start(20);
}

} // namespace

// File > Export Session... from the real window, on its shortcut.
class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void withoutAProgramItAsksForOne();
    void exportIsWhatTheCommandWrites();

private:
    template<typename T> T *part(const char *name = nullptr) const
    {
        return WindowParts::child<T>(window, name);
    }

    SessionPlayer *sessionPlayer = nullptr;
    MainWindow *window = nullptr;
};

void TestExport::init()
{
    sessionPlayer = new SessionPlayer;
    window = new MainWindow(*sessionPlayer);
    window->show();
    // A shortcut reaches the active window only.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestExport::cleanup()
{
    delete window;
    delete sessionPlayer;
}

// As Start does, the action asks for a program first, and opens no dialog.
void TestExport::withoutAProgramItAsksForOne()
{
    QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(part<QLabel>("selectedLabel")->text(), QStringLiteral("Select a session first!"));
    QVERIFY(!QApplication::activeModalWidget());
}

// The exported file is, sample for sample, what velmora-render writes for the same program,
// length, ambient sound and secondary tone; the status bar then says where it is.
void TestExport::exportIsWhatTheCommandWrites()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString exported = folder.filePath("deep-sleep.flac");
    const QString rendered = folder.filePath("rendered.flac");

    part<QPushButton>("program3")->click();
    part<QComboBox>("comboBox")->setCurrentIndex(1);
    part<QCheckBox>("Tone")->click();
    QVERIFY(!part<QCheckBox>("Tone")->isChecked());

    answerSaveDialogWith(exported);
    QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(window->findChild<QProgressDialog *>(), 10000);
    const QString done = QStringLiteral("Session exported to %1").arg(exported);
    QTRY_COMPARE_WITH_TIMEOUT(window->statusBar()->currentMessage(), done, 120000);

    QProcess render;
    render.start(QStringLiteral(VELMORA_RENDER),
                 {"--program", "3", "--duration", "5m", "--ambient", "water", "--no-secondary-tone",
                  rendered});
    QVERIFY(render.waitForFinished(120000));
    QVERIFY2(render.exitCode() == 0, render.readAllStandardError().constData());
    const QVector<qint16> fromWindow = samplesOf(exported);
    QCOMPARE(fromWindow.size(), 303 * 44100 * 2);
    QVERIFY(fromWindow == samplesOf(rendered));
}

QTEST_MAIN(TestExport)
#include "test_export.moc"
