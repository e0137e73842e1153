#ifndef TONE_H
#define TONE_H

// The constants of the binaural tone, shared by the generator, its player, the renderer, the tests
// and the benchmarks. Every sound of the program is played as 44,100 Hz, two channels, 16-bit
// signed in the machine's byte order, which every sound server takes.
namespace Tone {

constexpr int framesPerSecond = 44100;
constexpr int channelCount = 2;
constexpr int bytesPerFrame = 4;
// The generator serves one loop, resynthesised at its first frame when the beat or the secondary
// tone has changed.
constexpr int loopSeconds = 15;
constexpr int loopFrames = loopSeconds * framesPerSecond;
constexpr int loopBytes = loopFrames * bytesPerFrame;
// 1.2 s of fade in at the start of the loop and of fade out at its end.
constexpr int fadeFrames = 52920;
// The left ear's frequency; the right ear's is the carrier plus the beat.
constexpr float carrierFrequency = 396.0f;
constexpr float secondaryFrequency = 528.0f;
// The loudest sample of the tone: 0.7 of full scale for the beat and 0.1 for the secondary tone.
// An ambient sound mixed under it stays below full scale less this.
constexpr int peak = 26212;

} // namespace Tone

#endif
