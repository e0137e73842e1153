#include "sound/ambientchoice.h"

#include <QFileInfo>

AmbientChoice AmbientChoice::ownSound(const QString &path)
{
    AmbientChoice choice(AmbientSound::None);
    choice.path = path;
    return choice;
}

AmbientChoice AmbientChoice::fromName(const QString &nameOrPath)
{
    if (nameOrPath.isEmpty())
        return AmbientSound::PinkNoise;
    if (const std::optional<AmbientSound> sound = AmbientSounds::fromName(nameOrPath))
        return *sound;
    return ownSound(nameOrPath);
}

QString AmbientChoice::name() const
{
    return isOwnSound() ? path : AmbientSounds::name(tableSound);
}

QString AmbientChoice::label() const
{
    return isOwnSound() ? QFileInfo(path).fileName() : AmbientSounds::label(tableSound);
}
