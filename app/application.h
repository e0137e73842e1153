#ifndef APPLICATION_H
#define APPLICATION_H

// What Velmora sets on its application before its first window shows: its name, the desktop entry
// it is launched from and its icon. Call it once the QApplication exists.
void setUpApplication();

#endif
