#include "render/renderoptions.h"

#include "session/programcatalogue.h"

#include <QFile>
#include <QRegularExpression>

namespace {

const int longestMinutes = 12 * 60 + 55;
const char lengthsAccepted[] =
    "5m to 12h55m in 5-minute steps with 5 to 55 minutes past the hour, as the window offers "
    "(1h30m, 90m, 1:30, 5m)";
const char formatsAccepted[] = ".wav, .flac, .ogg, .opus, .mp3, or - for WAV on standard output";

struct Extension
{
    const char *suffix;
    RenderOptions::OutputFormat format;
    const char *name;
};

const Extension extensions[] = {
    {"wav", RenderOptions::OutputFormat::Wav, "WAV"},
    {"flac", RenderOptions::OutputFormat::Flac, "FLAC"},
    {"ogg", RenderOptions::OutputFormat::Ogg, "Ogg Vorbis"},
    {"opus", RenderOptions::OutputFormat::Opus, "Ogg Opus"},
    {"mp3", RenderOptions::OutputFormat::Mp3, "MP3"},
};

QStringList ambientNames()
{
    QStringList names;
    for (AmbientSound sound : AmbientSounds::all())
        names.append(AmbientSounds::name(sound));
    return names;
}

// "pink, water, rain, lullaby or none"
QString ambientsAccepted()
{
    QStringList names = ambientNames();
    const QString last = names.takeLast();
    return names.join(QLatin1String(", ")) + QLatin1String(" or ") + last;
}

QStringList toneNames()
{
    QStringList names;
    for (ToneKind kind : ToneKinds::all())
        names.append(ToneKinds::name(kind));
    return names;
}

// "binaural, isochronic or monaural"
QString tonesAccepted()
{
    QStringList names = toneNames();
    const QString last = names.takeLast();
    return names.join(QLatin1String(", ")) + QLatin1String(" or ") + last;
}

// The window's boxes: hours 0..12, and minutes 5..55 past each hour.
std::optional<int> secondsForMinutes(int minutes)
{
    const int pastHour = minutes % 60;
    if (minutes < 5 || minutes > longestMinutes || pastHour == 0 || pastHour % 5 != 0)
        return std::nullopt;
    return 60 * minutes;
}

RenderOptions::CommandLine failed(const QString &message)
{
    RenderOptions::CommandLine line;
    line.action = RenderOptions::CommandLine::Action::Error;
    line.error = message;
    return line;
}

} // namespace

std::optional<int> RenderOptions::programNumber(const QString &text)
{
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    if (isNumber)
        return ProgramCatalogue::contains(number) ? std::optional<int>(number) : std::nullopt;
    for (int n = 1; n <= ProgramCatalogue::count; ++n) {
        const QString name = QString::fromLatin1(ProgramCatalogue::program(n).name);
        if (name.compare(text.simplified(), Qt::CaseInsensitive) == 0)
            return n;
    }
    return std::nullopt;
}

std::optional<int> RenderOptions::sessionSeconds(const QString &text)
{
    static const QRegularExpression hoursMinutes(
        QStringLiteral("^(?:(\\d{1,2})h)?(?:(\\d{1,3})m)?$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression colon(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));

    QRegularExpressionMatch match = colon.match(text);
    if (match.hasMatch()) {
        const int minutes = match.captured(2).toInt();
        if (minutes >= 60)
            return std::nullopt;
        return secondsForMinutes(60 * match.captured(1).toInt() + minutes);
    }
    match = hoursMinutes.match(text);
    if (!match.hasMatch() || text.isEmpty())
        return std::nullopt;
    const bool hasHours = !match.captured(1).isEmpty();
    const int minutes = match.captured(2).toInt();
    // After hours the minutes are the ones past the hour; alone they may run past 60.
    if (hasHours && minutes >= 60)
        return std::nullopt;
    return secondsForMinutes(60 * match.captured(1).toInt() + minutes);
}

AmbientChoice RenderOptions::ambientChoice(const QString &text)
{
    return AmbientChoice::fromName(text);
}

std::optional<RenderOptions::OutputFormat> RenderOptions::outputFormatFor(const QString &path)
{
    if (path == QLatin1String("-"))
        return OutputFormat::Wav;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash + 1)
        return std::nullopt;
    const QString suffix = path.mid(dot + 1);
    for (const Extension &extension : extensions) {
        if (suffix.compare(QLatin1String(extension.suffix), Qt::CaseInsensitive) == 0)
            return extension.format;
    }
    return std::nullopt;
}

const char *RenderOptions::formatName(OutputFormat format)
{
    for (const Extension &extension : extensions) {
        if (extension.format == format)
            return extension.name;
    }
    return "";
}

QString RenderOptions::colourName(const Colour &colour)
{
    if (const char *name = ProgramCatalogue::colourName(colour))
        return QLatin1String(name);
    const auto byte = [](float component) { return qRound(qBound(0.0f, component, 1.0f) * 255); };
    return QStringLiteral("#%1%2%3")
        .arg(byte(colour.red), 2, 16, QLatin1Char('0'))
        .arg(byte(colour.green), 2, 16, QLatin1Char('0'))
        .arg(byte(colour.blue), 2, 16, QLatin1Char('0'));
}

QString RenderOptions::clockText(qint64 seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds % 3600 / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

RenderOptions::CommandLine RenderOptions::parse(const QStringList &arguments)
{
    CommandLine line;
    line.action = CommandLine::Action::Render;
    Request &request = line.request;
    QString programText;
    QStringList outputs;
    int outputArgument = -1;

    for (int i = 0; i < arguments.size(); ++i) {
        QString option = arguments.at(i);
        QString value;
        bool hasValue = false;
        const int equals = option.indexOf(QLatin1Char('='));
        if (option.startsWith(QLatin1String("--")) && equals > 0) {
            value = option.mid(equals + 1);
            option = option.left(equals);
            hasValue = true;
        }
        const auto takeValue = [&]() {
            if (!hasValue && i + 1 < arguments.size()) {
                value = arguments.at(++i);
                hasValue = true;
            }
            return hasValue;
        };

        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (option == QLatin1String("--list")) {
            line.action = CommandLine::Action::List;
            return line;
        }
        if (option == QLatin1String("--program")) {
            if (!takeValue())
                return failed(QStringLiteral("--program needs a name or a number 1 to 11"));
            programText = value;
        } else if (option == QLatin1String("--program-file")) {
            if (!takeValue())
                return failed(QStringLiteral("--program-file needs a program file (.velmora)"));
            request.programFile = value;
        } else if (option == QLatin1String("--duration")) {
            if (!takeValue())
                return failed(QStringLiteral("--duration needs a length: %1").arg(lengthsAccepted));
            const std::optional<int> seconds = sessionSeconds(value);
            if (!seconds)
                return failed(QStringLiteral("length \"%1\" is not allowed: %2")
                                  .arg(value, QLatin1String(lengthsAccepted)));
            request.seconds = *seconds;
        } else if (option == QLatin1String("--ambient")) {
            if (!takeValue() || value.isEmpty())
                return failed(QStringLiteral("--ambient needs one of %1, or a sound file")
                                  .arg(ambientsAccepted()));
            request.ambient = ambientChoice(value);
        } else if (option == QLatin1String("--tone")) {
            if (!takeValue())
                return failed(QStringLiteral("--tone needs one of %1").arg(tonesAccepted()));
            const std::optional<ToneKind> kind = ToneKinds::fromName(value);
            if (!kind)
                return failed(QStringLiteral("unknown kind of tone \"%1\": use %2")
                                  .arg(value, tonesAccepted()));
            request.tone = *kind;
            request.toneGiven = true;
        } else if (option == QLatin1String("--no-secondary-tone") && !hasValue) {
            request.secondaryTone = false;
        } else if ((option == QLatin1String("--quiet") || option == QLatin1String("-q")) &&
                   !hasValue) {
            request.quiet = true;
        } else if (option == QLatin1String("--force") && !hasValue) {
            request.force = true;
        } else if (option.startsWith(QLatin1Char('-')) && option != QLatin1String("-")) {
            return failed(QStringLiteral("unknown option \"%1\": see velmora-render --help")
                              .arg(arguments.at(i)));
        } else {
            outputs << option;
            outputArgument = i;
        }
    }

    if (!programText.isNull() && !request.programFile.isNull())
        return failed(QStringLiteral("--program and --program-file name one program between them: "
                                     "give one of the two"));
    if (programText.isNull() && request.programFile.isNull())
        return failed(QStringLiteral("no program: give --program with a name or number from "
                                     "--list, or --program-file"));
    // A name that is not a built-in program's is looked for among the user's when the folder is
    // read; a number is always a built-in one.
    if (!programText.isNull()) {
        bool isNumber = false;
        programText.trimmed().toInt(&isNumber);
        const std::optional<int> number = programNumber(programText);
        if (number)
            request.programNumber = *number;
        else if (isNumber)
            return failed(QStringLiteral("unknown program \"%1\": give a name or a number 1 to %2 "
                                         "from velmora-render --list")
                              .arg(programText)
                              .arg(ProgramCatalogue::count));
        else
            request.userProgram = programText.simplified();
    }

    if (outputs.size() != 1)
        return failed(outputs.isEmpty()
                          ? QStringLiteral("no output file: end with a file name ending in %1")
                                .arg(formatsAccepted)
                          : QStringLiteral("one output file only, not %1").arg(outputs.size()));
    request.output = outputs.first();
    request.outputName = QFile::encodeName(request.output);
    line.outputArgument = outputArgument;
    const std::optional<OutputFormat> format = outputFormatFor(request.output);
    if (!format)
        return failed(QStringLiteral("unknown output format \"%1\": end the name with %2")
                          .arg(request.output, QLatin1String(formatsAccepted)));
    request.format = *format;
    return line;
}

QString RenderOptions::programList(const QList<UserProgram> &userPrograms)
{
    QString list;
    for (int n = 1; n <= ProgramCatalogue::count; ++n) {
        const Program &program = ProgramCatalogue::program(n);
        const QString frequencies = QStringLiteral("%1 -> %2 -> %3 Hz")
                                        .arg(program.startFrequency)
                                        .arg(program.plateauFrequency)
                                        .arg(program.endFrequency);
        const QString colours =
            QStringLiteral("%1 -> %2 -> %3")
                .arg(colourName(program.startColour), colourName(program.plateauColour),
                     colourName(program.endColour));
        list += QStringLiteral("%1  %2  %3  %4\n")
                    .arg(n, 2)
                    .arg(QLatin1String(program.name), -30)
                    .arg(frequencies, -20)
                    .arg(colours);
    }
    for (const UserProgram &user : userPrograms) {
        if (user.program)
            list += QStringLiteral("    %1  %2\n").arg(user.name(), -30).arg(user.path);
        else
            list += QStringLiteral("    %1  %2\n").arg(user.name(), -30).arg(user.error);
    }
    return list;
}

RenderOptions::UserSession RenderOptions::userSession(const Request &request,
                                                      const ProgramLibrary &library)
{
    UserSession session;
    std::optional<ProgramDefinition> program;
    if (!request.programFile.isNull()) {
        const ProgramFile::Reading reading = ProgramFile::read(request.programFile);
        program = reading.program;
        session.error = reading.error;
    } else if (const UserProgram *found = library.findByName(request.userProgram)) {
        program = found->program;
    } else {
        session.error = QStringLiteral("unknown program \"%1\": give a name or a number 1 to %2 "
                                       "from velmora-render --list")
                            .arg(request.userProgram)
                            .arg(ProgramCatalogue::count);
    }
    if (!program)
        return session;
    session.name = program->name;
    session.tone = program->tone;
    const std::optional<StagePlan> stages = StagePlanner::plan(*program, request.seconds);
    if (!stages) {
        session.error =
            QStringLiteral("%1: %2").arg(program->name, StagePlanner::tooShortMessage(*program));
        return session;
    }
    session.stages = *stages;
    return session;
}

QString RenderOptions::ambientChoices()
{
    return ambientNames().join(QLatin1Char('|'));
}

QString RenderOptions::toneChoices()
{
    return toneNames().join(QLatin1Char('|'));
}

QString RenderOptions::ambientFiles()
{
    QStringList files;
    for (AmbientSound sound : AmbientSounds::all()) {
        const QString file = AmbientSounds::fileName(sound);
        if (!file.isEmpty())
            files.append(file);
    }
    return files.join(QLatin1Char(','));
}

QString RenderOptions::helpText()
{
    return QStringLiteral(R"(NAME
    velmora-render - render a whole Velmora session to an audio file

SYNOPSIS
    velmora-render --program NAME|NUMBER | --program-file FILE [--duration LENGTH]
                   [--ambient %1|FILE]
                   [--tone %3]
                   [--no-secondary-tone] [--quiet] [--force] OUTPUT
    velmora-render --list
    velmora-render --help

DESCRIPTION
    Writes the session that the Velmora window plays, from its first sample to the moment it
    stops by itself: the beat tone rebuilt every 15 seconds with the beat of that moment,
    the secondary tone, and the ambient sound looped under it at the player's level. No window
    and no sound server are needed, and it runs many times faster than real time.

OPTIONS
    --program NAME|NUMBER
        The program, by its name in any case ("deep sleep") or its number 1 to 11 in the
        window's order; a name that no built-in program has is looked for among the user's
        programs (~/.local/share/velmora/programs). --list shows them all.
    --program-file FILE
        A program file of the user's own (.velmora; see velmora-program(5)), read where it is.
        When its fixed times and shares need more than --duration, nothing is rendered.
    --duration LENGTH
        The session's length, one the window offers: 5 minutes to 12 hours 55 minutes in
        5-minute steps, with 5 to 55 minutes past the hour. Written 1h30m, 90m, 1:30 (hours and
        minutes) or 5m. Default 5m.
    --ambient %1|FILE
        The ambient sound under the tone. Default pink, as in the window. Any other value is
        a sound file of your own (WAV, FLAC, Ogg, Opus, MP3...; write ./pink for a file named
        like a sound above): it is measured first, brought to the level of the other sounds,
        mixed to stereo at 44.1 kHz and looped with its end crossfading into its start, as
        the window's "Your Own Sound..." plays it. A file that cannot play ends the render
        with a message and exit status 2.
    --tone %3
        How the beat reaches the ear: binaural (the default) plays the carrier in the left ear
        and carrier plus beat in the right, for headphones; isochronic pulses one carrier in
        both ears at the beat, and monaural mixes both frequencies in both ears, for speakers.
        The window's Sound menu offers the same.
    --no-secondary-tone
        Leave out the soft 528 Hz tone, which the window plays by default.
    --quiet, -q
        Print nothing but errors.
    --force
        Replace an existing OUTPUT file or link (the link itself, not what it points to).
    --list
        The eleven programs with their start -> plateau -> end beat and colours, then the
        user's programs with their files, and the error of each file that cannot be played.
    --help, -h
        This text.

OUTPUT
    The format follows the extension: .wav (16-bit PCM; RF64 past 4 GiB), .flac (16-bit),
    .ogg (Vorbis), .opus (Opus, which takes 48 kHz only, so the sound is converted to it),
    .mp3. All are stereo, 44.1 kHz but for Opus. "-" writes WAV to standard output, unless
    that is a terminal.
    An existing file or link named OUTPUT is kept, and nothing is rendered, unless --force is
    given. The name is taken byte for byte, in any encoding.
    The file has no name until it is complete, so nothing of it is left if the render ends
    early. On a file system that cannot hold a file without a name, it is written under a
    hidden name, .velmora-XXXXXX, in the same folder, which an error or a signal removes (only
    SIGKILL or a crash can leave it). A failed write, flush or close in any format, such as a
    full disk, is an error, and no file is left.

    On a terminal, a progress bar on standard error shows the share done, the session time
    rendered and an estimate of the time left. At the end one line tells what was written.

FILES
    Resources/{%2} beside the executable: the ambient sounds,
    the same ones the installed velmora plays.
    $XDG_DATA_HOME/velmora/programs/*.velmora (~/.local/share/velmora/programs): the user's
    programs, the ones the window's Programs menu shows.

EXIT STATUS
    0 when the file is complete, 2 on any error (after a one-line message on standard error).
    SIGINT (Ctrl-C), SIGTERM, SIGHUP (a closed terminal), SIGQUIT and any other signal that
    ends a process remove the partial file, say so, and end velmora-render by that same
    signal, so that its shell sees it (130 for Ctrl-C) and a loop of renders stops.

EXAMPLES
    velmora-render --program "Deep Sleep" --duration 7h55m night.flac
    velmora-render --program 6 --duration 25m --ambient water --no-secondary-tone wake.mp3
    velmora-render --program-file wind-down.velmora --duration 1h5m night.ogg
)")
        .arg(ambientChoices(), ambientFiles(), toneChoices());
}
