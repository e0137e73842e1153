#ifndef RENDEROPTIONS_H
#define RENDEROPTIONS_H

#include "programs/programlibrary.h"
#include "session/colour.h"
#include "sound/ambientchoice.h"
#include "sound/tonekind.h"

#include <QString>
#include <QStringList>

#include <optional>

// The command line of velmora-render, read into plain values. Every function here is pure, so
// the accepted spellings are tested row by row without running a render.
namespace RenderOptions {

// A catalogue name in any case ("deep sleep") or a number 1..11 in the window's order.
std::optional<int> programNumber(const QString &text);

// A length in seconds from "1h30m", "90m", "1:30" (hours:minutes), "5m", "2h5m"; only the lengths
// the window offers: 5 to 55 minutes past each hour from 0 to 12.
std::optional<int> sessionSeconds(const QString &text);

// A name of the table of sounds ("pink", "water"... "none") in any case, or else the path of
// the user's own recording.
AmbientChoice ambientChoice(const QString &text);

// The output format follows the file's extension, in any case; "-" is WAV on standard output.
enum class OutputFormat { Wav, Flac, Ogg, Opus, Mp3 };
std::optional<OutputFormat> outputFormatFor(const QString &path);
const char *formatName(OutputFormat format);

// "yellow", "red"... for the catalogue's colours, "#rrggbb" for any other.
QString colourName(const Colour &colour);

// A whole-second length as "0:05:03", hours unpadded.
QString clockText(qint64 seconds);

struct Request
{
    // A built-in program; 0 for a user's program, named by userProgram or read from programFile.
    int programNumber = 0;
    QString userProgram;
    QString programFile;
    int seconds = 5 * 60;
    AmbientChoice ambient = AmbientSound::PinkNoise;
    ToneKind tone = ToneKind::Binaural;
    // --tone was given: it holds over the kind a program file names for itself.
    bool toneGiven = false;
    bool secondaryTone = true;
    bool quiet = false;
    // Replace an existing output file or link.
    bool force = false;
    QString output;
    // The output's name byte for byte, as the file system has it: QFile::encodeName(output)
    // unless the caller has the bytes it was given.
    QByteArray outputName;
    OutputFormat format = OutputFormat::Wav;
};

struct CommandLine
{
    enum class Action { Render, Help, List, Error };
    Action action = Action::Error;
    Request request;
    QString error; // one line naming the problem and the accepted values
    // Which of the arguments names the output, so that its bytes can be taken as they came.
    int outputArgument = -1;
};

// arguments without the program name.
CommandLine parse(const QStringList &arguments);

// The texts below, and the manual page, name the choices with these: "pink|water|...|none" and
// "pinknoise.mp3,water.mp3,...", from the table of sounds, and "binaural|isochronic|monaural"
// from the table of tone kinds.
QString ambientChoices();
QString toneChoices();
QString ambientFiles();

QString helpText();
// The built-in programs, then the user's, bad ones with their errors.
QString programList(const QList<UserProgram> &userPrograms = {});

// A user's program for the request, fitted to its length: named, or read from its file.
struct UserSession
{
    QString name;
    StagePlan stages;
    // The kind of tone the program file names for itself, if it does.
    std::optional<ToneKind> tone;
    QString error; // one line, when there is no session to render
};
UserSession userSession(const Request &request, const ProgramLibrary &library);

} // namespace RenderOptions

#endif
