#include "render/sessionexport.h"

#include "render/sessionplan.h"
#include "render/sessionrenderer.h"
#include "session/programcatalogue.h"
#include "sound/ambientloop.h"

#include <QElapsedTimer>
#include <QMetaObject>

#include <sys/resource.h>
#include <unistd.h>

namespace {

const int progressIntervalMs = 100;
// An export runs beside a session that plays in real time: it takes the cores the player leaves.
const int exportNiceness = 10;

} // namespace

bool SessionExport::render(const RenderOptions::Request &request, AmbientLoop &ambient,
                           AudioFileWriter::Existing existing, const Progress &progress,
                           Outcome *outcome, QString *error)
{
    const SessionPlan plan =
        SessionPlan::of(ProgramCatalogue::program(request.programNumber), request.seconds);
    SessionRenderer renderer(plan, request.secondaryTone, ambient.isEmpty() ? nullptr : &ambient);

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

void ExportJob::start(const RenderOptions::Request &request)
{
    cancelRequested = false;
    worker = std::thread(&ExportJob::run, this, request);
}

void ExportJob::cancel()
{
    cancelRequested = true;
}

void ExportJob::run(RenderOptions::Request request)
{
    setpriority(PRIO_PROCESS, pid_t(gettid()), exportNiceness);
    QString error;
    AmbientLoop ambient;
    if (request.ambient != AmbientSound::None) {
        ambient = AmbientLoop::decode(AmbientSounds::filePath(request.ambient), &error);
        if (ambient.isEmpty()) {
            end(false, error);
            return;
        }
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
        request, ambient, AudioFileWriter::Existing::Replace, report, &outcome, &error);
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
