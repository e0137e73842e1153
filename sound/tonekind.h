#ifndef TONEKIND_H
#define TONEKIND_H

#include <QList>
#include <QString>

#include <optional>

// How the beat reaches the ear, in the order the window offers them. Adding one is a row in the
// table of tonekind.cpp and its sound in Generator.
enum class ToneKind {
    // The carrier in the left ear and carrier plus beat in the right: the beat is made in the
    // head, so it needs headphones.
    Binaural,
    // One carrier in both ears, pulsed on and off at the beat.
    Isochronic,
    // The carrier and carrier plus beat mixed in both ears: the beat is heard in the air.
    Monaural,
};

namespace ToneKinds {

// Every kind, Binaural first: the one a new user hears.
QList<ToneKind> all();

// The label the window's Sound menu shows, in the user's language.
QString label(ToneKind kind);
// The name velmora-render takes on its command line: "binaural", "isochronic", "monaural".
QString name(ToneKind kind);
std::optional<ToneKind> fromName(const QString &name);

} // namespace ToneKinds

#endif
