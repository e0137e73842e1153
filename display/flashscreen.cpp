#include "display/flashscreen.h"

#include <QColor>

FlashScreen::FlashScreen(QWidget *parent)
    : QGLWidget(parent)
{
}

FlashScreen::~FlashScreen()
{
    // The GL context must be current while the base class releases its resources.
    makeCurrent();
}

void FlashScreen::initializeGL()
{
    qglClearColor(Qt::black);
    glShadeModel(GL_FLAT);
}

void FlashScreen::resizeGL(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1.0, 1.0, -1.0, 1.0, 5.0, 15.0);
    glMatrixMode(GL_MODELVIEW);
}

void FlashScreen::paintGL()
{
    // Nothing is drawn: clearing the colour buffer fills the whole widget.
    QColor colour;
    colour.setRgb(red, green, blue, 255);
    qglClearColor(colour);
    glClear(GL_COLOR_BUFFER_BIT);
}
