#ifndef COLOUR_H
#define COLOUR_H

// A colour inside the session engine: each component runs from 0.0 to 1.0. It becomes
// 0..255 only when it reaches the session screen.
struct Colour
{
    float red;
    float green;
    float blue;
};

inline bool operator==(const Colour &a, const Colour &b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

#endif
