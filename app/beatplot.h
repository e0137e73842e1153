#ifndef BEATPLOT_H
#define BEATPLOT_H

#include "session/stageplan.h"

#include <QWidget>

// The beat of a session over its length, as a line over a grid in hertz, with each stage's colour
// ramp in a band beneath. Without a plan it shows a message in its place.
class BeatPlot : public QWidget
{
    Q_OBJECT

public:
    explicit BeatPlot(QWidget *parent = nullptr);

    void setPlan(const StagePlan &plan);
    void setMessage(const QString &message);
    const StagePlan &plan() const { return stages; }
    QString message() const { return text; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    StagePlan stages;
    QString text;
};

#endif
