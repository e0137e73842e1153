#ifndef LIGHTWARNINGDIALOG_H
#define LIGHTWARNINGDIALOG_H

#include <QMessageBox>

// The warning before the flashing light shows: what the light does, who must not look at it, and
// the two answers. Playing without the light is the default, and Escape's answer, so that a key
// pressed without reading never shows the light.
class LightWarningDialog : public QMessageBox
{
    Q_OBJECT

public:
    explicit LightWarningDialog(QWidget *parent);

signals:
    // Once the dialog is closed: whether the user chose to see the light.
    void answered(bool showLight);

private:
    QPushButton *showButton;
};

#endif
