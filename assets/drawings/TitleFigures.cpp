// The people (and the rat) of the title scene.
#include "TitleFigures.h"

#include "Ink.h"
#include "Palette.h"

#include <QPainterPath>
#include <cmath>

namespace figures {

namespace {

const QColor bootColour{0x2E, 0x24, 0x20};
const QColor bootShine{0x5A, 0x4A, 0x42};
const QColor mouthRed{0x9A, 0x24, 0x2A};
const QColor steel{0xD8, 0xDC, 0xE6};
const QColor steelShade{0xA0, 0xA6, 0xB6};
const QColor beltBlack{0x26, 0x26, 0x30};

QPainterPath path(std::initializer_list<QPointF> pts, bool closed = false)
{
    QPainterPath pp;
    bool first = true;
    for (const QPointF &pt : pts) {
        if (first)
            pp.moveTo(pt);
        else
            pp.lineTo(pt);
        first = false;
    }
    if (closed)
        pp.closeSubpath();
    return pp;
}

void line(QPainter &p, QPointF a, QPointF b, qreal w, const QColor &c = palette::ink)
{
    p.strokePath(path({a, b}), QPen(c, w, Qt::SolidLine, Qt::RoundCap));
}

void arc(QPainter &p, QPointF from, QPointF control, QPointF to, qreal w, const QColor &c = palette::ink)
{
    QPainterPath a;
    a.moveTo(from);
    a.quadTo(control, to);
    p.strokePath(a, QPen(c, w, Qt::SolidLine, Qt::RoundCap));
}

// Round cartoon eyes with a white glint, and a smile: the faces every friendly figure shares.
void eyes(QPainter &p, QPointF c, qreal spread, qreal size)
{
    for (int side : {-1, 1}) {
        const QPointF e = c + QPointF(side * spread, 0);
        p.fillPath(ink::ellipse(e, size * 0.75, size), palette::ink);
        p.fillPath(ink::ellipse(e + QPointF(size * 0.25, -size * 0.4), size * 0.3, size * 0.3), palette::white);
    }
}

void openSmile(QPainter &p, QPointF c, qreal w)
{
    QPainterPath m;
    m.moveTo(c + QPointF(-w, 0));
    m.quadTo(c + QPointF(0, w * 0.25), c + QPointF(w, 0));
    m.quadTo(c + QPointF(0, w * 1.4), c + QPointF(-w, 0));
    ink::outlined(p, m, mouthRed, 2);
    p.fillPath(ink::ellipse(c + QPointF(0, w * 0.7), w * 0.45, w * 0.22), QColor(0xE0, 0x70, 0x70));
}

void boot(QPainter &p, QPointF sole, int toe)
{
    QPainterPath b;
    b.moveTo(sole + QPointF(-9 * toe, -26));
    b.lineTo(sole + QPointF(-10 * toe, -4));
    b.quadTo(sole + QPointF(-10 * toe, 0), sole + QPointF(-6 * toe, 0));
    b.lineTo(sole + QPointF(14 * toe, 0));
    b.quadTo(sole + QPointF(19 * toe, 0), sole + QPointF(18 * toe, -6));
    b.quadTo(sole + QPointF(16 * toe, -12), sole + QPointF(8 * toe, -12));
    b.lineTo(sole + QPointF(9 * toe, -26));
    b.closeSubpath();
    ink::outlined(p, b, bootColour);
    ink::outlined(p, ink::roundRect(sole.x() - 12, sole.y() - 32, 24, 9, 3), bootShine);
    p.fillPath(ink::ellipse(sole + QPointF(11 * toe, -6), 3, 1.6), bootShine);
}

QPainterPath limb(std::initializer_list<QPointF> pts, qreal w) { return ink::stroke(pts, w); }

void stripes(QPainter &p, const QPainterPath &shape, const QColor &base, const QColor &stripe, qreal top, qreal period,
             qreal thickness)
{
    p.fillPath(shape, base);
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    for (qreal y = top; y < top + 300; y += period)
        p.fillRect(QRectF(0, y, 800, thickness), stripe);
    p.restore();
    ink::outline(p, shape);
}

void skullAndBones(QPainter &p, QPointF c, qreal s)
{
    QPen bone(palette::sail, s * 0.22, Qt::SolidLine, Qt::RoundCap);
    p.strokePath(path({c + QPointF(-s * 0.7, s * 0.35), c + QPointF(s * 0.7, s * 0.95)}), bone);
    p.strokePath(path({c + QPointF(-s * 0.7, s * 0.95), c + QPointF(s * 0.7, s * 0.35)}), bone);
    for (const QPointF &end : {QPointF(-0.7, 0.35), QPointF(0.7, 0.95), QPointF(-0.7, 0.95), QPointF(0.7, 0.35)})
        p.fillPath(ink::ellipse(c + end * s, s * 0.14, s * 0.14), palette::sail);
    QPainterPath skull = ink::ellipse(c + QPointF(0, -s * 0.15), s * 0.5, s * 0.45);
    skull = skull.united(ink::roundRect(c.x() - s * 0.28, c.y() + s * 0.1, s * 0.56, s * 0.35, s * 0.1));
    p.fillPath(skull, palette::sail);
    p.fillPath(ink::ellipse(c + QPointF(-s * 0.2, -s * 0.15), s * 0.13, s * 0.15), palette::hatBlack);
    p.fillPath(ink::ellipse(c + QPointF(s * 0.2, -s * 0.15), s * 0.13, s * 0.15), palette::hatBlack);
}

}  // namespace

// --- The sailor --------------------------------------------------------------------------------------

void sailor(QPainter &p, QPointF f)
{
    const QColor skin = palette::skinDark;
    const QColor skinShade = palette::shadowOf(skin);
    // Legs in striped trousers, boots.
    for (int side : {-1, 1}) {
        const QPainterPath leg = limb({f + QPointF(side * 13, -92), f + QPointF(side * 15, -30)}, 24);
        stripes(p, leg, palette::stripeLight, palette::stripeBlue, f.y() - 100, 12, 6);
    }
    boot(p, f + QPointF(-16, 0), -1);
    boot(p, f + QPointF(16, 0), 1);
    // The hand on his hip, behind the coat's edge.
    const QPainterPath hipArm = limb({f + QPointF(30, -150), f + QPointF(46, -120), f + QPointF(32, -98)}, 17);
    ink::outlined(p, hipArm, palette::coatShadow);
    // Red coat with tails.
    QPainterPath coat;
    coat.moveTo(f + QPointF(-30, -150));
    coat.quadTo(f + QPointF(0, -162), f + QPointF(30, -150));
    coat.lineTo(f + QPointF(34, -104));
    coat.lineTo(f + QPointF(40, -74));
    coat.lineTo(f + QPointF(14, -80));
    coat.lineTo(f + QPointF(0, -96));
    coat.lineTo(f + QPointF(-14, -80));
    coat.lineTo(f + QPointF(-40, -74));
    coat.lineTo(f + QPointF(-34, -104));
    coat.closeSubpath();
    p.fillPath(coat, palette::coat);
    p.save();
    p.setClipPath(coat, Qt::IntersectClip);
    p.fillRect(QRectF(f.x() + 14, f.y() - 170, 40, 100), palette::coatShadow);
    // White cross-belts with a gold buckle where they meet.
    QPen belt(palette::sail, 9, Qt::SolidLine, Qt::FlatCap);
    p.strokePath(path({f + QPointF(-28, -150), f + QPointF(30, -96)}), QPen(palette::ink, 12, Qt::SolidLine, Qt::FlatCap));
    p.strokePath(path({f + QPointF(-28, -150), f + QPointF(30, -96)}), belt);
    p.strokePath(path({f + QPointF(28, -150), f + QPointF(-30, -96)}), QPen(palette::ink, 12, Qt::SolidLine, Qt::FlatCap));
    p.strokePath(path({f + QPointF(28, -150), f + QPointF(-30, -96)}), belt);
    p.restore();
    ink::outline(p, coat);
    ink::outlined(p, ink::roundRect(f.x() - 8, f.y() - 131, 16, 14, 3), palette::gold);
    ink::outlined(p, ink::rect(f.x() - 3, f.y() - 127, 6, 6), palette::goldShadow, 1);
    // The arm raised high, pointing up at the OK button.
    const QPainterPath pointing = limb({f + QPointF(-28, -148), f + QPointF(-58, -166), f + QPointF(-86, -196)}, 18);
    ink::outlined(p, pointing, palette::coat);
    ink::outlined(p, ink::ellipse(f + QPointF(-82, -192), 10, 8), palette::sail);
    // A fist with one finger pointing the way.
    QPainterPath hand = ink::ellipse(f + QPointF(-93, -201), 8.5, 7.5);
    hand = hand.united(limb({f + QPointF(-97, -205), f + QPointF(-105, -213)}, 5.5));
    ink::outlined(p, hand, skin);
    arc(p, f + QPointF(-94, -196), f + QPointF(-89, -199), f + QPointF(-88, -205), 1.5);
    // Neck, head with a polka-dot bandana, ear with a gold ring.
    ink::outlined(p, ink::rect(f.x() - 9, f.y() - 168, 18, 16), skin);
    const QPointF h = f + QPointF(0, -194);
    ink::outlined(p, ink::ellipse(h + QPointF(-26, 4), 6, 8), skin);
    ink::outlined(p, ink::ellipse(h + QPointF(26, 4), 6, 8), skin);
    p.strokePath(ink::ellipse(h + QPointF(28, 16), 3.5, 4.5), QPen(palette::gold, 2.5));
    ink::outlined(p, ink::ellipse(h, 26, 27), skin);
    p.fillPath(ink::ellipse(h, 25, 26).subtracted(ink::ellipse(h + QPointF(-5, -3), 25, 26)), skinShade);
    QPainterPath bandana;
    bandana.moveTo(h + QPointF(-27, -2));
    bandana.quadTo(h + QPointF(-28, -32), h + QPointF(0, -31));
    bandana.quadTo(h + QPointF(28, -32), h + QPointF(27, -2));
    bandana.quadTo(h + QPointF(0, -14), h + QPointF(-27, -2));
    ink::outlined(p, bandana, palette::stripeBlue);
    for (const QPointF &dot : {QPointF(-14, -20), QPointF(0, -25), QPointF(14, -20), QPointF(-20, -10), QPointF(20, -10), QPointF(-6, -14), QPointF(8, -14)})
        p.fillPath(ink::ellipse(h + dot, 2.4, 2.4), palette::white);
    ink::outlined(p, ink::polygon({h + QPointF(22, -12), h + QPointF(40, -20), h + QPointF(36, -4)}), palette::stripeBlue);
    eyes(p, h + QPointF(0, 0), 9, 4.5);
    arc(p, h + QPointF(-15, -8), h + QPointF(-9, -12), h + QPointF(-4, -9), 2.5);
    arc(p, h + QPointF(4, -9), h + QPointF(9, -12), h + QPointF(15, -8), 2.5);
    ink::outlined(p, ink::ellipse(h + QPointF(0, 8), 4.5, 3.5), skinShade, 1.5);
    openSmile(p, h + QPointF(0, 14), 9);
}

// --- The captain -------------------------------------------------------------------------------------

void captain(QPainter &p, QPointF f)
{
    const QColor skin = palette::skinPeach;
    const QColor skinShade = palette::shadowOf(skin);
    const QColor trousers = palette::coat;
    for (int side : {-1, 1}) {
        const QPainterPath leg = limb({f + QPointF(side * 15, -100), f + QPointF(side * 18, -30)}, 27);
        ink::outlined(p, leg, side > 0 ? palette::coatShadow : trousers);
    }
    boot(p, f + QPointF(-19, 0), -1);
    boot(p, f + QPointF(19, 0), 1);
    // Hand on hip at the left.
    ink::outlined(p, limb({f + QPointF(-32, -160), f + QPointF(-54, -128), f + QPointF(-34, -104)}, 19), palette::gold);
    p.save();
    p.setClipPath(limb({f + QPointF(-32, -160), f + QPointF(-54, -128), f + QPointF(-34, -104)}, 17), Qt::IntersectClip);
    for (qreal y = f.y() - 170; y < f.y() - 90; y += 12)
        p.fillRect(QRectF(f.x() - 70, y, 60, 6), palette::coat);
    p.restore();
    ink::outlined(p, ink::ellipse(f + QPointF(-34, -104), 9, 8), skin);
    // Shirt in red and yellow stripes, a belt with a big gold buckle.
    QPainterPath shirt;
    shirt.moveTo(f + QPointF(-32, -160));
    shirt.quadTo(f + QPointF(0, -172), f + QPointF(32, -160));
    shirt.lineTo(f + QPointF(34, -100));
    shirt.lineTo(f + QPointF(-34, -100));
    shirt.closeSubpath();
    stripes(p, shirt, palette::gold, palette::coat, f.y() - 172, 12, 6);
    ink::outlined(p, ink::rect(f.x() - 35, f.y() - 108, 70, 11), beltBlack);
    ink::outlined(p, ink::roundRect(f.x() - 9, f.y() - 111, 18, 17, 3), palette::gold);
    ink::outlined(p, ink::rect(f.x() - 4, f.y() - 106, 8, 7), palette::goldShadow, 1);
    // The other arm holds the cutlass up.
    ink::outlined(p, limb({f + QPointF(30, -158), f + QPointF(56, -150), f + QPointF(66, -176)}, 19), palette::gold);
    QPainterPath blade;
    blade.moveTo(f + QPointF(62, -186));
    blade.quadTo(f + QPointF(66, -240), f + QPointF(100, -268));
    blade.quadTo(f + QPointF(84, -236), f + QPointF(74, -186));
    blade.closeSubpath();
    ink::outlined(p, blade, steel);
    p.strokePath(path({f + QPointF(70, -196), f + QPointF(88, -248)}), QPen(steelShade, 2.5, Qt::SolidLine, Qt::RoundCap));
    ink::outlined(p, ink::roundRect(f.x() + 52, f.y() - 192, 34, 8, 3), palette::gold);
    ink::outlined(p, ink::ellipse(f + QPointF(66, -176), 10, 9), skin);
    // Head: a big black beard, a curled moustache, a huge hat.
    ink::outlined(p, ink::rect(f.x() - 10, f.y() - 180, 20, 16), skin);
    const QPointF h = f + QPointF(0, -204);
    QPainterPath beard;
    for (const QPointF &c : {QPointF(-18, 14), QPointF(-8, 22), QPointF(6, 23), QPointF(17, 14), QPointF(0, 28)})
        beard.addEllipse(h + c, 12, 11);
    ink::outlined(p, ink::merged(beard), palette::hatBlack);
    ink::outlined(p, ink::ellipse(h + QPointF(-25, 2), 6, 8), skin);
    ink::outlined(p, ink::ellipse(h + QPointF(25, 2), 6, 8), skin);
    QPainterPath face = ink::ellipse(h, 24, 25).subtracted(ink::ellipse(h + QPointF(0, 30), 22, 14));
    ink::outlined(p, face, skin);
    p.fillPath(ink::ellipse(h + QPointF(-12, 6), 5, 3.5), palette::cheek);
    p.fillPath(ink::ellipse(h + QPointF(12, 6), 5, 3.5), palette::cheek);
    eyes(p, h + QPointF(0, -4), 9, 4.2);
    arc(p, h + QPointF(-16, -13), h + QPointF(-9, -17), h + QPointF(-3, -13), 3);
    arc(p, h + QPointF(3, -13), h + QPointF(9, -17), h + QPointF(16, -13), 3);
    ink::outlined(p, ink::ellipse(h + QPointF(0, 5), 5.5, 4.5), skinShade, 1.5);
    openSmile(p, h + QPointF(0, 16), 8);
    QPainterPath moustache;
    moustache.moveTo(h + QPointF(0, 10));
    moustache.cubicTo(h + QPointF(-8, 6), h + QPointF(-16, 14), h + QPointF(-20, 8));
    moustache.cubicTo(h + QPointF(-18, 18), h + QPointF(-6, 16), h + QPointF(0, 13));
    moustache.cubicTo(h + QPointF(6, 16), h + QPointF(18, 18), h + QPointF(20, 8));
    moustache.cubicTo(h + QPointF(16, 14), h + QPointF(8, 6), h + QPointF(0, 10));
    ink::outlined(p, moustache, palette::hatBlack, 1.5);
    // The hat: a tall crown, a brim sweeping up at both ends, gold trim, the skull and crossbones.
    QPainterPath crown;
    crown.moveTo(h + QPointF(-26, -16));
    crown.quadTo(h + QPointF(-28, -58), h + QPointF(0, -60));
    crown.quadTo(h + QPointF(28, -58), h + QPointF(26, -16));
    crown.closeSubpath();
    ink::outlined(p, crown, palette::hatBlack);
    p.fillPath(ink::ellipse(h + QPointF(-12, -44), 7, 4), QColor(0x44, 0x44, 0x56));
    QPainterPath brim;
    brim.moveTo(h + QPointF(-52, -34));
    brim.quadTo(h + QPointF(-34, -14), h + QPointF(0, -16));
    brim.quadTo(h + QPointF(34, -14), h + QPointF(52, -34));
    brim.quadTo(h + QPointF(48, -4), h + QPointF(0, -6));
    brim.quadTo(h + QPointF(-48, -4), h + QPointF(-52, -34));
    brim.closeSubpath();
    ink::outlined(p, brim, palette::hatBlack);
    arc(p, h + QPointF(-46, -26), h + QPointF(0, -2), h + QPointF(46, -26), 3, palette::gold);
    skullAndBones(p, h + QPointF(0, -38), 14);
}

// --- The old man in the window ------------------------------------------------------------------------

void oldManInWindow(QPainter &p, QPointF h)
{
    const QColor skin = palette::skinLight;
    // Shirt and waistcoat below.
    ink::outlined(p, ink::roundRect(h.x() - 34, h.y() + 22, 68, 60, 16), palette::sail);
    ink::outlined(p, ink::polygon({h + QPointF(-32, 30), h + QPointF(-8, 30), h + QPointF(-2, 80), h + QPointF(-34, 80)}), palette::stripeBlue);
    ink::outlined(p, ink::polygon({h + QPointF(32, 30), h + QPointF(8, 30), h + QPointF(2, 80), h + QPointF(34, 80)}), palette::stripeBlue);
    // The arm raised with the bottle.
    ink::outlined(p, limb({h + QPointF(28, 34), h + QPointF(44, 14), h + QPointF(40, -6)}, 14), palette::sail);
    QPainterPath bottle = ink::roundRect(h.x() + 33, h.y() - 36, 14, 26, 5);
    bottle = bottle.united(ink::rect(h.x() + 37, h.y() - 45, 6, 11));
    ink::outlined(p, bottle, QColor(0x3C, 0x8A, 0x4C));
    ink::outlined(p, ink::rect(h.x() + 36.5, h.y() - 49, 7, 5), palette::wood, 1.5);
    p.fillRect(QRectF(h.x() + 36, h.y() - 31, 3, 14), QColor(0x8C, 0xD0, 0x9C));
    ink::outlined(p, ink::ellipse(h + QPointF(40, -8), 8, 7), skin);
    // White tufts of hair at the sides, a bald crown, a bushy white beard.
    for (int side : {-1, 1}) {
        QPainterPath tuft;
        for (const QPointF &c : {QPointF(20, -10), QPointF(24, 0), QPointF(21, 9)})
            tuft.addEllipse(h + QPointF(side * c.x(), c.y()), 7, 7);
        ink::outlined(p, ink::merged(tuft), palette::white);
    }
    ink::outlined(p, ink::ellipse(h, 19, 21), skin);
    p.fillPath(ink::ellipse(h + QPointF(-7, -13), 5, 3), palette::white);
    QPainterPath beard;
    for (const QPointF &c : {QPointF(-12, 12), QPointF(0, 18), QPointF(12, 12), QPointF(-6, 24), QPointF(6, 24)})
        beard.addEllipse(h + c, 9, 8);
    ink::outlined(p, ink::merged(beard), palette::white);
    // Happy closed eyes, bushy brows, a round red nose, an open laugh.
    arc(p, h + QPointF(-11, -2), h + QPointF(-7, -7), h + QPointF(-3, -2), 2.5);
    arc(p, h + QPointF(3, -2), h + QPointF(7, -7), h + QPointF(11, -2), 2.5);
    ink::outlined(p, ink::roundRect(h.x() - 13, h.y() - 12, 10, 4, 2), palette::white, 1.5);
    ink::outlined(p, ink::roundRect(h.x() + 3, h.y() - 12, 10, 4, 2), palette::white, 1.5);
    ink::outlined(p, ink::ellipse(h + QPointF(0, 4), 5, 4.5), QColor(0xE8, 0x70, 0x68), 1.5);
    ink::outlined(p, ink::ellipse(h + QPointF(0, 14), 5, 3.5), mouthRed, 1.5);
}

// --- The hold --------------------------------------------------------------------------------------

namespace {

enum class Rest { sitting, waving, hugging, asleep };

struct YoungSailor {
    qreal x;
    Rest rest;
    QColor skin;
    QColor hair;
};

// A young sailor in a white cap, blue collar and red neckerchief, seen from the front.
void youngSailor(QPainter &p, const YoungSailor &s, qreal floor)
{
    const QColor shirt = palette::sail;
    const QColor collar = palette::stripeBlue;
    const QColor trousers = QColor(0x24, 0x32, 0x78);
    if (s.rest == Rest::asleep) {
        // Lying on his side along the floor, head to the left on a rolled blanket, snoring gently.
        const QPointF h(s.x - 40, floor - 16);
        ink::outlined(p, ink::roundRect(s.x - 62, floor - 14, 30, 14, 7), QColor(0xA0, 0x40, 0x40));
        ink::outlined(p, ink::roundRect(s.x + 18, floor - 22, 42, 18, 9), trousers);
        ink::outlined(p, ink::roundRect(s.x + 52, floor - 20, 16, 18, 5), bootColour);
        ink::outlined(p, ink::roundRect(s.x - 26, floor - 30, 52, 28, 12), shirt);
        ink::outlined(p, ink::polygon({{s.x - 24, floor - 28}, {s.x - 6, floor - 28}, {s.x - 12, floor - 8}, {s.x - 26, floor - 10}}), collar);
        ink::outlined(p, ink::ellipse(h, 14, 13), s.skin);
        ink::outlined(p, ink::ellipse(h + QPointF(-6, -10), 11, 6), s.hair);
        arc(p, h + QPointF(-1, -2), h + QPointF(2, 1), h + QPointF(5, -2), 1.8);
        arc(p, h + QPointF(7, -2), h + QPointF(10, 1), h + QPointF(13, -2), 1.8);
        ink::outlined(p, ink::ellipse(h + QPointF(7, 6), 2.5, 2), mouthRed, 1.2);
        // Zz
        for (const auto &[at, size] : {std::pair{QPointF(s.x - 20, floor - 56), 7.0}, std::pair{QPointF(s.x - 6, floor - 72), 10.0}}) {
            p.strokePath(path({at, at + QPointF(size, 0), at + QPointF(0, size), at + QPointF(size, size)}),
                         QPen(palette::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
        return;
    }
    const QPointF h(s.x, floor - 64);
    // Legs: knees up in front for hugging, folded and crossed otherwise; boots at the front.
    if (s.rest == Rest::hugging) {
        ink::outlined(p, ink::roundRect(s.x - 22, floor - 44, 44, 42, 14), trousers);
        ink::outlined(p, ink::roundRect(s.x - 22, floor - 12, 20, 12, 5), bootColour);
        ink::outlined(p, ink::roundRect(s.x + 2, floor - 12, 20, 12, 5), bootColour);
    } else {
        ink::outlined(p, ink::roundRect(s.x - 30, floor - 22, 60, 20, 10), trousers);
        ink::outlined(p, ink::roundRect(s.x - 34, floor - 14, 18, 13, 5), bootColour);
        ink::outlined(p, ink::roundRect(s.x + 16, floor - 14, 18, 13, 5), bootColour);
    }
    // Body: white shirt with the square blue collar and a red neckerchief.
    if (s.rest != Rest::hugging)
        ink::outlined(p, ink::roundRect(s.x - 20, floor - 52, 40, 36, 10), shirt);
    else
        ink::outlined(p, ink::roundRect(s.x - 20, floor - 52, 40, 16, 8), shirt);
    ink::outlined(p, ink::polygon({{s.x - 20, floor - 52}, {s.x + 20, floor - 52}, {s.x + 12, floor - 40}, {s.x - 12, floor - 40}}), collar);
    p.strokePath(path({QPointF(s.x - 17, floor - 49), QPointF(s.x + 17, floor - 49)}), QPen(palette::white, 1.5));
    ink::outlined(p, ink::polygon({{s.x - 6, floor - 44}, {s.x + 6, floor - 44}, {s.x, floor - 34}}), palette::coat, 1.5);
    // Arms.
    if (s.rest == Rest::waving) {
        ink::outlined(p, limb({QPointF(s.x + 16, floor - 46), QPointF(s.x + 28, floor - 62), QPointF(s.x + 30, floor - 80)}, 10), shirt);
        ink::outlined(p, ink::ellipse(QPointF(s.x + 30, floor - 84), 6, 6), s.skin);
        ink::outlined(p, limb({QPointF(s.x - 16, floor - 46), QPointF(s.x - 22, floor - 30)}, 10), shirt);
        ink::outlined(p, ink::ellipse(QPointF(s.x - 22, floor - 26), 5.5, 5.5), s.skin);
    } else if (s.rest == Rest::hugging) {
        ink::outlined(p, ink::roundRect(s.x - 24, floor - 38, 48, 10, 5), shirt);
        ink::outlined(p, ink::ellipse(QPointF(s.x - 5, floor - 33), 5.5, 5), s.skin);
        ink::outlined(p, ink::ellipse(QPointF(s.x + 5, floor - 33), 5.5, 5), s.skin);
    } else {
        for (int side : {-1, 1}) {
            ink::outlined(p, limb({QPointF(s.x + side * 16, floor - 46), QPointF(s.x + side * 22, floor - 26)}, 10), shirt);
            ink::outlined(p, ink::ellipse(QPointF(s.x + side * 22, floor - 22), 5.5, 5.5), s.skin);
        }
    }
    // Head with a white sailor's cap.
    ink::outlined(p, ink::ellipse(h, 15, 15), s.skin);
    ink::outlined(p, ink::ellipse(h + QPointF(-15, 2), 3, 4), s.skin, 1.5);
    ink::outlined(p, ink::ellipse(h + QPointF(15, 2), 3, 4), s.skin, 1.5);
    ink::outlined(p, ink::ellipse(h + QPointF(0, 3), 15, 15), s.skin);
    QPainterPath fringe = ink::ellipse(h + QPointF(0, -4), 14, 9).intersected(ink::rect(h.x() - 16, h.y() - 16, 32, 11));
    ink::outlined(p, fringe, s.hair, 1.5);
    ink::outlined(p, ink::roundRect(h.x() - 17, h.y() - 16, 34, 8, 3), collar, 1.5);
    ink::outlined(p, ink::ellipse(h + QPointF(0, -18), 16, 5.5), palette::white, 1.5);
    eyes(p, h + QPointF(0, 3), 5.5, 2.6);
    p.fillPath(ink::ellipse(h + QPointF(-9, 9), 3, 2), palette::cheek);
    p.fillPath(ink::ellipse(h + QPointF(9, 9), 3, 2), palette::cheek);
    arc(p, h + QPointF(-4, 10), h + QPointF(0, 14), h + QPointF(4, 10), 1.8);
}

void sack(QPainter &p, QPointF base)
{
    // A plump, lumpy burlap sack, its neck gathered with a rope, a patch sewn on.
    const QColor burlap(0xC8, 0xA8, 0x68);
    QPainterPath s;
    s.moveTo(base + QPointF(-30, 0));
    s.cubicTo(base + QPointF(-40, -10), base + QPointF(-36, -40), base + QPointF(-14, -44));
    s.quadTo(base + QPointF(-8, -50), base + QPointF(-10, -58));
    s.lineTo(base + QPointF(8, -58));
    s.quadTo(base + QPointF(6, -50), base + QPointF(14, -44));
    s.cubicTo(base + QPointF(36, -40), base + QPointF(40, -10), base + QPointF(30, 0));
    s.closeSubpath();
    p.fillPath(s, burlap);
    p.save();
    p.setClipPath(s, Qt::IntersectClip);
    p.fillPath(ink::ellipse(base + QPointF(18, -12), 16, 22), palette::shadowOf(burlap));
    p.restore();
    ink::outline(p, s);
    arc(p, base + QPointF(-20, -30), base + QPointF(-12, -22), base + QPointF(-16, -10), 1.5);
    ink::outlined(p, ink::rect(base.x() - 4, base.y() - 26, 14, 12), QColor(0x9A, 0x7A, 0x48), 1.5);
    QPen stitch(palette::ink, 1.0, Qt::DashLine);
    p.strokePath(ink::rect(base.x() - 2, base.y() - 24, 10, 8), stitch);
    // Ruffled top above the rope.
    ink::outlined(p, ink::polygon({base + QPointF(-9, -57), base + QPointF(-16, -70), base + QPointF(-4, -64), base + QPointF(2, -72),
                                   base + QPointF(6, -64), base + QPointF(16, -70), base + QPointF(9, -57)}), burlap);
    ink::outlined(p, ink::roundRect(base.x() - 12, base.y() - 60, 24, 6, 3), palette::rope, 1.5);
}

void crate(QPainter &p, QPointF base)
{
    const QRectF box(base.x() - 30, base.y() - 56, 60, 56);
    ink::outlined(p, ink::rect(box.x(), box.y(), box.width(), box.height()), palette::woodGrain);
    for (qreal y = box.top() + 14; y < box.bottom(); y += 14)
        p.fillRect(QRectF(box.left() + 2, y, box.width() - 4, 2), palette::woodShadow);
    p.strokePath(path({box.topLeft() + QPointF(4, 4), box.bottomRight() - QPointF(4, 4)}), QPen(palette::wood, 7));
    p.strokePath(path({box.topLeft() + QPointF(4, 4), box.bottomRight() - QPointF(4, 4)}), QPen(palette::ink, 1.5));
    ink::outline(p, ink::rect(box.x(), box.y(), box.width(), box.height()));
}

void rat(QPainter &p, QPointF nose)
{
    const QColor fur(0x8A, 0x8A, 0x96);
    QPainterPath tail;
    tail.moveTo(nose + QPointF(40, -6));
    tail.cubicTo(nose + QPointF(60, -4), nose + QPointF(58, -30), nose + QPointF(70, -28));
    p.strokePath(tail, QPen(palette::ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(tail, QPen(QColor(0xE8, 0xA0, 0xA8), 2, Qt::SolidLine, Qt::RoundCap));
    ink::outlined(p, ink::ellipse(nose + QPointF(24, -10), 18, 11), fur);
    ink::outlined(p, ink::polygon({nose + QPointF(0, -6), nose + QPointF(14, -18), nose + QPointF(16, -2)}), fur);
    ink::outlined(p, ink::ellipse(nose + QPointF(13, -20), 5, 5), fur);
    p.fillPath(ink::ellipse(nose + QPointF(13, -20), 2.6, 2.6), QColor(0xE8, 0xA0, 0xA8));
    p.fillPath(ink::ellipse(nose + QPointF(8, -10), 1.8, 2), palette::ink);
    p.fillPath(ink::ellipse(nose + QPointF(0.5, -5.5), 2, 2), QColor(0xE8, 0x80, 0x90));
    for (qreal dy : {-2.0, 1.0})
        line(p, nose + QPointF(2, -5), nose + QPointF(-8, -5 + dy * 2), 0.8);
}

}  // namespace

void hold(QPainter &p, qreal floor)
{
    const YoungSailor crew[] = {
        {118, Rest::waving, palette::skinLight, QColor(0xD8, 0x60, 0x20)},
        {196, Rest::sitting, palette::skinBrown, QColor(0x22, 0x22, 0x2C)},
        {298, Rest::asleep, palette::skinPeach, QColor(0xE8, 0xC8, 0x4A)},
        {398, Rest::hugging, palette::skinDark, QColor(0x22, 0x22, 0x2C)},
        {474, Rest::sitting, palette::skinTan, QColor(0x5A, 0x3A, 0x1E)},
        {552, Rest::waving, palette::skinPeach, QColor(0x8A, 0x4A, 0x20)},
        {630, Rest::hugging, palette::skinLight, QColor(0xE8, 0xC8, 0x4A)},
    };
    rat(p, QPointF(8, floor));
    for (const YoungSailor &s : crew)
        youngSailor(p, s, floor);
    sack(p, QPointF(696, floor));
    crate(p, QPointF(762, floor));
}

}  // namespace figures
