#include "sound/ambientsound.h"

#include <QCoreApplication>
#include <QUrl>

Phonon::MediaSource AmbientSound::source(int index)
{
    static const char *const files[] = {"pinknoise.mp3", "water.mp3", "rain.mp3", "lullaby.mp3"};
    if (index < 0 || index >= int(sizeof files / sizeof files[0]))
        return Phonon::MediaSource();
    const QString path = QCoreApplication::applicationDirPath() + QLatin1String("/Resources/") +
        QLatin1String(files[index]);
    return Phonon::MediaSource(QUrl::fromLocalFile(path));
}
