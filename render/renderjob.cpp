#include "render/renderjob.h"

#include "render/audiofilewriter.h"
#include "render/progress.h"
#include "render/sessionplan.h"
#include "render/sessionrenderer.h"
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

QString summary(const RenderOptions::Request &request, const SessionRenderer &renderer,
                const AudioFileWriter &writer)
{
    const QString where =
        request.output == QLatin1String("-") ? QStringLiteral("standard output") : request.output;
    return QStringLiteral("velmora-render: wrote %1: %2, %3 of %4, %5 %6 kHz stereo")
        .arg(where, Progress::sizeText(writer.size()),
             RenderOptions::clockText(renderer.totalFrames() / Tone::framesPerSecond),
             QLatin1String(ProgramCatalogue::program(request.programNumber).name),
             QLatin1String(RenderOptions::formatName(request.format)))
        .arg(writer.outputRate() / 1000.0);
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

    const SessionPlan plan =
        SessionPlan::of(ProgramCatalogue::program(request.programNumber), request.seconds);
    SessionRenderer renderer(plan, request.secondaryTone, ambient.isEmpty() ? nullptr : &ambient);

    QString error;
    AudioFileWriter writer;
    const auto existing =
        request.force ? AudioFileWriter::Existing::Replace : AudioFileWriter::Existing::Keep;
    if (!writer.open(request.outputName, request.format, renderer.totalFrames(), existing, &error))
        return fail(error);

    ProgressBar progress(stderr, !request.quiet && isatty(STDERR_FILENO));
    while (!renderer.isFinished()) {
        const QVector<qint16> &piece = renderer.renderNext();
        if (!writer.write(piece.constData(), piece.size() / 2, &error)) {
            progress.clear();
            return fail(error);
        }
        progress.update(renderer.renderedFrames(), renderer.totalFrames(), Tone::framesPerSecond);
    }
    progress.clear();
    if (!writer.finish(&error))
        return fail(error);

    if (!request.quiet) {
        std::fprintf(stderr, "%s\n", summary(request, renderer, writer).toLocal8Bit().constData());
        if (renderer.saturatedSamples() > 0)
            std::fprintf(stderr,
                         "velmora-render: warning: tone and ambient sound went past full scale "
                         "in %lld samples, which were held at full scale\n",
                         static_cast<long long>(renderer.saturatedSamples()));
    }
    return succeeded;
}
