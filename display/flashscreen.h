#ifndef FLASHSCREEN_H
#define FLASHSCREEN_H

#include <QColor>
#include <QImage>
#include <QWidget>

class FlashWindow;

// A surface that fills its whole area with one opaque colour, drawn by OpenGL straight into a
// native window of its own. setColour() keeps the colour for the next paint; repaint() paints it
// before it returns. While the surface is hidden the colour is kept and shown once it is exposed.
//
// The colour goes to the screen without passing through an offscreen frame buffer and the
// widgets' backing store first, as a QOpenGLWidget's would: on software OpenGL that copy of every
// frame costs more than the fill itself.
class FlashScreen : public QWidget
{
    Q_OBJECT

public:
    explicit FlashScreen(QWidget *parent);
    ~FlashScreen() override;

    QColor colour() const { return fill; }
    void setColour(const QColor &colour) { fill = colour; }
    // Paints the kept colour now, if the surface is on screen.
    void repaint();

    // What the surface's frame buffer holds, read back by OpenGL.
    QImage grabFramebuffer();
    // Makes the surface's OpenGL context current on this thread, for a caller's own queries.
    bool makeCurrent();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    FlashWindow *window;
    QWidget *container = nullptr;
    QColor fill = Qt::black;
};

#endif // FLASHSCREEN_H
