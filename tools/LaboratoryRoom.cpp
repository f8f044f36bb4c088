#include "LaboratoryRoom.h"

#include "Shading.h"

namespace {

const QColor Enamel(214, 212, 200);

void drawWalls(QPainter& painter, QSize size, double floorTop)
{
    QLinearGradient wall(QPointF(0, 0), QPointF(size.width(), 0));
    wall.setColorAt(0, QColor(234, 238, 196));
    wall.setColorAt(0.55, QColor(214, 222, 170));
    wall.setColorAt(1, QColor(184, 194, 142));
    painter.fillRect(QRectF(0, 0, size.width(), floorTop), wall);
    QLinearGradient dusk(QPointF(0, 0), QPointF(0, floorTop));
    dusk.setColorAt(0, QColor(255, 255, 240, 30));
    dusk.setColorAt(1, QColor(60, 70, 30, 40));
    painter.fillRect(QRectF(0, 0, size.width(), floorTop), dusk);
    DrawMottle(painter, QRect(0, 0, size.width(), int(floorTop)), 10);

    // A pale notice board in the corner, lit by the window on the left.
    QPainterPath board;
    board.addRect(QRectF(-10, -10, 155, 120));
    DrawSoftShadow(painter, board.translated(5, 5), 5, QColor(60, 70, 30, 70));
    QLinearGradient paper(QPointF(0, 0), QPointF(145, 110));
    paper.setColorAt(0, QColor(250, 250, 244));
    paper.setColorAt(1, QColor(230, 232, 220));
    painter.fillPath(board, paper);

    painter.fillRect(QRectF(0, floorTop - 6, size.width(), 6), QColor(120, 116, 92));
    QLinearGradient floor(QPointF(0, floorTop), QPointF(0, size.height()));
    floor.setColorAt(0, QColor(150, 140, 116));
    floor.setColorAt(1, QColor(112, 104, 86));
    painter.fillRect(QRectF(0, floorTop, size.width(), size.height() - floorTop), floor);
}

// The laboratory bench behind the machine, with an electric muffle furnace on it.
void drawBenchAndFurnace(QPainter& painter, double floorTop)
{
    QPainterPath furnace;
    furnace.addRect(QRectF(482, 236, 160, 124));
    DrawSoftShadow(painter, furnace.translated(14, 6), 8, QColor(50, 60, 20, 90));

    const QColor legGrey(84, 88, 88);
    painter.fillRect(QRectF(486, 368, 10, floorTop - 368 + 10), legGrey);
    painter.fillRect(QRectF(486, 520, 140, 8), legGrey.darker(110));
    QLinearGradient top(QPointF(0, 356), QPointF(0, 372));
    top.setColorAt(0, QColor(174, 168, 150));
    top.setColorAt(1, QColor(96, 92, 80));
    painter.fillRect(QRectF(470, 356, 160, 16), top);

    painter.fillPath(furnace, RoundShade(QPointF(482, 0), QPointF(720, 0), Enamel));
    painter.fillRect(QRectF(482, 230, 160, 8), Enamel.lighter(112));
    const QRectF door(500, 256, 92, 86);
    QLinearGradient doorShade(door.topLeft(), door.bottomRight());
    doorShade.setColorAt(0, QColor(176, 172, 160));
    doorShade.setColorAt(1, QColor(132, 128, 118));
    painter.setPen(QPen(QColor(96, 94, 86), 1.5));
    painter.setBrush(doorShade);
    painter.drawRect(door);
    painter.fillRect(QRectF(520, 292, 36, 8), QColor(40, 38, 36));
    painter.fillRect(QRectF(522, 293, 30, 2), QColor(140, 136, 130));
    // The vent on top, the feet, and the maker's plate above the door.
    painter.fillRect(QRectF(530, 222, 16, 10),
                     RoundShade(QPointF(530, 0), QPointF(546, 0), QColor(90, 90, 86)));
    painter.fillRect(QRectF(490, 356, 14, 4), QColor(40, 40, 40));
    painter.fillRect(QRectF(610, 356, 14, 4), QColor(40, 40, 40));
    painter.fillRect(QRectF(526, 243, 40, 7), QColor(150, 60, 40));
    // The temperature controller, its dial glowing faintly.
    painter.fillRect(QRectF(602, 262, 18, 60), QColor(60, 62, 64));
    painter.setBrush(QColor(230, 120, 60));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(611, 276), 4, 4);
}

} // namespace

void DrawLaboratoryRoom(QPainter& painter, QSize size)
{
    // The wall meets the floor a little above the picture's foot.
    const double floorTop = size.height() - 53;
    drawWalls(painter, size, floorTop);
    drawBenchAndFurnace(painter, floorTop);
}
