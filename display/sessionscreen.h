#ifndef SESSIONSCREEN_H
#define SESSIONSCREEN_H

#include <QDialog>

#include <memory>

namespace Ui {
class SessionScreen;
}

// The visualizer window: one line of time-left text above a flash surface.
// It has no controls; Escape hides it through QDialog's own key handling.
class SessionScreen : public QDialog
{
    Q_OBJECT

public:
    explicit SessionScreen(QWidget *parent = nullptr);
    ~SessionScreen() override;

    // Shows the colour on the flash surface before returning.
    void setColour(const QColor &colour);
    // Shows the NUL-terminated Latin-1 text in the time label.
    void setTimeText(const char *text);

private:
    std::unique_ptr<Ui::SessionScreen> ui;
};

#endif // SESSIONSCREEN_H
