#include "app/soundsettings.h"

#include <QSettings>

namespace {

const char toneKey[] = "sound/tone";

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
