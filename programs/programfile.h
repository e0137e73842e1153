#ifndef PROGRAMFILE_H
#define PROGRAMFILE_H

#include "programs/keyfile.h"
#include "session/colour.h"
#include "session/programcatalogue.h"
#include "session/stageplan.h"
#include "sound/tonekind.h"

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// How long a stage of a user's program lasts: a fixed time, a share of the session, or the rest
// of the session.
struct StageLength
{
    enum class Kind { Time, Share, Rest };
    Kind kind = Kind::Time;
    int seconds = 0; // for a time
    double percent = 0; // for a share, above 0 and at most 100
};
bool operator==(const StageLength &a, const StageLength &b);

struct StageDefinition
{
    StageLength length;
    float beatFrom = 0;
    float beatTo = 0;
    Colour colourFrom {0, 0, 0};
    Colour colourTo {0, 0, 0};
};
bool operator==(const StageDefinition &a, const StageDefinition &b);

// A user's program as its file describes it, before it meets a session's length.
struct ProgramDefinition
{
    QString name;
    QString description;
    QMap<QString, QString> localizedNames; // by language, as in Name[de]
    QMap<QString, QString> localizedDescriptions; // by language, as in Description[de]
    QList<StageDefinition> stages;
    // Tone=, when the program names the kind of tone it is played with; otherwise the one chosen
    // in the window's Sound menu, or with velmora-render's --tone.
    std::optional<ToneKind> tone;

    // The name and description for a language such as "de_DE" ("de" too), else the plain ones.
    QString nameFor(const QString &language) const;
    QString descriptionFor(const QString &language) const;
};

// The program file: a key file with a [Velmora Program] group and [Stage 1] to [Stage 32].
namespace ProgramFile {

inline constexpr int maximumStages = 32;
inline constexpr float lowestBeat = 0.5f;
inline constexpr float highestBeat = 40;
inline constexpr qint64 largestFileBytes = 1024 * 1024;
inline constexpr int longestTimeSeconds = (12 * 60 + 55) * 60;
inline constexpr char suffix[] = "velmora";
inline constexpr char mimeType[] = "application/x-velmora-program";

// "90s", "5m", "1h30m", "1h 30m 10s"; "20%", "12.5%"; "rest". In any case.
std::optional<StageLength> parseLength(const QString &text);
// "18 to 8", or "8" for a beat held; Hz, 0.5 to 40.
std::optional<std::pair<float, float>> parseBeat(const QString &text);
// "yellow to blue", "#ff8000", or "blue" for a colour held.
std::optional<std::pair<Colour, Colour>> parseColour(const QString &text);
std::optional<Colour> parseOneColour(const QString &text);

// The spellings the file is written with, which parse back to the same values.
QString lengthText(const StageLength &length);
QString beatText(float from, float to);
QString colourText(const Colour &from, const Colour &to);
QString oneColourText(const Colour &colour);

// The names a colour may have: those of the built-in programs' colours.
QStringList colourNames();

struct Reading
{
    std::optional<ProgramDefinition> program; // empty when the file is bad
    QString error; // one line, naming the file and the line, or the stage and the key
    KeyFile document; // what was read, for saving back with the keys this version does not know
};

// A file on disk; fileName in the messages is the path as given.
Reading read(const QString &path);
// Text read from a file named fileName (for the messages).
Reading parse(const QByteArray &data, const QString &fileName);

// The file text for a program: document is what was read (or an empty KeyFile for a new file);
// the keys this version knows are replaced, everything else stays.
QByteArray write(const ProgramDefinition &program, KeyFile document = {});

// A built-in program as a user's program that sounds as it does in a session of sessionSeconds:
// its two ramps as fixed times and its plateau as the rest, under its English name.
ProgramDefinition copyOf(const Program &program, int sessionSeconds);

} // namespace ProgramFile

// Fits a program's stages to a session of a given length.
namespace StagePlanner {

// The stage lengths in whole seconds that add up to sessionSeconds: times as they are, shares of
// the session, and the one rest stage the time left over; with no rest stage, all of them scaled
// alike to fill the session. Empty when the times and shares need more than the session.
std::optional<StagePlan> plan(const ProgramDefinition &program, int sessionSeconds);

// The shortest whole number of minutes the program fits in; 0 when no length is too short.
int shortestMinutes(const ProgramDefinition &program);

// "This program needs at least %1." for a program that does not fit sessionSeconds.
QString tooShortMessage(const ProgramDefinition &program);

// "1 h 30 min", "45 min", in the language of the translation installed.
QString minutesText(int minutes);

} // namespace StagePlanner

#endif
