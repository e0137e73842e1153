#ifndef TONE_H
#define TONE_H

#include <QSysInfo>

// The constants of the binaural tone, shared by the generator, the window that plays it, the tests
// and the benchmarks.
namespace Tone {

constexpr int framesPerSecond = 44100;
constexpr int channelCount = 2;
constexpr int bytesPerFrame = 4;
// The generator serves one loop that it resynthesises each time it has been played through.
constexpr int loopSeconds = 15;
constexpr int loopFrames = loopSeconds * framesPerSecond;
constexpr int loopBytes = loopFrames * bytesPerFrame;
// 1.2 s of fade in at the start of the loop and of fade out at its end.
constexpr int fadeFrames = 52920;
// A resynthesis while the loop plays crossfades the old loop into the new one over 10 ms.
constexpr int blendFrames = 441;
// The left ear's frequency; the right ear's is the carrier plus the beat.
constexpr float carrierFrequency = 396.0f;
constexpr float secondaryFrequency = 528.0f;

// What every sound of the program is played as: 44,100 Hz, two channels, 16-bit signed, low byte
// first, which every sound server takes.
constexpr QSysInfo::Endian playedByteOrder = QSysInfo::LittleEndian;

} // namespace Tone

#endif
