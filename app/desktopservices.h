#ifndef DESKTOPSERVICES_H
#define DESKTOPSERVICES_H

class MainWindow;
class MprisService;
class SessionPlayer;
class SleepInhibitor;

// Wires the desktop's services to the player and the window: what plays goes to the media controls
// and to the inhibitor; the media controls' Stop goes to the player, and their Play to the window,
// which holds the choices a session starts with. Their Quit is the caller's to wire.
void connectDesktopServices(SessionPlayer &player, MainWindow &window, MprisService &mpris,
                            SleepInhibitor &inhibitor);

#endif
