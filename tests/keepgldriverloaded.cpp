// Linked into the display tests of the sanitizer build only. Mesa unloads its GL driver with the
// last GL context, and LeakSanitizer, which looks for pointers only in the modules still loaded at
// exit, then takes the memory that the driver keeps for the life of the process for a leak from an
// unknown module. Opened here with RTLD_NODELETE, the driver stays loaded to the end, the memory it
// keeps stays reachable, and every leak that is reported is a real one.
#include <dlfcn.h>

__attribute__((constructor)) static void keepGlDriverLoaded()
{
    dlopen(VELMORA_GL_DRIVER, RTLD_LAZY | RTLD_NODELETE);
}
