#include "IndenterSketch.h"

#include "Shading.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr QSize SketchSize(471, 683);
const QColor Beige(226, 206, 168);
const QColor Steel(158, 161, 166);

// The specimen: a cylinder seen from a little above, its top face an ellipse.
constexpr double SpecimenLeft = 16, SpecimenRight = 464;
constexpr double SpecimenTop = 340, SpecimenBottom = 672;
constexpr double FaceHalfHeight = 45;

// The indenter's cone, widest at its top face.
constexpr double ConeTop = 140, ConeBottom = 280;
constexpr double ConeTopLeft = 84, ConeTopRight = 391;
constexpr double ConeBottomLeft = 146, ConeBottomRight = 331;

void drawSpecimen(QPainter& painter)
{
    const double faceCentre = SpecimenTop + FaceHalfHeight;
    const double baseCentre = SpecimenBottom - FaceHalfHeight;

    QPainterPath floorShadow;
    floorShadow.addEllipse(
        EllipseAcross(SpecimenLeft + 30, SpecimenRight + 6, SpecimenBottom - 8, 20));
    DrawSoftShadow(painter, floorShadow, 9, QColor(0, 0, 0, 70));

    const QPainterPath side =
        CylinderSide(SpecimenLeft, SpecimenRight, faceCentre, baseCentre, FaceHalfHeight);
    painter.fillPath(side, RoundShade(QPointF(SpecimenLeft, 0), QPointF(SpecimenRight, 0), Steel));
    // Light falling from above darkens the side towards its foot.
    QLinearGradient foot(QPointF(0, faceCentre), QPointF(0, SpecimenBottom));
    foot.setColorAt(0, QColor(255, 255, 255, 40));
    foot.setColorAt(1, QColor(0, 0, 0, 60));
    painter.fillPath(side, foot);

    const QRectF face = EllipseAcross(SpecimenLeft, SpecimenRight, faceCentre, FaceHalfHeight);
    QLinearGradient faceShade(face.topLeft(), face.bottomRight());
    faceShade.setColorAt(0, QColor(236, 238, 240));
    faceShade.setColorAt(0.6, QColor(212, 214, 218));
    faceShade.setColorAt(1, QColor(186, 188, 194));
    painter.setPen(Qt::NoPen);
    painter.setBrush(faceShade);
    painter.drawEllipse(face);
    // The machined front edge catches the light.
    QPainterPath rim;
    rim.arcMoveTo(face.adjusted(1, 1, -1, -1), 200);
    rim.arcTo(face.adjusted(1, 1, -1, -1), 200, 140);
    painter.strokePath(rim, QPen(QColor(250, 250, 252, 200), 2));

    // The indentation: its far wall lies in shadow, its near wall in the light.
    const QRectF dimple(185, 385, 110, 25);
    QLinearGradient hollow(dimple.topLeft(), dimple.bottomLeft());
    hollow.setColorAt(0, QColor(96, 98, 104));
    hollow.setColorAt(0.45, QColor(150, 152, 158));
    hollow.setColorAt(1, QColor(238, 240, 242));
    painter.setBrush(hollow);
    painter.drawEllipse(dimple);
    QPainterPath lip;
    lip.arcMoveTo(dimple.adjusted(-1, -1, 1, 1), 195);
    lip.arcTo(dimple.adjusted(-1, -1, 1, 1), 195, 150);
    painter.strokePath(lip, QPen(QColor(255, 255, 255, 220), 1.5));
}

void drawIndenter(QPainter& painter)
{
    const QPointF ballCentre(238.5, 299.5);
    constexpr double BallRadius = 40.5;
    QRadialGradient ballShade(ballCentre + QPointF(-14, 8), BallRadius * 1.3,
                              ballCentre + QPointF(-16, 14));
    ballShade.setColorAt(0, QColor(255, 252, 244));
    ballShade.setColorAt(0.35, Beige.lighter(108));
    ballShade.setColorAt(0.8, Beige.darker(135));
    ballShade.setColorAt(1, Beige.darker(170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ballShade);
    painter.drawEllipse(ballCentre, BallRadius, BallRadius);

    constexpr double BottomHalfHeight = 10, TopHalfHeight = 16;
    const QRectF bottomRim =
        EllipseAcross(ConeBottomLeft, ConeBottomRight, ConeBottom, BottomHalfHeight);
    const QRectF topFace = EllipseAcross(ConeTopLeft, ConeTopRight, ConeTop, TopHalfHeight);
    QPainterPath cone;
    cone.moveTo(ConeTopLeft, ConeTop);
    cone.lineTo(ConeBottomLeft, ConeBottom);
    cone.arcTo(bottomRim, 180, 180);
    cone.lineTo(ConeTopRight, ConeTop);
    cone.closeSubpath();
    painter.fillPath(
        cone, RoundShade(QPointF(ConeTopLeft + 20, 0), QPointF(ConeTopRight - 20, 0), Beige));
    painter.strokePath(cone, QPen(Beige.darker(160), 1));

    QLinearGradient faceShade(topFace.topLeft(), topFace.bottomRight());
    faceShade.setColorAt(0, Beige.lighter(118));
    faceShade.setColorAt(1, Beige.darker(108));
    painter.setBrush(faceShade);
    painter.setPen(QPen(Beige.darker(150), 1));
    painter.drawEllipse(topFace);

    // The shank stands on the face; its foot is the near half of a small ellipse.
    constexpr double ShankLeft = 205, ShankRight = 269, ShankTop = 8;
    const QRectF foot = EllipseAcross(ShankLeft, ShankRight, ConeTop - 4, 6);
    QPainterPath shank;
    shank.moveTo(ShankLeft, ShankTop + 5);
    shank.lineTo(ShankLeft, foot.center().y());
    shank.arcTo(foot, 180, 180);
    shank.lineTo(ShankRight, ShankTop + 5);
    shank.closeSubpath();
    QPainterPath contact;
    contact.addEllipse(foot.translated(6, 4));
    DrawSoftShadow(painter, contact, 3, QColor(80, 60, 30, 90));
    painter.fillPath(shank, RoundShade(QPointF(ShankLeft, 0), QPointF(ShankRight, 0), Beige));
    painter.strokePath(shank, QPen(Beige.darker(160), 1));
    painter.setBrush(Beige.lighter(112));
    painter.drawEllipse(EllipseAcross(ShankLeft, ShankRight, ShankTop + 5, 5));
}

} // namespace

QImage IndenterSketch()
{
    QImage sketch(SketchSize, QImage::Format_RGB32);
    sketch.fill(Qt::white);
    QPainter painter(&sketch);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSpecimen(painter);
    drawIndenter(painter);
    return sketch;
}
