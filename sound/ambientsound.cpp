#include "sound/ambientsound.h"

#include <QCoreApplication>

QString AmbientSound::filePath(int index)
{
    static const char *const files[] = {"pinknoise.mp3", "water.mp3", "rain.mp3", "lullaby.mp3"};
    if (index < 0 || index >= int(sizeof files / sizeof files[0]))
        return QString();
    return QCoreApplication::applicationDirPath() + QLatin1String("/Resources/") +
        QLatin1String(files[index]);
}

QString AmbientSound::label(int index)
{
    static const char *const labels[count] = {
        QT_TRANSLATE_NOOP("AmbientSound", "Pink Noise"), QT_TRANSLATE_NOOP("AmbientSound", "Water"),
        QT_TRANSLATE_NOOP("AmbientSound", "Rain"), QT_TRANSLATE_NOOP("AmbientSound", "Lullaby"),
        QT_TRANSLATE_NOOP("AmbientSound", "None")};
    Q_ASSERT(index >= 0 && index < count);
    return QCoreApplication::translate("AmbientSound", labels[index]);
}
