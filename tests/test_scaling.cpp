#include "app/application.h"
#include "app/lightwarningdialog.h"
#include "app/mainwindow.h"
#include "display/sessionscreen.h"
#include "player/sessionplayer.h"
#include "session/programcatalogue.h"
#include "session/timeline.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolTip>
#include <QTranslator>
#include <QWindow>
#include <QtTest>

// The main window on a scaled desktop, in every language it speaks. Each run of this test sees one
// desktop, set before it starts (Xft.dpi or QT_SCALE_FACTOR), and VELMORA_EXPECTED_SCALE, the
// factor that desktop asks for. The plain run, on a 96 dpi screen, holds the form's texts to fit at
// all: its sizes were drawn for a narrower font than Debian's. The languages are the build's
// VELMORA_LANGUAGES, after English; each table below has its rows for each of them.
class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void startsInTheDesktopsLanguage();
    void cleanupTestCase();

    void windowScalesAsAWhole();
    void formIsTranslated_data();
    void formIsTranslated();
    void textsFit_data();
    void textsFit();
    void descriptionsNeedNoScrollBar_data();
    void descriptionsNeedNoScrollBar();
    void visualizerWarnsOfFlashingLight_data();
    void visualizerWarnsOfFlashingLight();
    void lightWarningFits_data();
    void lightWarningFits();

private:
    // A shown window in the language, made anew only when the language changes.
    MainWindow *windowIn(const QString &language);
    template<typename T> T *widget(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("the form has no %s", name);
        return found;
    }

    SessionPlayer *sessionPlayer = nullptr;
    MainWindow *window = nullptr;
    QString windowLanguage;
};

namespace {

QStringList languages()
{
    return QStringList {QStringLiteral("en")} +
        QStringLiteral(VELMORA_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The texts that rightly read as in English: the duration box's hours where the language, as
// English, writes an hour "h".
bool staysAsInEnglish(const QString &language, const QString &text)
{
    static const QStringList writeHoursAsH = {"fr", "es", "it", "pt_BR"};
    static const QRegularExpression hours(QStringLiteral("^\\d+ h$"));
    return writeHoursAsH.contains(language) && hours.match(text).hasMatch();
}

// A text of the language is a translation: English only for English, and where it rightly stays.
bool translated(const QString &language, const QString &text, const QString &english)
{
    return language == QLatin1String("en") ? text == english
                                           : text != english || staysAsInEnglish(language, text);
}

const char *const flashWarning =
    "Flashes the whole screen 3 to 27 times a second. Flashing light at these rates can trigger "
    "seizures in people with photosensitive epilepsy: uncheck Visualizer if you may be at risk.";

} // namespace

MainWindow *TestScaling::windowIn(const QString &language)
{
    if (window && windowLanguage == language)
        return window;
    delete window;
    delete sessionPlayer;
    installTranslations(QLocale(language));
    windowLanguage = language;
    sessionPlayer = new SessionPlayer;
    window = new MainWindow(*sessionPlayer);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("the window in %s was not shown", qPrintable(language));
    return window;
}

void TestScaling::cleanupTestCase()
{
    delete window;
    delete sessionPlayer;
}

// The program's own start-up picks the language from the desktop's (LANGUAGE, as a run of this
// test with VELMORA_EXPECTED_LANGUAGE sets it): the window's texts and Qt's standard buttons read
// as their translations to that language, and in English where Velmora speaks none of the
// desktop's languages before English.
void TestScaling::startsInTheDesktopsLanguage()
{
    setUpApplication();
    const QString expected = qEnvironmentVariable("VELMORA_EXPECTED_LANGUAGE", "en");
    QTranslator velmora;
    QTranslator qt;
    if (expected != QLatin1String("en")) {
        QVERIFY(velmora.load(QStringLiteral(":/i18n/velmora_") + expected));
        QVERIFY(qt.load(QStringLiteral("qtbase_") + expected,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    }
    const auto inExpected = [](const QTranslator &translator, const char *context,
                               const char *source) {
        const QString text = translator.translate(context, source);
        return text.isEmpty() ? QString::fromUtf8(source) : text;
    };

    SessionPlayer startedPlayer;
    MainWindow startedWindow(startedPlayer);
    QCOMPARE(startedWindow.findChild<QPushButton *>("startButton")->text(),
             inExpected(velmora, "MainWindow", "Start"));
    QCOMPARE(startedWindow.findChild<QComboBox *>("comboBox")->itemText(1),
             inExpected(velmora, "AmbientSound", "Water"));
    const Program &deepSleep = ProgramCatalogue::program(3);
    QCOMPARE(ProgramCatalogue::translatedName(deepSleep),
             inExpected(velmora, "ProgramCatalogue", deepSleep.name));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(),
             inExpected(qt, "QPlatformTheme", "Cancel"));
}

// The fixed size stays in logical pixels, and the fonts are laid out at the 96 dpi the form was
// drawn for: Qt scales both together by the desktop's factor.
void TestScaling::windowScalesAsAWhole()
{
    windowIn(QStringLiteral("en"));
    const qreal expected = qEnvironmentVariable("VELMORA_EXPECTED_SCALE", "1").toDouble();
    QVERIFY(expected >= 1);
    QCOMPARE(window->windowHandle()->devicePixelRatio(), expected);
    QCOMPARE(window->size(), QSize(560, 490));
    QCOMPARE(window->logicalDpiX(), 96);
    QCOMPARE(window->logicalDpiY(), 96);
}

void TestScaling::formIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : languages())
        QTest::newRow(qPrintable(language)) << language;
}

// Every text of the form, captions, tooltips, box items and the description's first words, reads
// in the language: compared one by one with the same window in English.
void TestScaling::formIsTranslated()
{
    QFETCH(QString, language);
    QMap<QString, QStringList> english;
    const auto textsOf = [](QWidget *widget) {
        QStringList texts;
        if (!widget->toolTip().isEmpty())
            texts << widget->toolTip();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        else if (auto *browser = qobject_cast<QTextBrowser *>(widget))
            texts << browser->toPlainText();
        return texts;
    };
    // The form's own widgets, not those Qt makes inside them.
    const auto formWidgets = [](MainWindow *window) {
        QList<QWidget *> widgets;
        for (QWidget *widget : window->findChildren<QWidget *>())
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
                widgets << widget;
        return widgets;
    };
    for (QWidget *widget : formWidgets(windowIn(QStringLiteral("en"))))
        english.insert(widget->objectName(), textsOf(widget));

    int compared = 0;
    for (QWidget *widget : formWidgets(windowIn(language))) {
        const QStringList texts = textsOf(widget);
        const QStringList inEnglish = english.value(widget->objectName());
        QCOMPARE(texts.size(), inEnglish.size());
        for (int i = 0; i < texts.size(); ++i) {
            QVERIFY2(translated(language, texts[i], inEnglish[i]),
                     qPrintable(widget->objectName() + QStringLiteral(": ") + texts[i]));
            ++compared;
        }
    }
    // The eleven program buttons, four other captions, the five ambient sounds, the two check boxes
    // and the warning, the thirteen hours and eleven minutes, and the description.
    QVERIFY2(compared >= 48, qPrintable(QString::number(compared)));
    QCOMPARE(window->windowTitle(), QStringLiteral("Velmora"));
}

void TestScaling::textsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("objectName");
    // The text as the code or the form writes it, in English, and its translation context; an
    // empty context stands for a text that is not translated.
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<QByteArray>("source");

    struct Shown
    {
        const char *tag;
        const char *objectName;
        const char *context;
        const char *source;
    };
    QList<Shown> texts = {
        {"headline", "selectedLabel", "MainWindow", "Headphones required for best results"},
        {"refusal", "selectedLabel", "MainWindow", "Select a session first!"},
        {"time left", "selectedLabel", "", "12:55:00"},
        {"ending", "selectedLabel", "Timeline", "Ending..."},
        {"duration", "label", "MainWindow", "Set session duration:"},
        {"ambient", "label_3", "MainWindow", "Ambient Audio"},
        {"start", "startButton", "MainWindow", "Start"},
        {"stop", "startButton", "MainWindow", "Stop"},
        {"tone", "Tone", "MainWindow", "Secondary Tone"},
        {"visualizer", "Visualizer", "MainWindow", "Visualizer"},
        {"no sound", "statusBar", "MainWindow",
         "No sound output: check your speakers or headphones"},
        {"session screen", "sessionScreen", "Timeline",
         "Time Left: %1 Press esc to exit visualizer"},
        {"session screen ending", "sessionScreen", "Timeline", "Ending..."},
        // The sound server's names for the two streams, as the desktop's mixer lists them.
        {"tone stream", "", "TonePlayer", "Binaural tone"},
        {"ambient stream", "", "AmbientPlayer", "Ambient sound"},
    };
    for (const QString &language : languages()) {
        for (const Shown &shown : texts)
            QTest::addRow("%s %s", qPrintable(language), shown.tag)
                << language << shown.objectName << QByteArray(shown.context)
                << QByteArray(shown.source);
        for (int n = 1; n <= ProgramCatalogue::count; ++n) {
            const QByteArray name = ProgramCatalogue::program(n).name;
            QTest::addRow("%s label %d", qPrintable(language), n)
                << language << "selectedLabel" << QByteArray("ProgramCatalogue") << name;
            QTest::addRow("%s button %d", qPrintable(language), n)
                << language << QStringLiteral("program%1").arg(n) << QByteArray("MainWindow")
                << name;
        }
        for (const char *combo : {"comboBox", "hours", "minutes"})
            QTest::addRow("%s %s", qPrintable(language), combo)
                << language << combo << QByteArray() << QByteArray();
    }
}

// Every text shows whole: a label's text fits its contents, a button's or combo box's size hint
// (its longest text plus the style's margins, bevel and indicator) fits the widget, the status
// bar's message fits beside its size grip, and the session screen's line fits across the screen.
// Each is a translation, where the language is not English.
void TestScaling::textsFit()
{
    QFETCH(QString, language);
    QFETCH(QString, objectName);
    QFETCH(QByteArray, context);
    QFETCH(QByteArray, source);
    windowIn(language);

    QString text = QString::fromUtf8(source);
    if (!context.isEmpty()) {
        text = QCoreApplication::translate(context, source);
        QVERIFY2(translated(language, text, QString::fromUtf8(source)), qPrintable(text));
    }
    if (objectName.isEmpty())
        return;

    int needed = 0;
    int available = 0;
    if (objectName == QLatin1String("sessionScreen")) {
        SessionScreen screen;
        auto *label = screen.findChild<QLabel *>("timerLabel_3");
        QVERIFY(label);
        if (text.contains(QLatin1String("%1")))
            text = text.arg(Timeline::timeLeftText(46500));
        needed = label->fontMetrics().horizontalAdvance(text) + 2 * screen.layout()->spacing();
        available = window->screen()->geometry().width();
    } else if (auto *statusBar =
                   qobject_cast<QStatusBar *>(this->widget<QWidget>(qPrintable(objectName)))) {
        // The message is drawn from 6 px on, up to the size grip or 12 px short of the right edge,
        // as QStatusBar lays it out.
        const QSizeGrip *grip = statusBar->findChild<QSizeGrip *>();
        needed = statusBar->fontMetrics().horizontalAdvance(text);
        available = (grip && grip->isVisible() ? grip->x() : statusBar->width() - 12) - 6;
    } else {
        QWidget *widget = this->widget<QWidget>(qPrintable(objectName));
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            label->setText(text);
            needed = label->fontMetrics().horizontalAdvance(text);
            available = label->contentsRect().width();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            if (button->objectName().startsWith(QLatin1String("program")))
                QCOMPARE(button->text(), text);
            button->setText(text);
            needed = button->sizeHint().width();
            available = button->width();
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            needed = combo->sizeHint().width();
            available = combo->width();
        }
    }
    QVERIFY(needed > 0);
    QVERIFY2(
        needed <= available,
        qPrintable(QStringLiteral("\"%1\": %2 px in %3").arg(text).arg(needed).arg(available)));
}

void TestScaling::descriptionsNeedNoScrollBar_data()
{
    formIsTranslated_data();
}

// Each program's description, the first words before a program is chosen, and the notice of a
// change during a session, show whole in the description box.
void TestScaling::descriptionsNeedNoScrollBar()
{
    QFETCH(QString, language);
    windowIn(language);
    auto *description = widget<QTextBrowser>("sessionDescription");
    QVERIFY2(description->verticalScrollBar()->maximum() == 0, "the first words");
    for (int n = 1; n <= ProgramCatalogue::count; ++n) {
        QTest::mouseClick(widget<QPushButton>(qPrintable(QStringLiteral("program%1").arg(n))),
                          Qt::LeftButton);
        const QString text = ProgramCatalogue::translatedDescription(ProgramCatalogue::program(n));
        QVERIFY(translated(language, text,
                           QString::fromLatin1(ProgramCatalogue::program(n).description)));
        QCOMPARE(description->document()->toRawText(), text);
        QVERIFY2(description->verticalScrollBar()->maximum() == 0,
                 ProgramCatalogue::program(n).name);
    }
    const char *changeNotice =
        "Your changes will take effect during the next tone scheduled tone change.";
    const QString notice = QCoreApplication::translate("MainWindow", changeNotice);
    QVERIFY(translated(language, notice, QString::fromLatin1(changeNotice)));
    description->setText(notice);
    QVERIFY2(description->verticalScrollBar()->maximum() == 0, "the notice of a change");
}

static QWidget *shownToolTip()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return widget;
    return nullptr;
}

void TestScaling::visualizerWarnsOfFlashingLight_data()
{
    formIsTranslated_data();
}

// Visualizer is on by default and flashes the screen at 3 to 27 Hz: its tooltip says so in the
// window's language, as rich text so that Qt wraps it, and it shows whole on the screen.
void TestScaling::visualizerWarnsOfFlashingLight()
{
    QFETCH(QString, language);
    windowIn(language);
    auto *visualizer = widget<QCheckBox>("Visualizer");
    const QString toolTip = visualizer->toolTip();
    QVERIFY(Qt::mightBeRichText(toolTip));
    QTextDocument document;
    document.setHtml(toolTip);
    QVERIFY2(translated(language, document.toPlainText(), QString::fromLatin1(flashWarning)),
             qPrintable(document.toPlainText()));
    QVERIFY(document.toPlainText().contains(QLatin1String("27")));

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
    QToolTip::hideText();
    QTRY_VERIFY_WITH_TIMEOUT(!shownToolTip(), 5000);
}

void TestScaling::lightWarningFits_data()
{
    formIsTranslated_data();
}

// The warning before the light shows whole on the screen, in the window's language: its two
// paragraphs wrapped within their labels, its buttons' texts within the buttons.
void TestScaling::lightWarningFits()
{
    QFETCH(QString, language);
    LightWarningDialog dialog(windowIn(language));
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const QStringList english = {
        QStringLiteral("Flashing Light"),
        QStringLiteral(
            "The visualizer fills the screen with colour that flashes 3 to 27 times a second."),
        QStringLiteral("If you have photosensitive epilepsy or have ever had a seizure brought on "
                       "by light, do not look at it: ask a doctor first."),
        QStringLiteral("Play Without the Light"),
        QStringLiteral("&Show the Light"),
    };
    const QStringList shown = {dialog.windowTitle(), dialog.text(), dialog.informativeText(),
                               dialog.findChild<QPushButton *>("playWithoutLight")->text(),
                               dialog.findChild<QPushButton *>("showLight")->text()};
    for (int i = 0; i < english.size(); ++i)
        QVERIFY2(translated(language, shown[i], english[i]), qPrintable(shown[i]));
    QVERIFY(dialog.text().contains(QLatin1String("27")));
    QVERIFY(shown.last().contains(QLatin1Char('&')));

    int labels = 0;
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        ++labels;
        const int needed =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        QVERIFY2(needed <= label->height() && label->minimumSizeHint().width() <= label->width(),
                 qPrintable(QStringLiteral("\"%1\": %2x%3 needs %4x%5")
                                .arg(label->text())
                                .arg(label->width())
                                .arg(label->height())
                                .arg(label->minimumSizeHint().width())
                                .arg(needed)));
    }
    QCOMPARE(labels, 2);
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->isVisible())
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
    }
    const QRect screen = dialog.screen()->availableGeometry();
    QVERIFY2(screen.contains(dialog.frameGeometry()),
             qPrintable(QStringLiteral("%1x%2 on a %3x%4 screen")
                            .arg(dialog.frameGeometry().width())
                            .arg(dialog.frameGeometry().height())
                            .arg(screen.width())
                            .arg(screen.height())));
}

QTEST_MAIN(TestScaling)

#include "test_scaling.moc"
