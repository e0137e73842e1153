// Judges the recordings of a soak (bench/soak): raw 44,100 Hz two-channel s16le PCM files, read
// straight from the disk in one pass each, so that hours of sound take seconds and little memory.
//
//   bench_soakcheck tone FILE
//       The tone stream as the sound server played it, held frame for frame to the loop's formula
//       (tests/referencetone.h). The beat of each loop is found among the whole hertz the
//       programs use; a resynthesis takes effect where a loop starts. Anything else (a gap of
//       silence the server put in, a lost or garbled frame) is a fault.
//   bench_soakcheck ambient FILE [--skip FROM_S:TO_S]...
//       The ambient stream: a fault is any 10 ms window more than 40 dB below the level of the
//       second before it. The first and last two seconds (the stream's start and stop) and the
//       --skip stretches (deliberate changes) are not judged.
//   bench_soakcheck mix FILE
//       The sink's monitor, everything played: clipped samples, and silent 10 ms windows between
//       the first sound and the last.
//
// Prints "key=value" lines, and one "fault ..." line for each fault.

#include "sound/tone.h"
#include "tests/referencetone.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int framesPerSecond = Tone::framesPerSecond;
const int loopFrames = Tone::loopFrames;
// The programs' beats are whole hertz from 3 to 27; the generator starts with none.
const int highestBeat = 40;
// A match this long, 20 ms, pins down where in the loop, and in which loop, the recording is.
const int sureMatchFrames = framesPerSecond / 50;
// A window of 10 ms, and the drop below the level before it that makes it a gap: 40 dB.
const int windowFrames = framesPerSecond / 100;
const double gapRatio = 0.01;
const int levelWindows = 100;
const double edgeSeconds = 2.0;

// A file of frames, mapped read-only: the kernel reads it ahead and drops what has been read.
class Pcm
{
public:
    explicit Pcm(const char *path)
    {
        const int fd = open(path, O_RDONLY);
        if (fd < 0)
            return;
        struct stat info;
        if (fstat(fd, &info) == 0 && info.st_size >= 4) {
            bytes = size_t(info.st_size);
            void *mapped = mmap(nullptr, bytes, PROT_READ, MAP_PRIVATE, fd, 0);
            if (mapped != MAP_FAILED) {
                data = static_cast<const int16_t *>(mapped);
                madvise(mapped, bytes, MADV_SEQUENTIAL);
            }
        }
        close(fd);
    }
    ~Pcm()
    {
        if (data)
            munmap(const_cast<int16_t *>(data), bytes);
    }
    bool isOpen() const { return data != nullptr || bytes == 0; }
    int64_t frames() const { return int64_t(bytes / 4); }
    int16_t left(int64_t frame) const { return data[2 * frame]; }
    int16_t right(int64_t frame) const { return data[2 * frame + 1]; }

private:
    const int16_t *data = nullptr;
    size_t bytes = 0;
};

double seconds(int64_t frames)
{
    return double(frames) / framesPerSecond;
}

// The loop of one beat and secondary tone, made from the formula when first asked for.
struct Variant
{
    int beat;
    bool secondary;
};

class References
{
public:
    const int16_t *loop(const Variant &variant)
    {
        std::vector<int16_t> &samples = loops[{variant.beat, variant.secondary}];
        if (samples.empty()) {
            const QByteArray bytes =
                ReferenceTone::loop(Tone::carrierFrequency, float(variant.beat), variant.secondary,
                                    QSysInfo::LittleEndian);
            samples.resize(size_t(2 * loopFrames));
            for (int i = 0; i < 2 * loopFrames; ++i)
                samples[size_t(i)] = ReferenceTone::sampleAt(bytes, i);
        }
        return samples.data();
    }

private:
    std::map<std::pair<int, bool>, std::vector<int16_t>> loops;
};

// How many frames from recorded frame `frame` on equal the loop from `position` on, up to `most`.
int64_t matchingRun(const Pcm &pcm, int64_t frame, const int16_t *loop, int position, int64_t most)
{
    int64_t run = 0;
    const int64_t end = std::min(pcm.frames(), frame + most);
    while (frame + run < end) {
        const int i = int((position + run) % loopFrames);
        if (pcm.left(frame + run) != loop[2 * i] || pcm.right(frame + run) != loop[2 * i + 1])
            break;
        ++run;
    }
    return run;
}

struct Placement
{
    Variant variant {0, false};
    int position = -1;
    int64_t run = 0;
};

// Where in which loop the recording from `frame` on is, as the longest exact run of frames found;
// the loop's plateau repeats every second, so the run decides between the places that share one.
Placement place(const Pcm &pcm, int64_t frame, References &references)
{
    Placement best;
    for (bool secondary : {true, false}) {
        // The left ear does not depend on the beat.
        const int16_t *anyBeat = references.loop({0, secondary});
        for (int position = 0; position < loopFrames; ++position) {
            if (anyBeat[2 * position] != pcm.left(frame))
                continue;
            bool leftMatches = true;
            for (int k = 1; k < 16 && frame + k < pcm.frames() && leftMatches; ++k)
                leftMatches = anyBeat[2 * ((position + k) % loopFrames)] == pcm.left(frame + k);
            if (!leftMatches)
                continue;
            for (int beat = 0; beat <= highestBeat; ++beat) {
                const Variant variant {beat, secondary};
                const int16_t *loop = references.loop(variant);
                if (loop[2 * position + 1] != pcm.right(frame))
                    continue;
                const int64_t run = matchingRun(pcm, frame, loop, position, 2 * loopFrames);
                if (run > best.run)
                    best = {variant, position, run};
            }
        }
    }
    return best;
}

// After a mismatch at `frame`: a resynthesis if another loop goes on exactly from the place the
// old one had reached.
bool findResynthesis(const Pcm &pcm, int64_t frame, int position, References &references,
                     Variant *variant)
{
    const int64_t wanted = std::min<int64_t>(sureMatchFrames, pcm.frames() - frame);
    for (bool secondary : {variant->secondary, !variant->secondary}) {
        for (int beat = 0; beat <= highestBeat; ++beat) {
            const Variant candidate {beat, secondary};
            if (wanted > 0 &&
                matchingRun(pcm, frame, references.loop(candidate), position, wanted) == wanted) {
                *variant = candidate;
                return true;
            }
        }
    }
    return false;
}

int checkTone(const char *path)
{
    Pcm pcm(path);
    if (!pcm.isOpen()) {
        std::fprintf(stderr, "bench_soakcheck: cannot read %s\n", path);
        return 1;
    }
    References references;
    int64_t frame = 0;
    int64_t checked = 0;
    int faults = 0;
    int resyntheses = 0;
    int loops = 0;
    std::map<int, int64_t> framesByBeat;
    int64_t insertedFrames = 0;
    int64_t skippedFrames = 0;
    auto nextSounding = [&](int64_t from) {
        while (from < pcm.frames() && pcm.left(from) == 0 && pcm.right(from) == 0)
            ++from;
        return from;
    };
    // The loop is looked for further and further on from `from`, then followed back to the first
    // frame it holds there; returns that frame, or -1 where the rest holds no loop.
    auto findLoop = [&](int64_t from, Placement *found) -> int64_t {
        for (int64_t ahead = 0; from + ahead < pcm.frames(); ahead = ahead ? 2 * ahead : 1) {
            const int64_t at = nextSounding(from + ahead);
            if (at >= pcm.frames())
                return -1;
            Placement candidate = place(pcm, at, references);
            if (candidate.run < std::min<int64_t>(sureMatchFrames, pcm.frames() - at))
                continue;
            const int16_t *loop = references.loop(candidate.variant);
            int64_t back = at;
            while (back > from) {
                const int previous = (candidate.position + loopFrames - 1) % loopFrames;
                if (pcm.left(back - 1) != loop[2 * previous] ||
                    pcm.right(back - 1) != loop[2 * previous + 1])
                    break;
                --back;
                candidate.position = previous;
            }
            *found = candidate;
            return back;
        }
        return -1;
    };
    Placement at;
    // A stream starts with silence until its first sound.
    const int64_t firstSounding = nextSounding(0);
    frame = findLoop(firstSounding, &at);
    if (frame < 0 && firstSounding < pcm.frames()) {
        ++faults;
        std::printf("fault at=%.3f no loop found anywhere\n", seconds(firstSounding));
    }
    while (frame >= 0 && frame < pcm.frames()) {
        const int16_t *loop = references.loop(at.variant);
        const int64_t run = matchingRun(pcm, frame, loop, at.position, pcm.frames() - frame);
        loops += int((at.position + run) / loopFrames);
        framesByBeat[at.variant.beat] += run;
        checked += run;
        frame += run;
        at.position = int((at.position + run) % loopFrames);
        if (frame >= pcm.frames())
            break;
        if (findResynthesis(pcm, frame, at.position, references, &at.variant)) {
            ++resyntheses;
            continue;
        }
        // Not the loop going on: frames put in that are not the loop's (a gap of silence, garbled
        // frames), or frames of the loop never heard.
        const int expected = at.position;
        const int64_t resumed = findLoop(frame, &at);
        ++faults;
        if (resumed < 0) {
            insertedFrames += pcm.frames() - frame;
            std::printf("fault at=%.3f the rest (%lld frames) holds no loop\n", seconds(frame),
                        static_cast<long long>(pcm.frames() - frame));
            break;
        }
        const int64_t inserted = resumed - frame;
        int64_t skipped = (at.position - expected) % loopFrames;
        skipped = (skipped + loopFrames) % loopFrames;
        if (skipped > loopFrames / 2)
            skipped -= loopFrames;
        insertedFrames += inserted;
        skippedFrames += std::abs(skipped);
        std::printf("fault at=%.3f loop_frame=%d frames_put_in=%lld silent=%s "
                    "loop_frames_skipped=%lld\n",
                    seconds(frame), expected, static_cast<long long>(inserted),
                    inserted > 0 && resumed == nextSounding(frame) ? "yes" : "no",
                    static_cast<long long>(skipped));
        frame = resumed;
    }
    std::printf("frames=%lld\n", static_cast<long long>(pcm.frames()));
    std::printf("seconds=%.1f\n", seconds(pcm.frames()));
    std::printf("first_sound_s=%.3f\n", seconds(firstSounding));
    std::printf("checked_frames=%lld\n", static_cast<long long>(checked));
    std::printf("loops=%d\n", loops);
    std::printf("resyntheses=%d\n", resyntheses);
    std::string beats;
    for (const auto &[beat, frames] : framesByBeat)
        beats += (beats.empty() ? "" : ",") + std::to_string(beat) + ":" +
            std::to_string(frames / framesPerSecond) + "s";
    std::printf("beats=%s\n", beats.c_str());
    std::printf("faults=%d\n", faults);
    std::printf("frames_put_in=%lld\n", static_cast<long long>(insertedFrames));
    std::printf("loop_frames_skipped=%lld\n", static_cast<long long>(skippedFrames));
    std::printf("fault_frames=%lld\n", static_cast<long long>(insertedFrames + skippedFrames));
    return 0;
}

double windowPower(const Pcm &pcm, int64_t window)
{
    double sum = 0;
    for (int64_t frame = window * windowFrames; frame < (window + 1) * windowFrames; ++frame) {
        const double l = pcm.left(frame);
        const double r = pcm.right(frame);
        sum += l * l + r * r;
    }
    return sum / (2 * windowFrames);
}

int checkAmbient(const char *path, const std::vector<std::pair<double, double>> &skips)
{
    Pcm pcm(path);
    if (!pcm.isOpen()) {
        std::fprintf(stderr, "bench_soakcheck: cannot read %s\n", path);
        return 1;
    }
    const int64_t windows = pcm.frames() / windowFrames;
    std::vector<double> recent(levelWindows, 0.0);
    double recentSum = 0;
    int64_t judged = 0;
    int64_t gapWindows = 0;
    int gaps = 0;
    bool inGap = false;
    double quietestDb = 0;
    double levelSum = 0;
    for (int64_t window = 0; window < windows; ++window) {
        const double power = windowPower(pcm, window);
        const double start = seconds(window * windowFrames);
        bool judge = window >= levelWindows && start >= edgeSeconds &&
            start + 0.01 <= seconds(pcm.frames()) - edgeSeconds;
        for (const auto &[from, to] : skips)
            judge = judge && (start + 0.01 <= from || start >= to);
        const double level = recentSum / levelWindows;
        if (judge && level > 0) {
            ++judged;
            levelSum += 10 * std::log10(level);
            const double ratioDb = 10 * std::log10(std::max(power, 1e-3) / level);
            quietestDb = std::min(quietestDb, ratioDb);
            const bool gap = power < gapRatio * gapRatio * level;
            if (gap) {
                ++gapWindows;
                if (!inGap) {
                    ++gaps;
                    std::printf("fault at=%.3f a 10 ms window %.1f dB below the second before\n",
                                start, ratioDb);
                }
            }
            inGap = gap;
        } else {
            inGap = false;
        }
        recentSum += power - recent[size_t(window % levelWindows)];
        recent[size_t(window % levelWindows)] = power;
    }
    std::printf("frames=%lld\n", static_cast<long long>(pcm.frames()));
    std::printf("seconds=%.1f\n", seconds(pcm.frames()));
    std::printf("judged_windows=%lld\n", static_cast<long long>(judged));
    std::printf("level_dbfs=%.1f\n", judged ? levelSum / double(judged) - 90.3 : 0.0);
    std::printf("quietest_window_db=%.1f\n", quietestDb);
    std::printf("gap_windows=%lld\n", static_cast<long long>(gapWindows));
    std::printf("faults=%d\n", gaps);
    return 0;
}

int checkMix(const char *path)
{
    Pcm pcm(path);
    if (!pcm.isOpen()) {
        std::fprintf(stderr, "bench_soakcheck: cannot read %s\n", path);
        return 1;
    }
    int64_t clipped = 0;
    // Silent windows count between the first and the last that sound.
    int64_t silentWindows = 0;
    int64_t silentRun = 0;
    bool sounded = false;
    int16_t peak = 0;
    const int64_t windows = pcm.frames() / windowFrames;
    for (int64_t window = 0; window < windows; ++window) {
        int16_t windowPeak = 0;
        for (int64_t frame = window * windowFrames; frame < (window + 1) * windowFrames; ++frame) {
            for (int16_t sample : {pcm.left(frame), pcm.right(frame)}) {
                const int16_t magnitude =
                    sample == INT16_MIN ? INT16_MAX : int16_t(std::abs(sample));
                windowPeak = std::max(windowPeak, magnitude);
                if (magnitude >= INT16_MAX)
                    ++clipped;
            }
        }
        peak = std::max(peak, windowPeak);
        if (windowPeak <= 2) {
            ++silentRun;
        } else {
            if (sounded)
                silentWindows += silentRun;
            sounded = true;
            silentRun = 0;
        }
    }
    std::printf("frames=%lld\n", static_cast<long long>(pcm.frames()));
    std::printf("seconds=%.1f\n", seconds(pcm.frames()));
    std::printf("peak=%d\n", peak);
    std::printf("clipped_samples=%lld\n", static_cast<long long>(clipped));
    std::printf("silent_windows=%lld\n", static_cast<long long>(silentWindows));
    return 0;
}

int usage()
{
    std::fputs("usage: bench_soakcheck tone FILE | ambient FILE [--skip FROM_S:TO_S]... | "
               "mix FILE\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3)
        return usage();
    const std::string mode = argv[1];
    if (mode == "tone" && argc == 3)
        return checkTone(argv[2]);
    if (mode == "mix" && argc == 3)
        return checkMix(argv[2]);
    if (mode == "ambient") {
        std::vector<std::pair<double, double>> skips;
        for (int i = 3; i < argc; ++i) {
            double from = 0;
            double to = 0;
            if (std::strcmp(argv[i], "--skip") != 0 || i + 1 >= argc ||
                std::sscanf(argv[i + 1], "%lf:%lf", &from, &to) != 2)
                return usage();
            skips.emplace_back(from, to);
            ++i;
        }
        return checkAmbient(argv[2], skips);
    }
    return usage();
}
