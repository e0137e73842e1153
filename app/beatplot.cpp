#include "app/beatplot.h"

#include "programs/programfile.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

QColor qColour(const Colour &colour)
{
    return QColor::fromRgbF(qBound(0.f, colour.red, 1.f), qBound(0.f, colour.green, 1.f),
                            qBound(0.f, colour.blue, 1.f));
}

} // namespace

BeatPlot::BeatPlot(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BeatPlot::setPlan(const StagePlan &plan)
{
    stages = plan;
    text.clear();
    update();
}

void BeatPlot::setMessage(const QString &message)
{
    stages.clear();
    text = message;
    update();
}

// Sized in lines of text, so that it grows with the fonts and the screen's scale.
QSize BeatPlot::sizeHint() const
{
    const int line = fontMetrics().height();
    return {26 * line, 16 * line};
}

QSize BeatPlot::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {16 * line, 10 * line};
}

void BeatPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette colours = palette();
    painter.fillRect(rect(), colours.base());
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();

    if (stages.isEmpty()) {
        painter.setPen(colours.color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(line, line, -line, -line),
                         Qt::AlignCenter | Qt::TextWordWrap, text);
        return;
    }

    qint64 totalSeconds = 0;
    float highest = 0;
    for (const PlannedStage &stage : std::as_const(stages)) {
        totalSeconds += stage.lengthSeconds;
        highest = std::max({highest, stage.beatFrom, stage.beatTo});
    }
    // The grid in steps of 5 Hz up to the next step above the highest beat.
    const int top = std::max(5, int(std::ceil(highest / 5)) * 5);
    const int band = line;
    const QRect area(metrics.horizontalAdvance(QStringLiteral("40 Hz")) + line / 2, line / 2,
                     width() - metrics.horizontalAdvance(QStringLiteral("40 Hz")) - line,
                     height() - band - 2 * line - line / 2);
    const auto x = [&](qint64 seconds) {
        return area.left() + double(area.width()) * seconds / std::max<qint64>(totalSeconds, 1);
    };
    const auto y = [&](float beat) { return area.bottom() - double(area.height()) * beat / top; };

    painter.setPen(QPen(colours.color(QPalette::Mid), 1));
    for (int hz = 0; hz <= top; hz += 5) {
        painter.drawLine(QPointF(area.left(), y(hz)), QPointF(area.right(), y(hz)));
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(QRectF(0, y(hz) - line / 2.0, area.left() - line / 4.0, line),
                         Qt::AlignRight | Qt::AlignVCenter, tr("%1 Hz").arg(hz));
        painter.setPen(QPen(colours.color(QPalette::Mid), 1));
    }

    QPainterPath beat;
    qint64 start = 0;
    const QRectF bandRect(area.left(), area.bottom() + line / 2.0, area.width(), band);
    for (const PlannedStage &stage : std::as_const(stages)) {
        const qint64 end = start + stage.lengthSeconds;
        if (start == 0)
            beat.moveTo(x(start), y(stage.beatFrom));
        else
            beat.lineTo(x(start), y(stage.beatFrom));
        beat.lineTo(x(end), y(stage.beatTo));
        QLinearGradient ramp(x(start), 0, x(end), 0);
        ramp.setColorAt(0, qColour(stage.colourFrom));
        ramp.setColorAt(1, qColour(stage.colourTo));
        painter.fillRect(QRectF(x(start), bandRect.top(), x(end) - x(start), band), ramp);
        if (start > 0) {
            painter.setPen(QPen(colours.color(QPalette::Mid), 1, Qt::DashLine));
            painter.drawLine(QPointF(x(start), area.top()), QPointF(x(start), bandRect.bottom()));
        }
        start = end;
    }
    painter.setPen(QPen(colours.color(QPalette::Highlight), std::max(2.0, line / 8.0)));
    painter.drawPath(beat);
    painter.setPen(QPen(colours.color(QPalette::Mid), 1));
    painter.drawRect(bandRect);

    painter.setPen(colours.color(QPalette::Text));
    const QRectF labels(area.left(), bandRect.bottom() + line / 4.0, area.width(), line);
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("0"));
    painter.drawText(labels, Qt::AlignRight | Qt::AlignTop,
                     StagePlanner::minutesText(int(totalSeconds / 60)));
}
