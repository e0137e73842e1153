#include "sound/ambientsound.h"
#include "sound/ambientfiles.h"

#include <QUrl>

Phonon::MediaSource AmbientSound::source(int index)
{
    if (index < 0 || index >= AmbientFiles::count)
        return Phonon::MediaSource();
    return Phonon::MediaSource(QUrl::fromLocalFile(AmbientFiles::path(index)));
}
