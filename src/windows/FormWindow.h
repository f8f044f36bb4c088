#pragma once

// A top-level window of fixed design, the common ground of the setup and the trial
// window: its controls sit at fixed pixel places on a pale-green client area, and
// when the window is smaller than the area they cover, scroll bars appear and the
// controls keep their places in the scrolled area. The window opens with its outer
// frame, title bar included, at the given screen rectangle.

#include <QRect>
#include <QScrollArea>

class FormWindow : public QScrollArea {
    Q_OBJECT
public:
    FormWindow(const QString& caption, const QRect& outerGeometry);

    // The parent of every control; its coordinates are those of the design.
    QWidget* client() const { return m_client; }

    // Sizes the client area to the rectangle the controls cover; called once all
    // controls are made.
    void fitClientToControls();

protected:
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitOuterFrame();

    QWidget* m_client;
    QRect m_outerGeometry;
    bool m_framed = false;
    bool m_activated = false;
};
