#ifndef SESSIONEXPORT_H
#define SESSIONEXPORT_H

#include "render/audiofilewriter.h"
#include "render/renderoptions.h"
#include "render/sessionplan.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class AmbientSource;

// A whole session rendered into an audio file: the one path that velmora-render and the window's
// export share, so that both write the same samples for the same choices.
namespace SessionExport {

struct Outcome
{
    qint64 frames = 0;
    qint64 bytes = 0;
    int outputRate = 0;
    // Samples where tone and ambient together went past full scale and were held there.
    qint64 saturatedSamples = 0;
};

// Called after each piece with the frames done and the session's frames; false stops the render,
// which then leaves no file.
using Progress = std::function<bool(qint64 doneFrames, qint64 totalFrames)>;

// The request's ambient sound, ready to be rendered: nullptr for none, and for a sound that cannot
// be read, which error then names in one line. A recording of the user's own is measured first,
// in a pass over the whole file.
std::unique_ptr<AmbientSource> openAmbient(const AmbientChoice &choice, QString *error);

// The plan rendered with the request's tone and ambient sound (nullptr for none) into the
// request's output. On failure error names the problem in one line, and no file is left.
bool render(const RenderOptions::Request &request, const SessionPlan &plan, AmbientSource *ambient,
            AudioFileWriter::Existing existing, const Progress &progress, Outcome *outcome,
            QString *error);

} // namespace SessionExport

// An export on a thread of its own, for a window whose thread must stay free: its own sound and
// screen go on while the file is written. The choice of a name, and of replacing a file, is made
// before it starts, so an existing file is replaced.
class ExportJob : public QObject
{
    Q_OBJECT

public:
    explicit ExportJob(QObject *parent = nullptr);
    // Cancels a running export and waits for it to end.
    ~ExportJob() override;

    // A built-in program's plan or a user's (SessionPlan::of()), with the request's other choices.
    void start(const RenderOptions::Request &request, const SessionPlan &plan);
    // The export stops at its next piece and leaves no file; finished() follows.
    void cancel();
    bool isRunning() const { return worker.joinable(); }

signals:
    // A few times a second at most.
    void progressed(qint64 doneFrames, qint64 totalFrames);
    // error is empty on success, and "cancelled" stays unsaid: cancelled tells it.
    void finished(bool succeeded, bool cancelled, const QString &error);

private:
    void run(RenderOptions::Request request, SessionPlan plan);
    void end(bool succeeded, const QString &error);

    std::thread worker;
    std::atomic<bool> cancelRequested {false};
};

#endif
