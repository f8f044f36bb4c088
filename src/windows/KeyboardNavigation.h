#pragma once

// The keyboard rules of the setup window, over Qt's own: outside the edit fields the
// arrow keys move the focus through every control in tab order, wrapping around, and
// an unchecked radio button reached that way becomes checked as a click would check
// it; Enter presses the focused push button. Tab and Shift+Tab stay Qt's, over the
// controls whose focus policy takes Tab.

#include <QObject>
#include <QWidget>

#include <vector>

class KeyboardNavigation : public QObject {
    Q_OBJECT
public:
    // The controls in tab order; the navigation watches the keys sent to each.
    KeyboardNavigation(std::vector<QWidget*> controlsInTabOrder, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Direction { Forward, Backward };
    void moveFocus(QWidget* from, Direction direction);

    std::vector<QWidget*> m_controls;
};
