#include "render/renderjob.h"

#include "render/progress.h"
#include "render/sessionexport.h"
#include "render/sessionplan.h"
#include "sound/ambientsource.h"
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

std::unique_ptr<AmbientSource> openQuietly(const AmbientChoice &choice, QString *error)
{
    const QuietStandardError quiet;
    return SessionExport::openAmbient(choice, error);
}

int fail(const QString &message)
{
    std::fprintf(stderr, "velmora-render: %s\n", message.toLocal8Bit().constData());
    return RenderJob::failed;
}

QString summary(const RenderOptions::Request &request, const QString &programName,
                const SessionExport::Outcome &outcome)
{
    const QString where =
        request.output == QLatin1String("-") ? QStringLiteral("standard output") : request.output;
    return QStringLiteral("velmora-render: wrote %1: %2, %3 of %4, %5 %6 kHz stereo")
        .arg(where, Progress::sizeText(outcome.bytes),
             RenderOptions::clockText(outcome.frames / Tone::framesPerSecond), programName,
             QLatin1String(RenderOptions::formatName(request.format)))
        .arg(outcome.outputRate / 1000.0);
}

int render(const RenderOptions::Request &request, const QString &programName,
           const SessionPlan &plan)
{
    QString error;
    const std::unique_ptr<AmbientSource> ambient = openQuietly(request.ambient, &error);
    if (!error.isEmpty())
        return fail(error);

    ProgressBar progress(stderr, !request.quiet && isatty(STDERR_FILENO));
    const auto showProgress = [&progress](qint64 done, qint64 total) {
        progress.update(done, total, Tone::framesPerSecond);
        return true;
    };
    const auto existing =
        request.force ? AudioFileWriter::Existing::Replace : AudioFileWriter::Existing::Keep;
    SessionExport::Outcome outcome;
    const bool written = SessionExport::render(request, plan, ambient.get(), existing, showProgress,
                                               &outcome, &error);
    progress.clear();
    if (!written)
        return fail(error);

    if (!request.quiet) {
        std::fprintf(stderr, "%s\n",
                     summary(request, programName, outcome).toLocal8Bit().constData());
        if (outcome.saturatedSamples > 0)
            std::fprintf(stderr,
                         "velmora-render: warning: tone and ambient sound went past full scale "
                         "in %lld samples, which were held at full scale\n",
                         static_cast<long long>(outcome.saturatedSamples));
    }
    return RenderJob::succeeded;
}

} // namespace

int RenderJob::run(const RenderOptions::Request &request)
{
    const Program &program = ProgramCatalogue::program(request.programNumber);
    return render(request, QLatin1String(program.name), SessionPlan::of(program, request.seconds));
}

int RenderJob::run(const RenderOptions::Request &request, const QString &programName,
                   const StagePlan &stages)
{
    return render(request, programName, SessionPlan::of(stages));
}
