#include "windows/FormWindow.h"

#include "model/TColor.h"

#include <QEvent>

namespace {

void PaintBackground(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window,
                     QColor(clPaleGreen.red, clPaleGreen.green, clPaleGreen.blue));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

FormWindow::FormWindow(const QString& caption, const QRect& outerGeometry)
    : m_client(new QWidget), m_outerGeometry(outerGeometry)
{
    setWindowTitle(caption);
    setFrameShape(QFrame::NoFrame);
    // The window itself never takes the focus; its controls do.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    PaintBackground(this);
    PaintBackground(viewport());
    PaintBackground(m_client);
    setWidget(m_client);
    resize(outerGeometry.size());
    move(outerGeometry.topLeft());
}

void FormWindow::fitClientToControls()
{
    const QRect covered = m_client->childrenRect();
    m_client->resize(covered.right() + 1, covered.bottom() + 1);
}

bool FormWindow::event(QEvent* event)
{
    const bool handled = QScrollArea::event(event);
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        // The first activation gives the focus to the first tab stop as Tab would, so
        // that an edit field there has its whole text selected.
        if (QWidget* focused = focusWidget())
            focused->clearFocus();
        focusNextChild();
    }
    return handled;
}

void FormWindow::moveEvent(QMoveEvent* event)
{
    QScrollArea::moveEvent(event);
    fitOuterFrame();
}

void FormWindow::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    fitOuterFrame();
}

// The frame's size is known only once the window manager has framed the shown window,
// which it reports by moving or resizing it. Then the client area gives up the frame's
// share of the outer size, once; without a window manager there is no frame.
void FormWindow::fitOuterFrame()
{
    if (m_framed || !isVisible())
        return;
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame.width() == 0 && frame.height() == 0)
        return;
    m_framed = true;
    resize(m_outerGeometry.size() - frame);
    move(m_outerGeometry.topLeft());
}
