#include "app/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The translators this file installed carry this name, so that the next call finds them.
const char translatorName[] = "velmora-translator";

void removeTranslations()
{
    QCoreApplication *application = QCoreApplication::instance();
    const QList<QTranslator *> installed = application->findChildren<QTranslator *>(
        QLatin1String(translatorName), Qt::FindDirectChildrenOnly);
    for (QTranslator *translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// Loads a translation of the language and installs it; false if there is none.
bool installTranslation(const QLocale &language, const QString &name, const QString &directory)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QLatin1String(translatorName));
    if (!translator->load(language, name, QStringLiteral("_"), directory)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

void installTranslations(const QLocale &locale)
{
    removeTranslations();
    for (const QString &name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return;
        // The program's own are built into it (translations/translations.cmake); Qt's come with Qt.
        if (installTranslation(language, QStringLiteral("velmora"), QStringLiteral(":/i18n"))) {
            installTranslation(language, QStringLiteral("qtbase"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

void setUpApplication()
{
    QCoreApplication::setApplicationName("Velmora");
    // Wayland matches a window to its launcher by the desktop file's name, the window's app id.
    // X11 docks match by WM_CLASS, whose class Qt takes from the application name: the desktop
    // entry's StartupWMClass names it.
    QGuiApplication::setDesktopFileName("org.velmora.Velmora");
    // Every window, the session screen too, shows the program's own icon, built into the
    // executable so that it shows also when run from the build tree.
    QIcon icon;
    icon.addFile(":/icons/velmora-48.png");
    icon.addFile(":/icons/velmora-256.png");
    QApplication::setWindowIcon(icon);
    installTranslations(QLocale::system());
}
