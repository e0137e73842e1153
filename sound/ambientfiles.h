#ifndef AMBIENTFILES_H
#define AMBIENTFILES_H

#include <QString>

// Where the four ambient sounds live: Resources/ beside the running executable, so that the
// installed program (a bin/ link to lib/velmora/) and the build tree find them the same way,
// whatever the working directory.
namespace AmbientFiles {

// "pinknoise.mp3", "water.mp3", "rain.mp3", "lullaby.mp3": the window's comboBox order.
constexpr int count = 4;

// A file name for index 0..count-1.
const char *fileName(int index);
QString path(int index);

} // namespace AmbientFiles

#endif
