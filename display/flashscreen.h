#ifndef FLASHSCREEN_H
#define FLASHSCREEN_H

#include <QColor>
#include <QGLWidget>

// An OpenGL surface that fills its whole area with one opaque colour. setColour() keeps the colour
// for the next paint; repaint() paints it before it returns. While the widget is hidden the colour
// is kept and shown on the next paint.
class FlashScreen : public QGLWidget
{
    Q_OBJECT

public:
    explicit FlashScreen(QWidget *parent);
    ~FlashScreen() override;

    QColor colour() const { return fill; }
    void setColour(const QColor &colour) { fill = colour; }

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

private:
    QColor fill = Qt::black;
};

#endif // FLASHSCREEN_H
