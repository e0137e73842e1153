#ifndef FLASHSCREEN_H
#define FLASHSCREEN_H

#include <QGLWidget>

// An OpenGL surface that fills its whole area with one opaque colour.
// The owner writes red, green and blue (each 0..255) and then calls repaint(),
// which paints before it returns; while the widget is hidden the colour is kept
// and shown on the next paint.
class FlashScreen : public QGLWidget
{
    Q_OBJECT

public:
    explicit FlashScreen(QWidget *parent);
    ~FlashScreen() override;

    int red = 0;
    int green = 0;
    int blue = 0;

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
};

#endif // FLASHSCREEN_H
