// The pirate the game walks along the board and drops into the sea, drawn in one 50 x 84 cell.
//
// He is drawn facing left and mirrored to face right. The cell's bottom row is the board's top: his
// soles end on row 83 (the standing foot) so that, drawn at y 135, he stands on the board at y 216.
#include "Pirate.h"

#include "Ink.h"
#include "Palette.h"

#include <QPainterPath>
#include <QTransform>
#include <cmath>

namespace pirate {

namespace {

constexpr qreal line = 1.5;   // outline of the figure's parts
constexpr qreal detail = 1.0; // outline of small details
constexpr qreal cellW = 50;

const QColor skin = palette::skinPeach;
const QColor skinShade = palette::shadowOf(palette::skinPeach);
const QColor hair{0x4A, 0x2E, 0x1C};
const QColor boot{0x3A, 0x2A, 0x22};
const QColor bootShade{0x2B, 0x1F, 0x19};
const QColor hatHighlight{0x44, 0x44, 0x56};
const QColor mouthRed{0x9A, 0x24, 0x2A};

// Where the body sits when it does not bob; the walking poses move only limbs and the bob.
constexpr qreal hipY = 56.5;
constexpr QPointF nearHip{23.5, hipY};
constexpr QPointF farHip{28.5, hipY};
constexpr QPointF nearShoulder{27, 43};
constexpr QPointF farShoulder{22, 43};
constexpr QPointF headCentre{25, 28};
constexpr qreal headRadius = 11;

// --- Limbs ------------------------------------------------------------------------------------------

QPainterPath legShape(QPointF hip, QPointF knee, QPointF ankle)
{
    QPainterPath centre;
    centre.moveTo(hip);
    centre.lineTo(knee);
    centre.lineTo(ankle);
    return ink::stroke(centre, 8.5);
}

void stripedLeg(QPainter &p, QPointF hip, QPointF knee, QPointF ankle, bool far)
{
    const QPainterPath leg = legShape(hip, knee, ankle);
    const QColor light = far ? palette::shadowOf(palette::stripeLight) : palette::stripeLight;
    const QColor blue = far ? palette::shadowOf(palette::stripeBlue) : palette::stripeBlue;
    p.fillPath(leg, light);
    p.save();
    p.setClipPath(leg, Qt::IntersectClip);
    for (qreal y = hip.y() - 4; y < ankle.y() + 6; y += 5.0)
        p.fillRect(QRectF(0, y, cellW, 2.5), blue);
    p.restore();
    ink::outline(p, leg, line);
}

// A chunky boot, toe pointing left, its sole on the row `soleY`.
void sideBoot(QPainter &p, QPointF ankle, qreal soleY, bool far)
{
    const qreal x = ankle.x();
    const qreal top = ankle.y() - 3;
    QPainterPath shape;
    shape.moveTo(x + 5, top);
    shape.lineTo(x + 5.5, soleY - 2);
    shape.quadTo(x + 5.5, soleY, x + 3.5, soleY);
    shape.lineTo(x - 8, soleY);
    shape.quadTo(x - 10.5, soleY, x - 10.5, soleY - 3);
    shape.quadTo(x - 10.5, soleY - 6.5, x - 5, soleY - 6.5);
    shape.lineTo(x - 4.5, top);
    shape.closeSubpath();
    ink::outlined(p, shape, far ? bootShade : boot, line);
    // The turned-down cuff and a shine on the toe.
    ink::outlined(p, ink::roundRect(x - 5.5, top - 1.5, 11.5, 4, 1.5), far ? boot : QColor(0x5A, 0x42, 0x34), detail);
    if (!far)
        p.fillPath(ink::ellipse(QPointF(x - 7, soleY - 4.5), 1.6, 0.9), QColor(0x7A, 0x60, 0x50));
}

void sideArm(QPainter &p, QPointF shoulder, QPointF hand, bool far)
{
    const QPointF elbow = (shoulder + hand) / 2 + QPointF(hand.x() < shoulder.x() ? 1.0 : -1.0, 1.5);
    QPainterPath centre;
    centre.moveTo(shoulder);
    centre.lineTo(elbow);
    centre.lineTo(hand);
    const QPainterPath sleeve = ink::stroke(centre, 7);
    ink::outlined(p, sleeve, far ? palette::coatShadow : palette::coat, line);
    const QColor handColour = far ? skinShade : skin;
    ink::outlined(p, ink::ellipse(hand + QPointF(0, 1.5), 3.3, 3.3), handColour, line);
    // A white cuff where the sleeve ends.
    const QPointF cuffAt = hand + (elbow - hand) * 0.28;
    ink::outlined(p, ink::ellipse(cuffAt, 3.6, 2.4), far ? palette::sailShadow : palette::sail, detail);
}

// --- Body -------------------------------------------------------------------------------------------

void sideCoat(QPainter &p, qreal bob)
{
    QPainterPath coat;
    coat.moveTo(16, 43 + bob);
    coat.quadTo(17, 38.5 + bob, 25, 38.5 + bob);
    coat.quadTo(34, 38.5 + bob, 35, 44 + bob);
    coat.lineTo(35.5, 51 + bob);
    coat.quadTo(38.5, 55 + bob, 39.5, 61 + bob);
    coat.quadTo(34, 59.5 + bob, 29, 60 + bob);
    coat.lineTo(19, 60 + bob);
    coat.quadTo(15, 60 + bob, 12, 61 + bob);
    coat.quadTo(13.5, 55 + bob, 16, 51 + bob);
    coat.closeSubpath();
    p.fillPath(coat, palette::coat);
    // Shadow down the back and under the belt.
    p.save();
    p.setClipPath(coat, Qt::IntersectClip);
    p.fillRect(QRectF(31, 38 + bob, 10, 30), palette::coatShadow);
    p.restore();
    // The shirt's white V at the front and the gold buttons down the opening.
    ink::outlined(p, ink::polygon({{17.5, 40.5 + bob}, {23, 40 + bob}, {19.5, 49 + bob}}), palette::sail, detail);
    ink::outline(p, coat, line);
    // Belt with a gold buckle.
    ink::outlined(p, ink::rect(15.2, 49.5 + bob, 21.6, 3.6), palette::hatBlack, detail);
    ink::outlined(p, ink::rect(16.5, 48.8 + bob, 5, 5), palette::gold, detail);
    p.fillRect(QRectF(18.3, 50.6 + bob, 1.5, 1.5), palette::hatBlack);
    for (qreal y : {45.0, 56.0})
        ink::outlined(p, ink::ellipse(QPointF(19.5, y + bob), 1.3, 1.3), palette::gold, 0.8);
}

// --- Head and hat -----------------------------------------------------------------------------------

void eye(QPainter &p, QPointF centre, qreal look)
{
    // Solid round eyes with a white glint read best at this size.
    p.fillPath(ink::ellipse(centre + QPointF(look * 0.3, 0), 1.7, 2.3), palette::ink);
    p.fillPath(ink::ellipse(centre + QPointF(look * 0.3 + 0.5, -0.8), 0.75, 0.75), palette::white);
}

// A surprised eye: white all round the pupil.
void wideEye(QPainter &p, QPointF centre)
{
    ink::outlined(p, ink::ellipse(centre, 2.4, 2.9), palette::white, 0.9);
    p.fillPath(ink::ellipse(centre + QPointF(0, 0.3), 1.2, 1.5), palette::ink);
    p.fillPath(ink::ellipse(centre + QPointF(0.5, -0.4), 0.5, 0.5), palette::white);
}

void sideHead(QPainter &p, qreal bob, Mood mood)
{
    const QPointF c = headCentre + QPointF(0, bob);
    // Curls at the back of the head, under the hat.
    QPainterPath curls;
    for (const QPointF &at : {QPointF(33, 23), QPointF(35, 28), QPointF(34, 33)})
        curls.addEllipse(at + QPointF(0, bob), 3.6, 3.6);
    ink::outlined(p, ink::merged(curls), hair, line);
    // Face, nose and ear with a gold ring.
    QPainterPath face = ink::ellipse(c, headRadius, headRadius);
    face = face.united(ink::ellipse(c + QPointF(-10.2, 2.2), 3.3, 3.0));
    ink::outlined(p, face.simplified(), skin, line);
    // The ear at the back of the head, a gold ring hanging from it.
    QPainterPath ear;
    ear.moveTo(c + QPointF(5.2, -0.8));
    ear.quadTo(c + QPointF(8.6, -1.6), c + QPointF(8.2, 2.2));
    ear.quadTo(c + QPointF(7.8, 4.6), c + QPointF(5.4, 3.6));
    p.strokePath(ear, QPen(palette::ink, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(ink::ellipse(c + QPointF(7.4, 6.4), 1.5, 1.7), QPen(palette::goldShadow, 1.8));
    p.strokePath(ink::ellipse(c + QPointF(7.4, 6.4), 1.5, 1.7), QPen(palette::gold, 1.0));
    p.fillPath(ink::ellipse(c + QPointF(3.5, 4.5), 2.2, 1.5), palette::cheek);
    // Eyes look the way he walks.
    eye(p, c + QPointF(-7.2, -1.8), -0.7);
    eye(p, c + QPointF(-1.2, -1.8), -0.7);
    QPen brow(palette::ink, 1.5, Qt::SolidLine, Qt::RoundCap);
    QPen mouthPen(palette::ink, 1.2, Qt::SolidLine, Qt::RoundCap);
    if (mood == Mood::frowning) {
        // Brows pulled down towards the nose, a downturned mouth.
        p.strokePath([&] { QPainterPath b; b.moveTo(c + QPointF(-10, -6)); b.lineTo(c + QPointF(-5.5, -4.6)); return b; }(), brow);
        p.strokePath([&] { QPainterPath b; b.moveTo(c + QPointF(-3.2, -4.6)); b.lineTo(c + QPointF(1.6, -6.2)); return b; }(), brow);
        QPainterPath mouth;
        mouth.moveTo(c + QPointF(-7.5, 7.6));
        mouth.quadTo(c + QPointF(-4.5, 4.6), c + QPointF(-1.5, 7.2));
        p.strokePath(mouth, mouthPen);
    } else {
        // Raised brows and a wide open smile.
        p.strokePath([&] { QPainterPath b; b.moveTo(c + QPointF(-9.5, -5.2)); b.quadTo(c + QPointF(-7.2, -7.4), c + QPointF(-5, -5.6)); return b; }(), brow);
        p.strokePath([&] { QPainterPath b; b.moveTo(c + QPointF(-3.4, -5.6)); b.quadTo(c + QPointF(-1.2, -7.4), c + QPointF(1.2, -5.2)); return b; }(), brow);
        QPainterPath mouth;
        mouth.moveTo(c + QPointF(-8.2, 4.6));
        mouth.quadTo(c + QPointF(-4.6, 5.0), c + QPointF(-0.8, 4.2));
        mouth.quadTo(c + QPointF(-3.6, 10.6), c + QPointF(-8.2, 4.6));
        ink::outlined(p, mouth, mouthRed, 1.0);
        p.fillPath(ink::polygon({c + QPointF(-7.2, 5.0), c + QPointF(-1.8, 4.6), c + QPointF(-2.4, 5.9), c + QPointF(-6.8, 6.1)}),
                   palette::white);
    }
}

// The skull and crossbones, centred on `at`: big enough to read at 1:1 (7 px across).
void skullAndBones(QPainter &p, QPointF at)
{
    QPen bone(palette::sail, 1.5, Qt::SolidLine, Qt::RoundCap);
    p.strokePath([&] { QPainterPath b; b.moveTo(at + QPointF(-4.5, 1.5)); b.lineTo(at + QPointF(4.5, 5.5)); return b; }(), bone);
    p.strokePath([&] { QPainterPath b; b.moveTo(at + QPointF(-4.5, 5.5)); b.lineTo(at + QPointF(4.5, 1.5)); return b; }(), bone);
    QPainterPath skull = ink::ellipse(at + QPointF(0, -1), 3.4, 3.0);
    skull = skull.united(ink::rect(at.x() - 2, at.y() + 0.5, 4, 2.3));
    p.fillPath(skull.simplified(), palette::sail);
    p.fillPath(ink::ellipse(at + QPointF(-1.3, -1), 0.9, 1.0), palette::hatBlack);
    p.fillPath(ink::ellipse(at + QPointF(1.3, -1), 0.9, 1.0), palette::hatBlack);
}

// A tricorn hat seen from the side, its peak pointing left.
void sideHat(QPainter &p, qreal bob)
{
    const qreal b = bob;
    QPainterPath crown;
    crown.moveTo(13, 16 + b);
    crown.quadTo(13, 3.5 + b, 26, 3.5 + b);
    crown.quadTo(38, 3.5 + b, 38, 16 + b);
    crown.closeSubpath();
    ink::outlined(p, crown, palette::hatBlack, line);
    p.fillPath(ink::ellipse(QPointF(20, 8 + b), 3.5, 2.0), hatHighlight);
    QPainterPath brim;
    brim.moveTo(1.5, 9 + b);  // the peak, pointing forward and turned up
    brim.quadTo(10, 18.5 + b, 26, 17.5 + b);
    brim.quadTo(38, 16.5 + b, 44, 13.5 + b);
    brim.quadTo(44, 19.5 + b, 33, 21 + b);
    brim.quadTo(18, 22.5 + b, 9, 19.5 + b);
    brim.quadTo(3, 16 + b, 1.5, 9 + b);
    brim.closeSubpath();
    ink::outlined(p, brim, palette::hatBlack, line);
    // A gold band along the brim.
    QPainterPath band;
    band.moveTo(5, 14 + b);
    band.quadTo(14, 20 + b, 26, 19.3 + b);
    band.quadTo(36, 18.6 + b, 41.5, 16 + b);
    p.strokePath(band, QPen(palette::gold, 1.2, Qt::SolidLine, Qt::RoundCap));
    skullAndBones(p, QPointF(25, 10 + b));
}

// --- Front view, for the fall -----------------------------------------------------------------------

void frontHat(QPainter &p, QPointF c)
{
    QPainterPath crown;
    crown.moveTo(c + QPointF(-11, -12));
    crown.quadTo(c + QPointF(-11, -24.5), c + QPointF(0, -24.5));
    crown.quadTo(c + QPointF(11, -24.5), c + QPointF(11, -12));
    crown.closeSubpath();
    ink::outlined(p, crown, palette::hatBlack, line);
    p.fillPath(ink::ellipse(c + QPointF(-5, -20), 3.2, 1.8), hatHighlight);
    QPainterPath brim;
    brim.moveTo(c + QPointF(-19, -18));
    brim.quadTo(c + QPointF(-12, -12), c + QPointF(0, -13));
    brim.quadTo(c + QPointF(12, -12), c + QPointF(19, -18));
    brim.quadTo(c + QPointF(18, -9), c + QPointF(0, -8.5));
    brim.quadTo(c + QPointF(-18, -9), c + QPointF(-19, -18));
    brim.closeSubpath();
    ink::outlined(p, brim, palette::hatBlack, line);
    QPainterPath band;
    band.moveTo(c + QPointF(-16, -14));
    band.quadTo(c + QPointF(0, -9.5), c + QPointF(16, -14));
    p.strokePath(band, QPen(palette::gold, 1.2, Qt::SolidLine, Qt::RoundCap));
    skullAndBones(p, c + QPointF(0, -20));
}

void frontFace(QPainter &p, QPointF c)
{
    QPainterPath curls;
    for (const QPointF &at : {QPointF(-10, -6), QPointF(10, -6), QPointF(-11, -1), QPointF(11, -1)})
        curls.addEllipse(c + at, 3.3, 3.3);
    ink::outlined(p, ink::merged(curls), hair, line);
    ink::outlined(p, ink::ellipse(c, headRadius - 0.5, headRadius), skin, line);
    // Wide surprised eyes, a round nose, an O of a mouth.
    wideEye(p, c + QPointF(-3.8, -2));
    wideEye(p, c + QPointF(3.8, -2));
    QPen brow(palette::ink, 1.4, Qt::SolidLine, Qt::RoundCap);
    p.strokePath([&] { QPainterPath b; b.moveTo(c + QPointF(-6.5, -7)); b.quadTo(c + QPointF(-4, -8.8), c + QPointF(-1.5, -7.4)); return b; }(), brow);
    p.strokePath([&] { QPainterPath b; b.moveTo(c + QPointF(1.5, -7.4)); b.quadTo(c + QPointF(4, -8.8), c + QPointF(6.5, -7)); return b; }(), brow);
    p.fillPath(ink::ellipse(c + QPointF(-7, 3.5), 1.8, 1.3), palette::cheek);
    p.fillPath(ink::ellipse(c + QPointF(7, 3.5), 1.8, 1.3), palette::cheek);
    ink::outlined(p, ink::ellipse(c + QPointF(0, 1.8), 2.0, 1.7), skinShade, detail);
    ink::outlined(p, ink::ellipse(c + QPointF(0, 6.3), 2.2, 2.6), mouthRed, detail);
}

// The whole front-facing figure with both hands thrown up; `c` is the head's centre.
void frontFigure(QPainter &p, QPointF c, bool handsUp)
{
    const QPointF hip = c + QPointF(0, 31);
    // Legs, boots (the soles face us a little), arms up past the hat.
    for (int side : {-1, 1}) {
        const QPointF h = hip + QPointF(side * 4.5, 0);
        const QPointF ankle = h + QPointF(side * 3, 14);
        stripedLeg(p, h, (h + ankle) / 2 + QPointF(side * 1.0, 0), ankle, false);
        QPainterPath boot_ = ink::roundRect(ankle.x() - 4.5 + side * 1.5, ankle.y() - 2, 9, 8, 3);
        ink::outlined(p, boot_, boot, line);
        ink::outlined(p, ink::roundRect(ankle.x() - 5 + side * 1.5, ankle.y() - 3, 10, 3.5, 1.5), QColor(0x5A, 0x42, 0x34), detail);
    }
    for (int side : {-1, 1}) {
        if (!handsUp)
            break;  // the arms are already under water
        const QPointF shoulder = c + QPointF(side * 9, 15);
        const QPointF hand = c + QPointF(side * 19.5, -10);
        QPainterPath centre;
        centre.moveTo(shoulder);
        centre.lineTo(c + QPointF(side * 17, 4));
        centre.lineTo(hand);
        ink::outlined(p, ink::stroke(centre, 6.5), palette::coat, line);
        ink::outlined(p, ink::ellipse(hand + QPointF(0, -2), 3.4, 3.4), skin, line);
        ink::outlined(p, ink::ellipse(hand + QPointF(-side * 0.3, 1.6), 3.4, 2.2), palette::sail, detail);
    }
    QPainterPath coat;
    coat.moveTo(c + QPointF(-9.5, 11));
    coat.quadTo(c + QPointF(0, 9), c + QPointF(9.5, 11));
    coat.lineTo(c + QPointF(10.5, 24));
    coat.lineTo(c + QPointF(13, 34));
    coat.lineTo(c + QPointF(-13, 34));
    coat.lineTo(c + QPointF(-10.5, 24));
    coat.closeSubpath();
    ink::outlined(p, coat, palette::coat, line);
    p.save();
    p.setClipPath(coat, Qt::IntersectClip);
    p.fillRect(QRectF(c.x() + 5.5, c.y(), 10, 40), palette::coatShadow);
    p.restore();
    ink::outline(p, coat, line);
    ink::outlined(p, ink::polygon({c + QPointF(-4, 10.5), c + QPointF(4, 10.5), c + QPointF(0, 19)}), palette::sail, detail);
    ink::outlined(p, ink::rect(c.x() - 10.8, c.y() + 23.5, 21.6, 3.6), palette::hatBlack, detail);
    ink::outlined(p, ink::rect(c.x() - 2.5, c.y() + 22.8, 5, 5), palette::gold, detail);
    for (qreal y : {17.0, 30.0})
        ink::outlined(p, ink::ellipse(c + QPointF(0, y), 1.3, 1.3), palette::gold, 0.8);
    frontFace(p, c);
    frontHat(p, c);
}

// --- Water -------------------------------------------------------------------------------------------

// The water the figure is sunk in: a collar of lumpy foam at the cut, ripples spreading below it.
// `half` is the collar's half width.
void foamCollar(QPainter &p, qreal waterline, qreal half)
{
    const QPointF centre(25, waterline);
    QPen ripple(palette::waveLine, 1.2, Qt::SolidLine, Qt::RoundCap);
    for (qreal grow : {3.0, 7.5}) {
        QPainterPath arc;
        arc.moveTo(centre + QPointF(-half - grow + 2, 1));
        arc.quadTo(centre + QPointF(0, 5 + grow), centre + QPointF(half + grow - 2, 1));
        p.strokePath(arc, ripple);
    }
    QPainterPath foam = ink::ellipse(centre + QPointF(0, 0.5), half, 2.6);
    const int lumps = int(half / 3.5);
    for (int i = 0; i <= lumps; ++i) {
        const qreal x = -half + 2.5 + (2 * half - 5) * i / lumps;
        const qreal up = (i % 2) ? -1.4 : 0.8;
        foam = foam.united(ink::ellipse(centre + QPointF(x, up), 2.6, 2.2));
    }
    ink::outlined(p, foam.simplified(), palette::foam, detail);
    p.fillPath(ink::ellipse(centre + QPointF(-half * 0.35, -0.2), half * 0.22, 0.7), palette::white);
}

// The splash the pirate falls into: two plumes of water thrown out to the cell's edges, foam piled
// round his boots, drops flying.
void splash(QPainter &p)
{
    const QColor water{0x7F, 0xEF, 0xEF};
    for (int side : {-1, 1}) {
        auto at = [side](qreal x, qreal y) { return QPointF(25 + side * x, y); };
        QPainterPath plume;
        plume.moveTo(at(4, 84));
        plume.cubicTo(at(10, 74), at(18, 62), at(27, 52));  // out past the cell's edge
        plume.cubicTo(at(27, 62), at(24, 72), at(20, 84));
        plume.closeSubpath();
        ink::outlined(p, plume, water, line);
        QPainterPath shine;
        shine.moveTo(at(10, 80));
        shine.quadTo(at(16, 70), at(22, 60));
        p.strokePath(shine, QPen(palette::white, 1.3, Qt::SolidLine, Qt::RoundCap));
        for (const QPointF &drop : {QPointF(21, 45), QPointF(15, 40), QPointF(23, 36)}) {
            QPainterPath d = ink::ellipse(at(drop.x(), drop.y()), 1.7, 2.2);
            ink::outlined(p, d, water, detail);
        }
    }
    QPainterPath foam = ink::ellipse(QPointF(25, 80), 17, 4.5);
    for (qreal x : {11.0, 18.0, 25.0, 32.0, 39.0})
        foam.addEllipse(QPointF(x, 76.5 + (int(x) % 2) * 1.2), 4.2, 3.6);
    ink::outlined(p, ink::merged(foam), palette::foam, line);
    QPen ripple(palette::waveLine, 1.2, Qt::SolidLine, Qt::RoundCap);
    QPainterPath r;
    r.moveTo(13, 82.5);
    r.quadTo(25, 85, 37, 82.5);
    p.strokePath(r, ripple);
}

}  // namespace

void drawWalking(QPainter &p, const WalkPose &pose, Facing facing, Mood mood)
{
    p.save();
    if (facing == Facing::right)
        p.setTransform(QTransform(-1, 0, 0, 1, cellW, 0), true);
    const qreal bob = pose.bob;
    // The standing foot's sole is the cell's last row; a lifted foot's sole sits higher.
    auto soleOf = [](QPointF ankle) { return ankle.y() + 8; };
    sideArm(p, farShoulder + QPointF(0, bob), pose.farHand + QPointF(0, bob), true);
    stripedLeg(p, farHip + QPointF(0, bob), pose.farKnee, pose.farAnkle, true);
    sideBoot(p, pose.farAnkle, soleOf(pose.farAnkle), true);
    stripedLeg(p, nearHip + QPointF(0, bob), pose.nearKnee, pose.nearAnkle, false);
    sideBoot(p, pose.nearAnkle, soleOf(pose.nearAnkle), false);
    sideCoat(p, bob);
    sideHead(p, bob, mood);
    sideHat(p, bob);
    sideArm(p, nearShoulder + QPointF(0, bob), pose.nearHand + QPointF(0, bob), false);
    p.restore();
}

void drawFalling(QPainter &p, const FallPose &pose)
{
    const QPointF head = headCentre + QPointF(0, pose.sink);
    if (pose.waterline < 0) {
        frontFigure(p, head, pose.handsUp);
        splash(p);
        return;
    }
    // The figure is cut off at the water; the foam hides the cut.
    p.save();
    p.setClipRect(QRectF(0, 0, cellW, pose.waterline + 0.5), Qt::IntersectClip);
    frontFigure(p, head, pose.handsUp);
    p.restore();
    foamCollar(p, pose.waterline, pose.foamHalfWidth);
}

}  // namespace pirate
