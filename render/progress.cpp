#include "render/progress.h"

#include "render/renderoptions.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

const int defaultWidth = 80;
const int narrowestBar = 10;
// Before this much has been rendered the pace says little about the rest.
const double settlingSeconds = 0.5;

} // namespace

QString Progress::line(qint64 doneFrames, qint64 totalFrames, int framesPerSecond,
                       double elapsedSeconds, int width)
{
    const double fraction = totalFrames > 0 ? double(doneFrames) / totalFrames : 1.0;
    QString text = QStringLiteral(" %1%  %2 of %3")
                       .arg(int(fraction * 100), 3)
                       .arg(RenderOptions::clockText(doneFrames / framesPerSecond),
                            RenderOptions::clockText(totalFrames / framesPerSecond));
    if (doneFrames > 0 && elapsedSeconds >= settlingSeconds) {
        const double left = elapsedSeconds * (totalFrames - doneFrames) / doneFrames;
        text += QStringLiteral("  about %1 left").arg(RenderOptions::clockText(qRound64(left)));
    }
    const int barWidth = qMax(narrowestBar, width - 2 - text.size());
    const int filled = int(fraction * barWidth);
    return QLatin1Char('[') + QString(filled, QLatin1Char('#')) +
        QString(barWidth - filled, QLatin1Char('.')) + QLatin1Char(']') + text;
}

QString Progress::sizeText(qint64 bytes)
{
    if (bytes < 1000)
        return QStringLiteral("%1 bytes").arg(bytes);
    const char *const units[] = {"kB", "MB", "GB", "TB"};
    double value = bytes / 1000.0;
    int unit = 0;
    while (value >= 1000 && unit < 3) {
        value /= 1000;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(value, 0, 'f', value < 100 ? 1 : 0).arg(units[unit]);
}

ProgressBar::ProgressBar(std::FILE *terminal, bool enabled)
    : terminal(terminal)
    , enabled(enabled)
{
    sinceStart.start();
}

void ProgressBar::update(qint64 doneFrames, qint64 totalFrames, int framesPerSecond)
{
    const qint64 now = sinceStart.elapsed();
    if (!enabled || (drawn && now - lastDrawMs < redrawIntervalMs))
        return;
    lastDrawMs = now;
    drawn = true;
    // One column short of the terminal's width: a line that fills it would wrap the cursor.
    const QString text =
        Progress::line(doneFrames, totalFrames, framesPerSecond, now / 1000.0, width() - 1);
    std::fprintf(terminal, "\r%s\033[K", text.toLocal8Bit().constData());
    std::fflush(terminal);
}

void ProgressBar::clear()
{
    if (!drawn)
        return;
    std::fputs("\r\033[K", terminal);
    std::fflush(terminal);
    drawn = false;
}

int ProgressBar::width() const
{
    winsize size {};
    if (ioctl(fileno(terminal), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return defaultWidth;
}
