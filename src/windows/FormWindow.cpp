#include "windows/FormWindow.h"

#include "model/TColor.h"

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
