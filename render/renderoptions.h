#ifndef RENDEROPTIONS_H
#define RENDEROPTIONS_H

#include "session/colour.h"
#include "sound/ambientsound.h"

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

// "pink", "water", "rain", "lullaby", "none", in any case.
std::optional<AmbientSound> ambientSound(const QString &text);

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
    int programNumber = 0;
    int seconds = 5 * 60;
    AmbientSound ambient = AmbientSound::PinkNoise;
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

QString helpText();
QString programList();

} // namespace RenderOptions

#endif
