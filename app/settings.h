#ifndef SETTINGS_H
#define SETTINGS_H

#include "sound/ambientchoice.h"
#include "sound/tonekind.h"

#include <QSettings>
#include <QString>
#include <QVariantMap>

#include <memory>

// What the user told the flashing light's warning: nothing yet, no, or yes.
enum class LightWarningAnswer { NotAsked, Declined, Accepted };

// What Velmora remembers from one run to the next, in one QSettings file of its own in the user's
// configuration folder ($XDG_CONFIG_HOME/velmora/velmora.conf). Each setting has a typed pair of
// accessors here, so that no other class knows a key or the file.
//
// A file that cannot be read, or whose contents make no sense, reads as no settings and is left as
// it is, never overwritten: it may be the user's to mend. A file that cannot be written keeps what
// is set for this run alone. Either is told in one line on stderr, once.
class Settings
{
public:
    // The user's own settings.
    Settings();
    // The settings in that file.
    explicit Settings(const QString &fileName);
    ~Settings();

    static QString userFileName();

    LightWarningAnswer lightWarningAnswer() const;
    void setLightWarningAnswer(LightWarningAnswer answer);

    // Kept by its command-line name, so that a value this version does not know falls back to the
    // default: Binaural until the user chooses another.
    ToneKind toneKind() const;
    void setToneKind(ToneKind kind);

    // Pink Noise until the user chooses another; an own recording by its path, whether or not the
    // file is still there.
    AmbientChoice ambientSound() const;
    void setAmbientSound(const AmbientChoice &sound);

private:
    QVariant value(const QString &key) const;
    void setValue(const QString &key, const QVariant &value);
    void warn(const char *what);

    QString fileName;
    // Null while the file is not to be read or written.
    std::unique_ptr<QSettings> file;
    // What was set in this run, which holds also when the file cannot keep it.
    QVariantMap setInThisRun;
    bool warned = false;
};

#endif
