#include "windows/FormWindow.h"

#include "model/TColor.h"

#include <QEvent>
#include <QTimer>

namespace {

void PaintBackground(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(clPaleGreen.red, clPaleGreen.green, clPaleGreen.blue));
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

void FormWindow::showEvent(QShowEvent* event)
{
    QScrollArea::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        // The frame's size is known only once the window manager has framed the window.
        QTimer::singleShot(0, this, &FormWindow::applyOuterGeometry);
    }
}

void FormWindow::applyOuterGeometry()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(m_outerGeometry.size() - frame);
    move(m_outerGeometry.topLeft());
}
