#include "display/sessionscreen.h"
#include "ui_sessionscreen.h"

SessionScreen::SessionScreen(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::SessionScreen)
{
    ui->setupUi(this);
}

SessionScreen::~SessionScreen() = default;

void SessionScreen::setColour(const QColor &colour)
{
    ui->widget->setColour(colour);
    // repaint() rather than update(): the colour must be on screen before the caller's tick ends.
    ui->widget->repaint();
}

void SessionScreen::setTimeText(const char *text)
{
    ui->timerLabel_3->setText(QString::fromLatin1(text));
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
