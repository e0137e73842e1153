#include "display/sessionscreen.h"
#include "ui_sessionscreen.h"

SessionScreen::SessionScreen(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::SessionScreen)
{
    ui->setupUi(this);
    // The screen is only ever shown full screen, so its layout sets no minimum size on it: a
    // window grown to a new minimum, as a longer text can ask before the window system has made
    // it full screen, drops out of full screen again.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
}

SessionScreen::~SessionScreen() = default;

// A dialog is centred at its first show unless it was placed. On its way to full screen that move
// would take it out of full screen again, so the screen stays where it was placed: at the origin of
// the screen it is shown on.
void SessionScreen::setVisible(bool visible)
{
    setAttribute(Qt::WA_Moved);
    QDialog::setVisible(visible);
}

void SessionScreen::setColour(const QColor &colour)
{
    ui->widget->setColour(colour);
    // repaint() rather than update(): the colour must be on screen before the caller's tick ends.
    ui->widget->repaint();
}

void SessionScreen::setTimeText(const char *text)
{
    ui->timerLabel_3->setText(QString::fromUtf8(text));
}

void SessionScreen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    emit shownChanged(true);
}

void SessionScreen::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    emit shownChanged(false);
}
