#include "render/renderjob.h"

#include "render/progress.h"
#include "render/sessionexport.h"
#include "session/programcatalogue.h"
#include "sound/ambientloop.h"
#include "sound/ambientsound.h"
#include "sound/tone.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// mpg123, under libsndfile, prints its own notes about a damaged MP3 on standard error; the one
// line that says which file failed is enough.
class QuietStandardError
{
public:
    QuietStandardError()
        : saved(dup(STDERR_FILENO))
    {
        std::fflush(stderr);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        close(null);
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
    }

private:
    int saved;
};

AmbientLoop decodeQuietly(const QString &path, QString *error)
{
    const QuietStandardError quiet;
    return AmbientLoop::decode(path, error);
}

int fail(const QString &message)
{
    std::fprintf(stderr, "velmora-render: %s\n", message.toLocal8Bit().constData());
    return RenderJob::failed;
}

QString summary(const RenderOptions::Request &request, const SessionExport::Outcome &outcome)
{
    const QString where =
        request.output == QLatin1String("-") ? QStringLiteral("standard output") : request.output;
    return QStringLiteral("velmora-render: wrote %1: %2, %3 of %4, %5 %6 kHz stereo")
        .arg(where, Progress::sizeText(outcome.bytes),
             RenderOptions::clockText(outcome.frames / Tone::framesPerSecond),
             QLatin1String(ProgramCatalogue::program(request.programNumber).name),
             QLatin1String(RenderOptions::formatName(request.format)))
        .arg(outcome.outputRate / 1000.0);
}

} // namespace

int RenderJob::run(const RenderOptions::Request &request)
{
    AmbientLoop ambient;
    if (request.ambient != AmbientSound::None) {
        QString error;
        ambient = decodeQuietly(AmbientSounds::filePath(request.ambient), &error);
        if (ambient.isEmpty())
            return fail(error);
    }

    QString error;
    ProgressBar progress(stderr, !request.quiet && isatty(STDERR_FILENO));
    const auto showProgress = [&progress](qint64 done, qint64 total) {
        progress.update(done, total, Tone::framesPerSecond);
        return true;
    };
    const auto existing =
        request.force ? AudioFileWriter::Existing::Replace : AudioFileWriter::Existing::Keep;
    SessionExport::Outcome outcome;
    const bool written =
        SessionExport::render(request, ambient, existing, showProgress, &outcome, &error);
    progress.clear();
    if (!written)
        return fail(error);

    if (!request.quiet) {
        std::fprintf(stderr, "%s\n", summary(request, outcome).toLocal8Bit().constData());
        if (outcome.saturatedSamples > 0)
            std::fprintf(stderr,
                         "velmora-render: warning: tone and ambient sound went past full scale "
                         "in %lld samples, which were held at full scale\n",
                         static_cast<long long>(outcome.saturatedSamples));
    }
    return succeeded;
}
