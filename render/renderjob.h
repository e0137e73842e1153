#ifndef RENDERJOB_H
#define RENDERJOB_H

#include "render/renderoptions.h"
#include "session/stageplan.h"

#include <QString>

// One run of velmora-render for a request that parsed: loads the ambient sound, plans the
// session, renders it into the writer and reports. Returns the process's exit status.
namespace RenderJob {

constexpr int succeeded = 0;
constexpr int failed = 2;

// The built-in program of request.programNumber. A signal ends it through Interruption, where
// main() installs it.
int run(const RenderOptions::Request &request);
// A plan of stages fitted to request.seconds, named `programName` in the summary; the request's
// program number is not read.
int run(const RenderOptions::Request &request, const QString &programName, const StagePlan &stages);

} // namespace RenderJob

#endif
