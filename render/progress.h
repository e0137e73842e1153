#ifndef PROGRESS_H
#define PROGRESS_H

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

namespace Progress {

// One terminal line of width columns: a bar, the percent done, the session time rendered and, once
// there is something to go by, an estimate of the time left from the pace so far.
//   [##########..........]  50%  0:02:30 of 0:05:03  about 0:00:01 left
QString line(qint64 doneFrames, qint64 totalFrames, int framesPerSecond, double elapsedSeconds,
             int width);

// "53.4 MB", "812 kB", "17 bytes": decimal units, as file managers show sizes.
QString sizeText(qint64 bytes);

} // namespace Progress

// Draws Progress::line on a terminal, over itself, a few times a second.
class ProgressBar
{
public:
    static constexpr int redrawIntervalMs = 250;

    // A bar that is not enabled draws nothing.
    ProgressBar(std::FILE *terminal, bool enabled);

    void update(qint64 doneFrames, qint64 totalFrames, int framesPerSecond);
    // Clears the line, so that the closing message takes its place.
    void clear();

private:
    int width() const;

    std::FILE *terminal;
    bool enabled;
    bool drawn = false;
    QElapsedTimer sinceStart;
    qint64 lastDrawMs = 0;
};

#endif
