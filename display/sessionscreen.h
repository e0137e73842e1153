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

    void setVisible(bool visible) override;

    // Shows the colour on the flash surface before returning.
    void setColour(const QColor &colour);
    // Shows the NUL-terminated UTF-8 text in the time label: English, or any language's.
    void setTimeText(const char *text);

signals:
    // The screen was shown or hidden: by a call, by Escape, or by the window manager.
    void shownChanged(bool shown);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    std::unique_ptr<Ui::SessionScreen> ui;
};

#endif // SESSIONSCREEN_H
