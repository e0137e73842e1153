#include "render/sessionexport.h"

#include "render/sessionrenderer.h"
#include "sound/ambientloop.h"
#include "sound/noise.h"
#include "sound/ownsound.h"

#include <QElapsedTimer>
#include <QMetaObject>

#include <sys/resource.h>
#include <unistd.h>

namespace {

const int progressIntervalMs = 100;
// An export runs beside a session that plays in real time: it takes the cores the player leaves.
const int exportNiceness = 10;

} // namespace

std::unique_ptr<AmbientSource> SessionExport::openAmbient(const AmbientChoice &choice,
                                                          QString *error)
{
    if (choice.isOwnSound()) {
        OwnSound::Problem problem = OwnSound::Problem::None;
        std::unique_ptr<AmbientSource> loop = OwnSoundLoop::load(choice.ownFile(), &problem);
        if (!loop)
            *error = OwnSound::problemText(problem, choice.ownFile());
        return loop;
    }
    if (const std::optional<Noise::Colour> noise = AmbientSounds::noiseColour(choice.sound()))
        return std::make_unique<AmbientLoop>(AmbientLoop::of(Noise::loop(*noise)));
    if (choice.sound() == AmbientSound::None)
        return nullptr;
    auto loop = std::make_unique<AmbientLoop>(
        AmbientLoop::decode(AmbientSounds::filePath(choice.sound()), error));
    if (loop->isEmpty())
        return nullptr;
    return loop;
}

bool SessionExport::render(const RenderOptions::Request &request, const SessionPlan &plan,
                           AmbientSource *ambient, AudioFileWriter::Existing existing,
                           const Progress &progress, Outcome *outcome, QString *error)
{
    SessionRenderer renderer(plan, request.secondaryTone, request.tone, ambient);

    AudioFileWriter writer;
    if (!writer.open(request.outputName, request.format, renderer.totalFrames(), existing, error))
        return false;
    while (!renderer.isFinished()) {
        const QVector<qint16> &piece = renderer.renderNext();
        if (!writer.write(piece.constData(), piece.size() / 2, error))
            return false;
        if (!progress(renderer.renderedFrames(), renderer.totalFrames())) {
            *error = QStringLiteral("cancelled");
            return false;
        }
    }
    if (!writer.finish(error))
        return false;
    outcome->frames = renderer.totalFrames();
    outcome->bytes = writer.size();
    outcome->outputRate = writer.outputRate();
    outcome->saturatedSamples = renderer.saturatedSamples();
    return true;
}

ExportJob::ExportJob(QObject *parent)
    : QObject(parent)
{
}

ExportJob::~ExportJob()
{
    cancel();
    if (worker.joinable())
        worker.join();
}

void ExportJob::start(const RenderOptions::Request &request, const SessionPlan &plan)
{
    cancelRequested = false;
    worker = std::thread(&ExportJob::run, this, request, plan);
}

void ExportJob::cancel()
{
    cancelRequested = true;
}

void ExportJob::run(RenderOptions::Request request, SessionPlan plan)
{
    setpriority(PRIO_PROCESS, pid_t(gettid()), exportNiceness);
    QString error;
    const std::unique_ptr<AmbientSource> ambient =
        SessionExport::openAmbient(request.ambient, &error);
    if (!error.isEmpty()) {
        end(false, error);
        return;
    }
    QElapsedTimer sinceReport;
    sinceReport.start();
    const auto report = [&](qint64 done, qint64 total) {
        if (sinceReport.elapsed() >= progressIntervalMs || done == total) {
            sinceReport.restart();
            emit progressed(done, total);
        }
        return !cancelRequested;
    };
    SessionExport::Outcome outcome;
    const bool succeeded = SessionExport::render(
        request, plan, ambient.get(), AudioFileWriter::Existing::Replace, report, &outcome, &error);
    end(succeeded, succeeded ? QString() : error);
}

// On the job's own thread, once the worker is done with it.
void ExportJob::end(bool succeeded, const QString &error)
{
    const bool cancelled = !succeeded && cancelRequested;
    QMetaObject::invokeMethod(
        this,
        [this, succeeded, cancelled, error] {
            if (worker.joinable())
                worker.join();
            emit finished(succeeded, cancelled, cancelled ? QString() : error);
        },
        Qt::QueuedConnection);
}
