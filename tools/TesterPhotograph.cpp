#include "TesterPhotograph.h"

#include "LaboratoryRoom.h"
#include "Shading.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr QSize PhotoSize(620, 651);
const QColor CastGrey(126, 133, 131);
const QColor WeightGrey(146, 149, 147);
const QColor Steel(168, 172, 174);

// Whether a cylinder's top face shows: not where it hangs from the part above it.
enum class TopFace { Shown, Hidden };

// A cylinder standing upright, seen from a little above: its side, then its top face.
void drawUprightCylinder(QPainter& painter, double left, double right, double top, double bottom,
                         double faceHalfHeight, QColor colour, TopFace topFace = TopFace::Shown)
{
    const QPainterPath side = CylinderSide(left, right, top, bottom, faceHalfHeight);
    painter.fillPath(side, RoundShade(QPointF(left, 0), QPointF(right, 0), colour));
    if (topFace == TopFace::Hidden)
        return;
    const QRectF face = EllipseAcross(left, right, top, faceHalfHeight);
    QLinearGradient faceShade(face.topLeft(), face.bottomRight());
    faceShade.setColorAt(0, colour.lighter(130));
    faceShade.setColorAt(1, colour.lighter(105));
    painter.setPen(Qt::NoPen);
    painter.setBrush(faceShade);
    painter.drawEllipse(face);
}

QPainterPath bodyOutline()
{
    QPainterPath body;
    body.moveTo(196, 150);
    body.lineTo(354, 150);
    body.lineTo(382, 548);
    body.lineTo(170, 548);
    body.closeSubpath();
    return body;
}

QPainterPath headOutline()
{
    QPainterPath head;
    head.moveTo(178, 150);
    head.lineTo(178, 78);
    head.quadTo(178, 38, 222, 38);
    head.lineTo(462, 42);
    head.quadTo(486, 44, 490, 70);
    head.lineTo(494, 138);
    head.quadTo(494, 154, 478, 154);
    head.lineTo(178, 154);
    head.closeSubpath();
    return head;
}

void drawMachineShadow(QPainter& painter)
{
    QPainterPath silhouette = bodyOutline().united(headOutline());
    silhouette.addRect(QRectF(150, 540, 392, 60));
    DrawSoftShadow(painter, silhouette.translated(34, 10), 14, QColor(40, 50, 20, 120));
    QPainterPath floorShadow;
    floorShadow.addEllipse(QRectF(150, 586, 430, 34));
    DrawSoftShadow(painter, floorShadow, 10, QColor(30, 24, 10, 120));
}

void drawWeights(QPainter& painter)
{
    // The loading lever's back end comes out of the casting and carries the weights.
    const QRectF rod(8, 144, 190, 12);
    QLinearGradient rodShade(rod.topLeft(), rod.bottomLeft());
    rodShade.setColorAt(0, Steel.lighter(125));
    rodShade.setColorAt(0.3, Qt::white);
    rodShade.setColorAt(0.6, Steel);
    rodShade.setColorAt(1, Steel.darker(170));
    QPainterPath weightsShadow;
    weightsShadow.addRect(QRectF(10, 175, 80, 262));
    weightsShadow.addRect(rod);
    DrawSoftShadow(painter, weightsShadow.translated(18, 8), 8, QColor(40, 50, 20, 120));
    painter.fillRect(rod, rodShade);
    drawUprightCylinder(painter, 2, 14, 144, 156, 6, Steel.darker(110));

    // The hanger: a hook round the rod and a stem through the stack.
    painter.setPen(QPen(QColor(70, 72, 72), 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(50, 150), 9, 9);
    painter.fillRect(QRectF(47, 158, 6, 22), RoundShade(QPointF(47, 0), QPointF(53, 0), Steel));

    constexpr int Count = 6;
    constexpr double Top = 175, Bottom = 435, Left = 10, Right = 90, Face = 5;
    const double height = (Bottom - Top) / Count;
    for (int k = Count - 1; k >= 0; --k) {
        const double top = Top + k * height + Face;
        const double bottom = top + height - Face - 1;
        drawUprightCylinder(painter, Left, Right, top, bottom, Face, WeightGrey);
        // Every other weight has its slot turned towards the camera.
        if (k % 2 == 0) {
            const double slotX = 46 + (k % 4 == 0 ? 0 : 5);
            QLinearGradient slot(QPointF(slotX, 0), QPointF(slotX + 8, 0));
            slot.setColorAt(0, QColor(40, 42, 42));
            slot.setColorAt(1, QColor(88, 90, 90));
            painter.fillRect(QRectF(slotX, top + Face, 8, bottom - top - Face + 2), slot);
        }
    }
    // The slot in the top weight's face, with the stem in its middle.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(52, 54, 54));
    painter.drawPolygon(QPolygonF({QPointF(46, Top + Face), QPointF(54, Top + Face),
                                   QPointF(55, Top + 2 * Face), QPointF(45, Top + 2 * Face)}));
    painter.setBrush(Steel);
    painter.drawEllipse(QPointF(50, Top + Face), 3.5, 2);
}

void drawBody(QPainter& painter)
{
    // The base on the floor.
    QPainterPath base;
    base.moveTo(160, 548);
    base.lineTo(532, 548);
    base.lineTo(542, 560);
    base.lineTo(542, 602);
    base.lineTo(150, 602);
    base.lineTo(150, 560);
    base.closeSubpath();
    painter.fillPath(base, RoundShade(QPointF(150, 0), QPointF(542, 0), CastGrey.darker(108)));
    QLinearGradient baseTop(QPointF(0, 548), QPointF(0, 562));
    baseTop.setColorAt(0, CastGrey.lighter(140));
    baseTop.setColorAt(1, CastGrey.lighter(105));
    painter.fillRect(QRectF(152, 549, 388, 11), baseTop);

    // The cast column, rounded, lit from the left.
    const QPainterPath body = bodyOutline();
    painter.fillPath(body, RoundShade(QPointF(170, 0), QPointF(382, 0), CastGrey));
    QLinearGradient rise(QPointF(0, 150), QPointF(0, 548));
    rise.setColorAt(0, QColor(0, 0, 0, 40));
    rise.setColorAt(0.2, QColor(0, 0, 0, 0));
    rise.setColorAt(1, QColor(0, 0, 0, 50));
    painter.fillPath(body, rise);

    // The motor at the back of the column, with its cooling fins.
    const QRectF motor(140, 412, 84, 92);
    QPainterPath motorShape;
    motorShape.addRoundedRect(motor, 14, 14);
    painter.fillPath(motorShape, RoundShade(QPointF(0, motor.top()), QPointF(0, motor.bottom()),
                                            QColor(104, 116, 120)));
    painter.setPen(QPen(QColor(60, 66, 68, 160), 2));
    for (double x = motor.left() + 12; x < motor.right() - 6; x += 9)
        painter.drawLine(QPointF(x, motor.top() + 6), QPointF(x, motor.bottom() - 6));

    // Nameplate and control box on the column's face.
    painter.fillRect(QRectF(238, 206, 70, 34), QColor(52, 58, 60));
    painter.setPen(QPen(QColor(200, 200, 190), 1.2));
    for (double y : {215.0, 223.0, 231.0})
        painter.drawLine(QPointF(246, y), QPointF(y == 215.0 ? 300 : 286, y));
    const QRectF box(292, 292, 50, 74);
    painter.fillRect(box, RoundShade(box.topLeft(), box.topRight(), QColor(70, 74, 76)));
    for (const auto& [y, colour] :
         {std::pair{312.0, QColor(30, 160, 60)}, std::pair{344.0, QColor(200, 30, 30)}}) {
        QRadialGradient button(QPointF(313, y - 3), 10);
        button.setColorAt(0, colour.lighter(170));
        button.setColorAt(1, colour.darker(130));
        painter.setPen(QPen(QColor(30, 30, 30), 1.5));
        painter.setBrush(button);
        painter.drawEllipse(QPointF(317, y), 9, 9);
    }

    // The upper arm that overhangs the table.
    const QPainterPath head = headOutline();
    painter.fillPath(head, RoundShade(QPointF(0, 38), QPointF(0, 154), CastGrey.lighter(104)));
    QLinearGradient side(QPointF(178, 0), QPointF(494, 0));
    side.setColorAt(0, QColor(255, 255, 255, 40));
    side.setColorAt(0.7, QColor(0, 0, 0, 0));
    side.setColorAt(1, QColor(0, 0, 0, 60));
    painter.fillPath(head, side);
    painter.fillRect(QRectF(186, 150, 296, 6), QColor(60, 64, 64, 160));
    // The edge of the casting catches the light from the window.
    QPainterPath edge;
    edge.moveTo(180, 110);
    edge.lineTo(180, 78);
    edge.quadTo(180, 40, 222, 40);
    edge.lineTo(460, 44);
    painter.strokePath(edge, QPen(QColor(230, 234, 228, 170), 2));

    // The cover of the lever housing, held by four screws.
    const QRectF cover(236, 64, 196, 62);
    QPainterPath coverShape;
    coverShape.addRoundedRect(cover, 8, 8);
    DrawSoftShadow(painter, coverShape.translated(3, 3), 3, QColor(0, 0, 0, 90));
    painter.fillPath(coverShape, RoundShade(QPointF(0, cover.top()), QPointF(0, cover.bottom()),
                                            CastGrey.lighter(110)));
    for (const QPointF screw :
         {cover.topLeft() + QPointF(10, 10), cover.topRight() + QPointF(-10, 10),
          cover.bottomLeft() + QPointF(10, -10), cover.bottomRight() + QPointF(-10, -10)}) {
        QRadialGradient head(screw - QPointF(1, 1), 4);
        head.setColorAt(0, QColor(220, 222, 220));
        head.setColorAt(1, QColor(70, 72, 72));
        painter.setPen(Qt::NoPen);
        painter.setBrush(head);
        painter.drawEllipse(screw, 3.5, 3.5);
    }

    // The arm's shadow on the column just beneath it.
    QLinearGradient under(QPointF(0, 154), QPointF(0, 184));
    under.setColorAt(0, QColor(0, 0, 0, 110));
    under.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(196, 154, 160, 30), under);
}

void drawSpindleAndTable(QPainter& painter)
{
    drawUprightCylinder(painter, 402, 468, 154, 172, 5, Steel.darker(115), TopFace::Hidden);
    drawUprightCylinder(painter, 414, 456, 168, 300, 4, Steel, TopFace::Hidden);
    // The indenter holder: a hexagonal nut, its flats catching the light in bands.
    QLinearGradient hex(QPointF(405, 0), QPointF(465, 0));
    hex.setColorAt(0, Steel.darker(120));
    hex.setColorAt(0.32, Steel.lighter(135));
    hex.setColorAt(0.34, Steel.darker(105));
    hex.setColorAt(0.66, Steel.darker(125));
    hex.setColorAt(0.68, Steel.darker(175));
    hex.setColorAt(1, Steel.darker(150));
    painter.fillRect(QRectF(405, 300, 60, 28), hex);
    QPainterPath tip;
    tip.moveTo(424, 328);
    tip.lineTo(446, 328);
    tip.lineTo(440, 344);
    tip.lineTo(430, 344);
    tip.closeSubpath();
    painter.fillPath(tip, RoundShade(QPointF(424, 0), QPointF(446, 0), Steel));
    QRadialGradient ball(QPointF(433, 346), 6);
    ball.setColorAt(0, Qt::white);
    ball.setColorAt(1, Steel.darker(160));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ball);
    painter.drawEllipse(QPointF(435, 348), 5, 5);

    // The specimen on the table, then the table on its screw.
    drawUprightCylinder(painter, 408, 462, 356, 372, 4, QColor(150, 154, 158));
    drawUprightCylinder(painter, 376, 494, 380, 392, 9, Steel.darker(108));
}

// A chrome tube along a path: a dark body, its lit upper side and the window's
// reflection in a thin bright line.
void strokeChromeTube(QPainter& painter, const QPainterPath& path, double width)
{
    painter.setBrush(Qt::NoBrush);
    painter.strokePath(path, QPen(QColor(58, 60, 60), width, Qt::SolidLine, Qt::RoundCap));
    painter.strokePath(path.translated(0, -width * 0.12),
                       QPen(QColor(150, 156, 154), width * 0.7, Qt::SolidLine, Qt::RoundCap));
    painter.strokePath(path.translated(0, -width * 0.2),
                       QPen(QColor(226, 230, 228), width * 0.38, Qt::SolidLine, Qt::RoundCap));
    painter.strokePath(path.translated(0, -width * 0.26),
                       QPen(QColor(255, 255, 255, 230), width * 0.14, Qt::SolidLine, Qt::RoundCap));
}

// A point of the handwheel's rim, angle degrees clockwise from its right end.
QPointF rimPoint(QPointF hub, double angle)
{
    const double radians = angle * M_PI / 180;
    return QPointF(hub.x() + 88 * std::cos(radians), hub.y() + 20 * std::sin(radians));
}

QPainterPath rimArc(QPointF hub, double from, double to)
{
    QPainterPath arc;
    arc.moveTo(rimPoint(hub, from));
    for (double angle = from + 2; angle <= to; angle += 2)
        arc.lineTo(rimPoint(hub, angle));
    return arc;
}

void drawScrewAndHandwheel(QPainter& painter)
{
    const QPointF hub(435, 475);
    // The rim's far half and the two far spokes lie behind the screw.
    strokeChromeTube(painter, rimArc(hub, 180, 360), 10);
    for (double angle : {210.0, 330.0}) {
        QPainterPath spoke;
        spoke.moveTo(hub);
        spoke.lineTo(rimPoint(hub, angle));
        strokeChromeTube(painter, spoke, 6);
    }

    const QRectF screw(421, 392, 28, 156);
    painter.fillRect(screw, RoundShade(screw.topLeft(), screw.topRight(), Steel.darker(110)));
    painter.setPen(QPen(QColor(60, 62, 62, 150), 1.5));
    for (double y = screw.top() + 4; y < screw.bottom(); y += 6)
        painter.drawLine(QPointF(screw.left(), y + 3), QPointF(screw.right(), y));

    const QRectF hubShape(415, 462, 40, 28);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(ChromeShade(hubShape.topLeft(), hubShape.topRight())));
    painter.drawRoundedRect(hubShape, 7, 7);
    QPainterPath nearSpoke;
    nearSpoke.moveTo(hub + QPointF(0, 12));
    nearSpoke.lineTo(rimPoint(hub, 90));
    strokeChromeTube(painter, nearSpoke, 6);
    strokeChromeTube(painter, rimArc(hub, 0, 180), 10);
}

// Light falls off towards the corners, as through a camera lens.
void drawVignette(QPainter& painter)
{
    QRadialGradient vignette(QPointF(PhotoSize.width() * 0.45, PhotoSize.height() * 0.45),
                             PhotoSize.height() * 0.8);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 55));
    painter.fillRect(QRect(QPoint(0, 0), PhotoSize), vignette);
}

} // namespace

QImage TesterPhotograph()
{
    QImage photo(PhotoSize, QImage::Format_RGB32);
    {
        QPainter painter(&photo);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawLaboratoryRoom(painter, PhotoSize);
        drawMachineShadow(painter);
        drawWeights(painter);
        drawBody(painter);
        drawSpindleAndTable(painter);
        drawScrewAndHandwheel(painter);
        drawVignette(painter);
    }
    MakePhotographic(photo, 3);
    return photo;
}
