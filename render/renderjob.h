#ifndef RENDERJOB_H
#define RENDERJOB_H

#include "render/renderoptions.h"

// One run of velmora-render for a request that parsed: loads the ambient sound, plans the
// session, renders it into the writer and reports. Returns the process's exit status.
namespace RenderJob {

constexpr int succeeded = 0;
constexpr int failed = 2;

int run(const RenderOptions::Request &request);

// An interrupt or termination signal ends the render at the next piece, without a file, with the
// shell's status for that signal: 128 + its number.
void stopOnSignals();

} // namespace RenderJob

#endif
