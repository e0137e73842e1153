#ifndef BUFFERING_H
#define BUFFERING_H

// How far ahead of the speakers a sound output has the server hold its sound.
enum class Buffering {
    // Long: rides over a busy machine longest, for a sound whose changes wait for their moment
    // anyway (the tone's, at the start of its next loop).
    Steady,
    // Short: a change of sound is heard at once (the ambient sound's, at the user's choice).
    Responsive,
};

#endif
