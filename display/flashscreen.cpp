#include "display/flashscreen.h"

#include <QExposeEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QWindow>

#include <memory>

// The native window the colour is drawn in. It takes no input, so that keys and clicks reach the
// widgets around it: Escape closes the session screen whatever was clicked last.
class FlashWindow : public QWindow
{
public:
    explicit FlashWindow(const FlashScreen &screen)
        : screen(screen)
    {
        setSurfaceType(QSurface::OpenGLSurface);
        // Colour alone: no depth or stencil buffer to allocate and keep, and no waiting for the
        // display's refresh, since the session's own ticks pace the frames.
        QSurfaceFormat format = requestedFormat();
        format.setDepthBufferSize(0);
        format.setStencilBufferSize(0);
        format.setAlphaBufferSize(0);
        format.setSwapInterval(0);
        setFormat(format);
        setFlags(flags() | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    }

    bool makeCurrent()
    {
        if (!context) {
            context = std::make_unique<QOpenGLContext>();
            context->setFormat(requestedFormat());
            if (!context->create())
                return false;
        }
        return context->makeCurrent(this);
    }

    void paint()
    {
        if (!isExposed() || !makeCurrent())
            return;
        const QSize pixels = size() * devicePixelRatio();
        QOpenGLFunctions *gl = context->functions();
        gl->glViewport(0, 0, pixels.width(), pixels.height());
        const QColor colour = screen.colour();
        gl->glClearColor(colour.redF(), colour.greenF(), colour.blueF(), 1.0f);
        // Nothing is drawn: clearing the colour buffer fills the whole surface.
        gl->glClear(GL_COLOR_BUFFER_BIT);
        context->swapBuffers(this);
    }

    QImage grab()
    {
        if (!makeCurrent())
            return {};
        const QSize pixels = size() * devicePixelRatio();
        QImage image(pixels, QImage::Format_RGBA8888);
        context->functions()->glReadPixels(0, 0, pixels.width(), pixels.height(), GL_RGBA,
                                           GL_UNSIGNED_BYTE, image.bits());
        // OpenGL's rows run from the bottom up.
        return image.mirrored().convertToFormat(QImage::Format_RGB32);
    }

protected:
    void exposeEvent(QExposeEvent *) override { paint(); }

private:
    const FlashScreen &screen;
    std::unique_ptr<QOpenGLContext> context;
};

FlashScreen::FlashScreen(QWidget *parent)
    : QWidget(parent)
    , window(new FlashWindow(*this))
{
}

FlashScreen::~FlashScreen() = default;

// The surface covers the whole widget. It is not in a layout: the widget's own layout, if it has
// one, arranges nothing but space.
void FlashScreen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (container)
        container->setGeometry(rect());
}

// The native window is made at the first show, once the window around it exists on screen: made
// before, it would make that window native early, and a full-screen request made before its first
// show would be lost.
void FlashScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!container) {
        container = QWidget::createWindowContainer(window, this);
        container->setGeometry(rect());
        container->show();
    }
}

void FlashScreen::repaint()
{
    window->paint();
}

QImage FlashScreen::grabFramebuffer()
{
    return window->grab();
}

bool FlashScreen::makeCurrent()
{
    return window->makeCurrent();
}
