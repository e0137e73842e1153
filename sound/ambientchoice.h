#ifndef AMBIENTCHOICE_H
#define AMBIENTCHOICE_H

#include "sound/ambientsound.h"

#include <QString>

// What the ambient layer plays: one of the sounds of the table (AmbientSound), or a recording of
// the user's own, named by its path. The window, the player, the settings and velmora-render all
// pass this; a plain AmbientSound converts to it.
class AmbientChoice
{
public:
    AmbientChoice(AmbientSound sound = AmbientSound::PinkNoise)
        : tableSound(sound)
    {
    }
    static AmbientChoice ownSound(const QString &path);
    // A name from the table, in any case, or else the path of an own sound; "" is Pink Noise.
    static AmbientChoice fromName(const QString &nameOrPath);

    bool isOwnSound() const { return !path.isEmpty(); }
    // The table's sound; None for an own sound.
    AmbientSound sound() const { return tableSound; }
    // The own sound's path; empty for a sound of the table.
    QString ownFile() const { return path; }

    // The table's name ("pink") or the own sound's path, as fromName() takes it back.
    QString name() const;
    // The table's label in the user's language, or the own file's name without its folder.
    QString label() const;

    bool operator==(const AmbientChoice &other) const
    {
        return tableSound == other.tableSound && path == other.path;
    }
    bool operator!=(const AmbientChoice &other) const { return !(*this == other); }

private:
    AmbientSound tableSound;
    QString path;
};

#endif
