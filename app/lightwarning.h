#ifndef LIGHTWARNING_H
#define LIGHTWARNING_H

#include "app/settings.h"

// When Velmora warns of its flashing light, and what the answer means. The light flashes 3 to 27
// times a second, the rates that can bring on seizures in people with photosensitive epilepsy.
// Before it first shows in a user's account the user is asked, and only a yes shows it; a yes is
// remembered for good. A no keeps the light off and the Visualizer box unchecked from then on, and
// the next time the user wants the light they are asked again. A session started from outside the
// window (the desktop's media controls, a media key) never shows it: the user may not even be
// looking, or someone unaware may be; the light takes a click in the window.
class LightWarning
{
public:
    enum class From { Window, Desktop };
    enum class Step { ShowLight, AskFirst, PlayWithoutLight };

    explicit LightWarning(Settings &settings);

    // Whether the Visualizer box is checked when Velmora starts.
    bool visualizerCheckedAtStart() const;
    // What to do when a session starts with the Visualizer box checked, or the box is checked
    // during a session.
    Step lightWanted(From from) const;
    // The user's answer to the warning: whether to show the light.
    void answer(bool showLight);

private:
    Settings &settings;
};

#endif
