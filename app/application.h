#ifndef APPLICATION_H
#define APPLICATION_H

class QLocale;

// What Velmora sets on its application before its first window shows: its name, the desktop entry
// it is launched from, its icon, and the translations for the desktop's languages
// (QLocale::system()). Call it once the QApplication exists.
void setUpApplication();

// Installs the translation for the first of the locale's user-interface languages that Velmora
// speaks, with Qt's own for the same language (the standard buttons and dialogs), in place of any
// a former call installed. English is the language the texts are written in: an English preference
// before any translated language, or none that Velmora speaks, leaves them English. Windows made
// after the call speak the language.
void installTranslations(const QLocale &locale);

#endif
