#ifndef DESKTOPSERVICES_H
#define DESKTOPSERVICES_H

class MainWindow;
class MprisService;
class SleepInhibitor;

// Wires the desktop's services to the window: what plays goes to the media controls and to the
// inhibitor, and the media controls' requests go to the window.
void connectDesktopServices(MainWindow &window, MprisService &mpris, SleepInhibitor &inhibitor);

#endif
