#include "app/soundsettings.h"

#include <QSettings>

namespace {

const char toneKey[] = "sound/tone";
const char ambientKey[] = "sound/ambient";

QSettings settings()
{
    return QSettings(QStringLiteral("velmora"), QStringLiteral("velmora"));
}

} // namespace

ToneKind SoundSettings::toneKind()
{
    const QString name = settings().value(QLatin1String(toneKey)).toString();
    return ToneKinds::fromName(name).value_or(ToneKind::Binaural);
}

void SoundSettings::setToneKind(ToneKind kind)
{
    settings().setValue(QLatin1String(toneKey), ToneKinds::name(kind));
}

AmbientChoice SoundSettings::ambientSound()
{
    return AmbientChoice::fromName(settings().value(QLatin1String(ambientKey)).toString());
}

void SoundSettings::setAmbientSound(const AmbientChoice &sound)
{
    settings().setValue(QLatin1String(ambientKey), sound.name());
}
