#include "app/settings.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcSettings, "velmora.settings", QtInfoMsg)

namespace {

const char lightWarningKey[] = "lightWarning";
const char toneKindKey[] = "sound/tone";
const char ambientSoundKey[] = "sound/ambient";

} // namespace

Settings::Settings()
    : Settings(userFileName())
{
}

Settings::Settings(const QString &fileName)
    : fileName(fileName)
{
    const QFileInfo info(fileName);
    if (info.exists() && (!info.isFile() || !info.isReadable())) {
        warn("cannot be read: Velmora goes on as if it were new, and leaves the file as it is");
        return;
    }
    file = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    if (file->status() != QSettings::NoError) {
        file.reset();
        warn(info.exists()
                 ? "is corrupt: Velmora goes on as if it were new, and leaves the file as it is"
                 : "cannot be read: Velmora goes on as if it were new");
    }
}

Settings::~Settings() = default;

QString Settings::userFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/velmora/velmora.conf");
}

LightWarningAnswer Settings::lightWarningAnswer() const
{
    const QString answer = value(QLatin1String(lightWarningKey)).toString();
    if (answer == QLatin1String("accepted"))
        return LightWarningAnswer::Accepted;
    if (answer == QLatin1String("declined"))
        return LightWarningAnswer::Declined;
    return LightWarningAnswer::NotAsked;
}

void Settings::setLightWarningAnswer(LightWarningAnswer answer)
{
    switch (answer) {
    case LightWarningAnswer::NotAsked:
        setValue(QLatin1String(lightWarningKey), QVariant());
        break;
    case LightWarningAnswer::Declined:
        setValue(QLatin1String(lightWarningKey), QStringLiteral("declined"));
        break;
    case LightWarningAnswer::Accepted:
        setValue(QLatin1String(lightWarningKey), QStringLiteral("accepted"));
        break;
    }
}

ToneKind Settings::toneKind() const
{
    return ToneKinds::fromName(value(QLatin1String(toneKindKey)).toString())
        .value_or(ToneKind::Binaural);
}

void Settings::setToneKind(ToneKind kind)
{
    setValue(QLatin1String(toneKindKey), ToneKinds::name(kind));
}

QVariant Settings::value(const QString &key) const
{
    if (setInThisRun.contains(key))
        return setInThisRun.value(key);
    return file ? file->value(key) : QVariant();
}

void Settings::setValue(const QString &key, const QVariant &value)
{
    setInThisRun.insert(key, value);
    if (!file)
        return;
    if (value.isValid())
        file->setValue(key, value);
    else
        file->remove(key);
    // Written at once, atomically (QSettings saves through a temporary file), so that a crash or a
    // power cut later in the night loses no answer.
    file->sync();
    if (file->status() != QSettings::NoError)
        warn("cannot be written: what is set holds until Velmora quits");
}

void Settings::warn(const char *what)
{
    if (warned)
        return;
    warned = true;
    qCWarning(lcSettings, "The settings file %s %s", qPrintable(fileName), what);
}

AmbientChoice Settings::ambientSound() const
{
    return AmbientChoice::fromName(value(QLatin1String(ambientSoundKey)).toString());
}

void Settings::setAmbientSound(const AmbientChoice &sound)
{
    setValue(QLatin1String(ambientSoundKey), sound.name());
}
