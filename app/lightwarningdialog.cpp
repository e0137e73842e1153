#include "app/lightwarningdialog.h"

#include <QPushButton>

LightWarningDialog::LightWarningDialog(QWidget *parent)
    : QMessageBox(parent)
{
    setObjectName(QStringLiteral("lightWarning"));
    setIcon(QMessageBox::Warning);
    setWindowTitle(tr("Flashing Light"));
    setText(tr("The visualizer fills the screen with colour that flashes 3 to 27 times a second."));
    setInformativeText(tr("If you have photosensitive epilepsy or have ever had a seizure brought "
                          "on by light, do not look at it: ask a doctor first."));
    QPushButton *playButton = addButton(tr("Play Without the Light"), QMessageBox::RejectRole);
    playButton->setObjectName(QStringLiteral("playWithoutLight"));
    showButton = addButton(tr("&Show the Light"), QMessageBox::AcceptRole);
    showButton->setObjectName(QStringLiteral("showLight"));
    setDefaultButton(playButton);
    setEscapeButton(playButton);
    // Over the main window only: the rest of the desktop stays usable while the user reads.
    setWindowModality(Qt::WindowModal);
    connect(this, &QDialog::finished, this,
            [this] { emit answered(clickedButton() == showButton); });
}
