#ifndef RENDERJOB_H
#define RENDERJOB_H

#include "render/renderoptions.h"

// One run of velmora-render for a request that parsed: loads the ambient sound, plans the
// session, renders it into the writer and reports. Returns the process's exit status.
namespace RenderJob {

constexpr int succeeded = 0;
constexpr int failed = 2;

// A signal ends it through Interruption, where main() installs it.
int run(const RenderOptions::Request &request);

} // namespace RenderJob

#endif
