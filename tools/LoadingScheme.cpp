#include "LoadingScheme.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>

namespace {

constexpr QSize SchemeSize(870, 232);

const QColor OliveDark(136, 133, 16);
const QColor OliveMid(184, 182, 96);
const QColor OlivePale(220, 220, 190);
const QColor OliveOutline(92, 90, 10);
const QColor Teal(39, 135, 134);
const QColor ArrowBlue(0, 0, 240);
const QColor MotionRed(200, 24, 24);

// The lever system. The weights hang on the long lever's right end; it turns about
// its pivot near the left end and, through the link, tips the short lever, whose
// left end pushes the indenter's rod down. At rest the cam's tip holds the long
// lever up, so the ball only rests on the specimen.
constexpr QPointF ShortLeverPivot(166, 17);
constexpr QPointF LongLeverPivot(280, 34);
constexpr QPointF CamAxle(692, 86);
constexpr double LongLeverEnd = 772;
constexpr double LinkX = 228;
constexpr double LeverUnderside = 39;

// Scheme pixels, exaggerated so that the motion shows: how far the weights come
// down before the ball carries them all, how deep the ball then goes into the
// specimen, and how far the spindle's spring lifts it off afterwards.
constexpr double FullLoadDrop = 9;
constexpr double PressDepth = 5;
constexpr double LiftHeight = 3;

constexpr QPointF BallAtRest(104, 123);
constexpr double BallRadius = 12.5;
const QRectF Specimen(47, 136, 134, 30);

// Where the parts of the mechanism stand in one scheme.
struct Mechanism {
    double weightDrop;    // of the long lever's end, the hanger and the weights
    double indenterShift; // of the rod, holder and ball, downwards
    double indentDepth;   // of the indentation in the specimen's top face
};

QTransform turnedAbout(QPointF pivot, double degrees)
{
    QTransform transform;
    transform.translate(pivot.x(), pivot.y());
    transform.rotate(degrees);
    transform.translate(-pivot.x(), -pivot.y());
    return transform;
}

// An egg with its big end round the axle and its tip 46 pixels above it: two
// circles and the band of their outer tangents.
QPainterPath camOutline(double turn)
{
    const QPointF bigCentre(-1, -2), tipCentre(0, -38);
    const double bigRadius = 23, tipRadius = 8;
    const QPointF along = tipCentre - bigCentre;
    const double distance = std::hypot(along.x(), along.y());
    const QPointF unit = along / distance, normal(-unit.y(), unit.x());
    const double lean = (bigRadius - tipRadius) / distance;
    const double spread = std::sqrt(1 - lean * lean);
    const QPointF side1 = lean * unit + spread * normal, side2 = lean * unit - spread * normal;

    QPainterPath egg;
    egg.addEllipse(bigCentre, bigRadius, bigRadius);
    QPainterPath tip;
    tip.addEllipse(tipCentre, tipRadius, tipRadius);
    QPainterPath band;
    band.addPolygon(QPolygonF({bigCentre + bigRadius * side1, tipCentre + tipRadius * side1,
                               tipCentre + tipRadius * side2, bigCentre + bigRadius * side2}));
    egg = egg.united(tip).united(band).simplified();

    QTransform place;
    place.translate(CamAxle.x(), CamAxle.y());
    place.rotate(turn);
    return place.map(egg);
}

// The long lever follows the cam down until the ball carries the whole load.
Mechanism mechanismOf(const SchemeState& state)
{
    const double camDrop =
        std::max(0.0, camOutline(state.camTurn).boundingRect().top() - (LeverUnderside + 1));
    const double leverRatio =
        (LongLeverEnd - LongLeverPivot.x()) / (CamAxle.x() - LongLeverPivot.x());
    const double drop = std::min(FullLoadDrop, camDrop * leverRatio);
    switch (state.ball) {
    case BallPosition::Resting:
        return {0, 0, 0};
    case BallPosition::Pressed:
        return {drop, PressDepth * drop / FullLoadDrop, PressDepth * drop / FullLoadDrop};
    case BallPosition::Lifted:
        return {drop, -LiftHeight, PressDepth};
    }
    return {};
}

// Olive shading across a part, pale on its lit side (from), dark on the other.
QLinearGradient oliveAcross(QPointF from, QPointF to)
{
    QLinearGradient shade(from, to);
    shade.setColorAt(0, OlivePale);
    shade.setColorAt(0.45, OliveMid);
    shade.setColorAt(1, OliveDark);
    return shade;
}

void fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& brush,
                  QColor outline = OliveOutline)
{
    painter.fillPath(path, brush);
    painter.strokePath(path, QPen(outline, 1.2));
}

void drawPivotRing(QPainter& painter, QPointF centre)
{
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 4.5, 4.5);
}

void drawLabel(QPainter& painter, const QRectF& box, const QString& text,
               Qt::Alignment alignment = Qt::AlignCenter)
{
    painter.setPen(Qt::black);
    painter.drawText(box, alignment | Qt::TextDontClip, text);
}

void drawArrowHead(QPainter& painter, QPointF tip, QPointF direction, double length,
                   double halfWidth, QColor colour)
{
    const QPointF unit = direction / std::hypot(direction.x(), direction.y());
    const QPointF across(-unit.y(), unit.x());
    const QPointF base = tip - length * unit;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({tip, base + halfWidth * across, base - halfWidth * across}));
}

void drawSpecimen(QPainter& painter, const Mechanism& mechanism)
{
    QPainterPath slab;
    slab.addRect(Specimen);
    if (mechanism.indentDepth > 0) {
        QPainterPath dimple;
        dimple.addEllipse(BallAtRest + QPointF(0, mechanism.indentDepth), BallRadius, BallRadius);
        slab = slab.subtracted(dimple);
    }
    QLinearGradient shade(Specimen.topLeft(), Specimen.bottomLeft());
    shade.setColorAt(0, Teal);
    shade.setColorAt(1, Qt::white);
    fillOutlined(painter, slab, shade, Teal.darker(160));
    drawLabel(painter, QRectF(Specimen.left(), 168, Specimen.width(), 17),
              QStringLiteral("образец"));
}

void drawIndenter(QPainter& painter, const Mechanism& mechanism)
{
    const QPointF shift(0, mechanism.indenterShift);
    QPainterPath rod;
    rod.addRect(QRectF(100, -10, 8, 87).translated(shift));
    fillOutlined(painter, rod, oliveAcross(QPointF(100, 0), QPointF(108, 0)));

    QPainterPath holder;
    holder.addPolygon(QPolygonF({QPointF(74, 75), QPointF(134, 75), QPointF(113, 125),
                                 QPointF(95, 125), QPointF(74, 75)})
                          .translated(shift));
    fillOutlined(painter, holder, oliveAcross(QPointF(74, 0), QPointF(134, 0)));

    const QPointF centre = BallAtRest + shift;
    QRadialGradient steel(centre + QPointF(-4, -4), BallRadius * 1.4, centre + QPointF(-5, -5));
    steel.setColorAt(0, Qt::white);
    steel.setColorAt(0.4, QColor(168, 172, 176));
    steel.setColorAt(1, QColor(52, 56, 60));
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(steel);
    painter.drawEllipse(centre, BallRadius, BallRadius);

    drawLabel(painter, QRectF(0, 52, 88, 16), QStringLiteral("индентор"), Qt::AlignLeft);
}

void drawCam(QPainter& painter, const SchemeState& state)
{
    QRadialGradient shade(CamAxle + QPointF(-10, -22), 50);
    shade.setColorAt(0, OlivePale);
    shade.setColorAt(0.5, OliveMid);
    shade.setColorAt(1, OliveDark);
    painter.setRenderHint(QPainter::Antialiasing);
    fillOutlined(painter, camOutline(state.camTurn), shade);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(60, 60, 40));
    painter.drawEllipse(CamAxle, 5, 5);
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(CamAxle, 1.8, 1.8);
    drawLabel(painter, QRectF(562, 47, 101, 15), QStringLiteral("эксцентрик"), Qt::AlignRight);

    if (state.driveSwitch == DriveSwitch::Closed) {
        // The drive turns the cam clockwise: an arc round its right side.
        constexpr double Radius = 35, From = 55, Sweep = -85;
        QPainterPath arc;
        const QRectF circle(CamAxle - QPointF(Radius, Radius), QSizeF(2 * Radius, 2 * Radius));
        arc.arcMoveTo(circle, From);
        arc.arcTo(circle, From, Sweep);
        painter.strokePath(arc, QPen(MotionRed, 2.2, Qt::SolidLine, Qt::FlatCap));
        const double end = qDegreesToRadians(From + Sweep);
        drawArrowHead(painter, arc.currentPosition() + QPointF(std::sin(end), std::cos(end)) * 5,
                      QPointF(std::sin(end), std::cos(end)), 9, 4.5, MotionRed);
    }
}

void drawLevers(QPainter& painter, const Mechanism& mechanism)
{
    const double longTurn =
        qRadiansToDegrees(std::atan2(mechanism.weightDrop, LongLeverEnd - LongLeverPivot.x()));
    const double shortTurn =
        -qRadiansToDegrees(std::atan2(mechanism.indenterShift, ShortLeverPivot.x() - 99));
    const QTransform longLever = turnedAbout(LongLeverPivot, longTurn);
    const QTransform shortLever = turnedAbout(ShortLeverPivot, shortTurn);

    const QPointF linkTop = shortLever.map(QPointF(LinkX, 17));
    const QPointF linkBottom = longLever.map(QPointF(LinkX, 33.5));
    painter.setPen(QPen(OliveOutline, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(linkTop, linkBottom);

    QPainterPath bar;
    bar.addRoundedRect(QRectF(218, 28, LongLeverEnd - 218, 11), 5, 5);
    fillOutlined(painter, longLever.map(bar), oliveAcross(QPointF(0, 28), QPointF(0, 39)));
    bar.clear();
    bar.addRoundedRect(QRectF(99, 11, 134, 12), 6, 6);
    fillOutlined(painter, shortLever.map(bar), oliveAcross(QPointF(0, 11), QPointF(0, 23)));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(linkTop, 2, 2);
    painter.drawEllipse(linkBottom, 2, 2);
    drawPivotRing(painter, ShortLeverPivot);
    drawPivotRing(painter, LongLeverPivot);
    drawLabel(painter, QRectF(480, 8, 57, 14), QStringLiteral("рычаг"));
}

void drawWeights(QPainter& painter, const SchemeState& state, const Mechanism& mechanism)
{
    const QPointF drop(0, mechanism.weightDrop);
    QPainterPath hanger;
    hanger.moveTo(771, 3);
    hanger.lineTo(830, 3);
    hanger.lineTo(830, 62);
    hanger.lineTo(812, 90);
    hanger.arcTo(QRectF(792, 87, 20, 20), -10, -160);
    hanger.lineTo(771, 62);
    hanger.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(802, 97), 4, 4);
    fillOutlined(painter, hanger.subtracted(hole).translated(drop),
                 oliveAcross(QPointF(771, 0), QPointF(830, 0)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(779, 33.5) + drop, 2.5, 2.5);

    for (double top : {157.0, 187.0}) {
        const QRectF plate = QRectF(736.5, top + 0.5, 133, 29).translated(drop);
        QLinearGradient shade(plate.topLeft(), plate.bottomLeft());
        shade.setColorAt(0, Qt::black);
        shade.setColorAt(1, Qt::white);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(shade);
        painter.drawRect(plate);
    }

    painter.fillRect(QRectF(800, 103, 4, 100).translated(drop), ArrowBlue);
    drawArrowHead(painter, QPointF(802, 221) + drop, QPointF(0, 1), 20, 7, ArrowBlue);
    drawLabel(painter, QRectF(673, 172, 49, 14), QStringLiteral("грузы"), Qt::AlignRight);

    if (state.weights != WeightMotion::None) {
        const bool down = state.weights == WeightMotion::ComingDown;
        const QPointF from(729, down ? 148 : 214), to(729, down ? 214 : 148);
        painter.setPen(QPen(MotionRed, 2.2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(from, to - (to - from) / std::abs(to.y() - from.y()) * 6);
        drawArrowHead(painter, to, to - from, 10, 4.5, MotionRed);
    }
}

// The drive's circuit runs along y = 190 from its terminal to the drive, broken by
// the push-button switch; pressed, the switch's bar closes the gap.
void drawDrive(QPainter& painter, const SchemeState& state)
{
    constexpr double LineY = 190.5;
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(263, LineY), QPointF(348, LineY));
    painter.drawLine(QPointF(370, LineY), QPointF(475, LineY));
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawEllipse(QPointF(263, LineY), 3, 3);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(348, LineY), 1.8, 1.8);
    painter.drawEllipse(QPointF(370, LineY), 1.8, 1.8);

    const double press = state.driveSwitch == DriveSwitch::Closed ? 7 : 0;
    painter.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(345, 181.5 + press), QPointF(373, 181.5 + press));
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(359, 165 + press), QPointF(359, 181 + press));
    drawLabel(painter, QRectF(338, 145, 40, 15), QStringLiteral("пуск"));

    // The drive's shaft to the cam's axle, under the cam.
    painter.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(CamAxle, QPointF(505, 182));

    QPainterPath capsule;
    capsule.addRoundedRect(QRectF(-39, -14, 78, 28), 14, 14);
    QTransform place;
    place.translate(482.5, 192.5);
    place.rotate(-31);
    QLinearGradient shade(place.map(QPointF(0, -14)), place.map(QPointF(0, 14)));
    shade.setColorAt(0, OlivePale);
    shade.setColorAt(0.5, OliveMid);
    shade.setColorAt(1, OliveDark);
    painter.fillPath(place.map(capsule), shade);
    painter.strokePath(place.map(capsule), QPen(Qt::black, 2));

    drawLabel(painter, QRectF(420, 131, 75, 18), QStringLiteral("электро"));
    drawLabel(painter, QRectF(420, 150, 75, 18), QStringLiteral("привод"));
}

} // namespace

QImage LoadingScheme(const SchemeState& state)
{
    QImage picture(SchemeSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    painter.setFont(font);

    const Mechanism mechanism = mechanismOf(state);
    drawDrive(painter, state);
    drawSpecimen(painter, mechanism);
    drawIndenter(painter, mechanism);
    drawCam(painter, state);
    drawLevers(painter, mechanism);
    drawWeights(painter, state, mechanism);
    if (!state.caption.isEmpty()) {
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(MotionRed.darker(130));
        painter.drawText(QRectF(8, 204, 250, 22), Qt::AlignLeft | Qt::AlignVCenter, state.caption);
    }
    return picture;
}

SchemeState InitialScheme()
{
    return {0, DriveSwitch::Open, BallPosition::Resting, WeightMotion::None, {}};
}

std::array<SchemeFile, 3> SchemeFiles()
{
    return {{
        {QStringLiteral("схема-1.jpg"),
         {30, DriveSwitch::Closed, BallPosition::Pressed, WeightMotion::ComingDown,
          QStringLiteral("1. Нагружение")}},
        {QStringLiteral("схема-2.jpg"),
         {180, DriveSwitch::Closed, BallPosition::Pressed, WeightMotion::None,
          QStringLiteral("2. Выдержка под нагрузкой")}},
        {QStringLiteral("схема-3.jpg"),
         {360, DriveSwitch::Open, BallPosition::Lifted, WeightMotion::GoingUp,
          QStringLiteral("3. Разгрузка")}},
    }};
}
