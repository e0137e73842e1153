#include "sound/ambientfiles.h"

#include <QCoreApplication>

namespace {

const char *const fileNames[AmbientFiles::count] = {"pinknoise.mp3", "water.mp3", "rain.mp3",
                                                    "lullaby.mp3"};

} // namespace

const char *AmbientFiles::fileName(int index)
{
    Q_ASSERT(index >= 0 && index < count);
    return fileNames[index];
}

QString AmbientFiles::path(int index)
{
    return QCoreApplication::applicationDirPath() + QLatin1String("/Resources/") +
        QLatin1String(fileName(index));
}
