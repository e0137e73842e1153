#include "sound/ambientsound.h"

#include <QCoreApplication>

#include <iterator>

namespace {

struct Row
{
    AmbientSound sound;
    const char *name;
    // The build copies and installs every file named here (sound/CMakeLists.txt reads them).
    const char *file;
    const char *label;
    std::optional<Noise::Colour> noise;
};

constexpr Row rows[] = {
    {AmbientSound::PinkNoise, "pink", "pinknoise.mp3",
     QT_TRANSLATE_NOOP("AmbientSound", "Pink Noise"), std::nullopt},
    {AmbientSound::Water, "water", "water.mp3", QT_TRANSLATE_NOOP("AmbientSound", "Water"),
     std::nullopt},
    {AmbientSound::Rain, "rain", "rain.mp3", QT_TRANSLATE_NOOP("AmbientSound", "Rain"),
     std::nullopt},
    {AmbientSound::Lullaby, "lullaby", "lullaby.mp3", QT_TRANSLATE_NOOP("AmbientSound", "Lullaby"),
     std::nullopt},
    {AmbientSound::BrownNoise, "brown", nullptr, QT_TRANSLATE_NOOP("AmbientSound", "Brown Noise"),
     Noise::Colour::Brown},
    {AmbientSound::WhiteNoise, "white", nullptr, QT_TRANSLATE_NOOP("AmbientSound", "White Noise"),
     Noise::Colour::White},
    {AmbientSound::None, "none", nullptr, QT_TRANSLATE_NOOP("AmbientSound", "None"), std::nullopt},
};

constexpr bool rowsInTheEnumsOrder()
{
    for (int i = 0; i < int(std::size(rows)); ++i) {
        if (int(rows[i].sound) != i)
            return false;
    }
    return true;
}
static_assert(rowsInTheEnumsOrder(), "a sound's row is found by its value");

const Row &rowOf(AmbientSound sound)
{
    return rows[int(sound)];
}

} // namespace

QList<AmbientSound> AmbientSounds::all()
{
    QList<AmbientSound> sounds;
    for (const Row &row : rows)
        sounds.append(row.sound);
    return sounds;
}

QString AmbientSounds::label(AmbientSound sound)
{
    return QCoreApplication::translate("AmbientSound", rowOf(sound).label);
}

QString AmbientSounds::name(AmbientSound sound)
{
    return QString::fromLatin1(rowOf(sound).name);
}

std::optional<AmbientSound> AmbientSounds::fromName(const QString &name)
{
    for (const Row &row : rows) {
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.sound;
    }
    return std::nullopt;
}

std::optional<Noise::Colour> AmbientSounds::noiseColour(AmbientSound sound)
{
    return rowOf(sound).noise;
}

QString AmbientSounds::fileName(AmbientSound sound)
{
    return QLatin1String(rowOf(sound).file);
}

QString AmbientSounds::filePath(AmbientSound sound)
{
    const QString file = fileName(sound);
    if (file.isEmpty())
        return QString();
    return QCoreApplication::applicationDirPath() + QLatin1String("/Resources/") + file;
}
