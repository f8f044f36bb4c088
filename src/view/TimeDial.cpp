#include "view/TimeDial.h"

#include "view/DialPicture.h"

#include <QEvent>
#include <QPainter>

namespace {

constexpr QSize DesignSize(417, 361);

} // namespace

TimeDial::TimeDial(QWidget* parent) : QWidget(parent)
{
    // Every paint covers the whole area with the picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(DesignSize);
}

void TimeDial::Clear()
{
    m_points.clear();
    requestDrawing();
}

int TimeDial::Add(double value, std::string_view label, TColor colour)
{
    m_points.push_back({value, std::string(label), colour});
    requestDrawing();
    return static_cast<int>(m_points.size()) - 1;
}

void TimeDial::requestDrawing()
{
    m_drawingRequested = true;
    update();
}

void TimeDial::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_picture.size() != pixels || m_picture.devicePixelRatio() != ratio) {
        m_picture = QImage(pixels, QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(ratio);
        m_drawingRequested = true;
    }
    if (m_drawingRequested) {
        DrawDialPicture(m_picture, palette(), m_points);
        m_drawingRequested = false;
        ++m_drawingCount;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void TimeDial::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        requestDrawing();
    QWidget::changeEvent(event);
}
