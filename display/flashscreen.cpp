#include "display/flashscreen.h"

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
}

void FlashScreen::resizeGL(int width, int height)
{
    glViewport(0, 0, width, height);
}

void FlashScreen::paintGL()
{
    // Nothing is drawn: clearing the colour buffer fills the whole widget.
    qglClearColor(fill);
    glClear(GL_COLOR_BUFFER_BIT);
}
