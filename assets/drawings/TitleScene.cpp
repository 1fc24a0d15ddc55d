// The title scene, 800 x 600: the game's name across the sky, a ship's deck with a deckhouse, a sailor
// and the captain, and below the deck the hold where the young sailors rest.
//
// The OK button sits over the scene at x 16 to 105, y 88 to 177: the name stays above it and the
// sailor to its right.
#include "Drawings.h"
#include "Ink.h"
#include "Lettering.h"
#include "Palette.h"
#include "TitleFigures.h"

#include <QPainter>
#include <cmath>

namespace drawings {

namespace {

constexpr int width = 800;
constexpr int height = 600;
constexpr qreal horizon = 236;
constexpr qreal railTop = 262;
constexpr qreal deckTop = 394;    // where the figures stand
constexpr qreal deckFront = 412;  // the deck's cut edge, seen in section
constexpr qreal holdTop = 428;
constexpr qreal holdFloor = 584;

void paintSkyAndSea(QPainter &p)
{
    for (int y = 0; y < int(horizon); ++y) {
        const qreal t = std::max<qreal>(0, qreal(y - 100) / (horizon - 100));
        ink::hardRect(p, 0, y, width, 1, ink::mix(palette::sky, palette::skyHorizon, std::min<qreal>(t, 1)));
    }
    QPainterPath cloud;
    for (const QPointF &c : {QPointF(150, 150), QPointF(178, 138), QPointF(208, 146), QPointF(232, 156)})
        cloud.addEllipse(c, 22, 16);
    ink::outlined(p, ink::merged(cloud), palette::sail);
    QPainterPath cloud2;
    for (const QPointF &c : {QPointF(560, 128), QPointF(586, 118), QPointF(612, 130)})
        cloud2.addEllipse(c, 20, 14);
    ink::outlined(p, ink::merged(cloud2), palette::sail);
    ink::hardRect(p, 0, int(horizon), width, int(railTop - horizon) + 2, palette::sea);
    for (int x = 12; x < width; x += 46)
        p.strokePath([&] { QPainterPath w; w.moveTo(x, horizon + 12 + (x % 3) * 4); w.quadTo(x + 6, horizon + 8 + (x % 3) * 4, x + 12, horizon + 12 + (x % 3) * 4); return w; }(),
                     QPen(palette::waveLine, 1.6, Qt::SolidLine, Qt::RoundCap));
}

void paintRigging(QPainter &p)
{
    // The main mast rises at the top right; shrouds with ratlines run down from it to the rail.
    const qreal mastX = 752;
    QPen rope(palette::ink, 2.0);
    p.setPen(rope);
    for (qreal foot : {600.0, 640.0, 680.0}) {
        p.drawLine(QPointF(mastX - 6, 20), QPointF(foot, railTop));
    }
    for (qreal y = 40; y < railTop - 6; y += 14) {
        const qreal t = (y - 20) / (railTop - 20);
        p.drawLine(QPointF(mastX - 6 - (mastX - 6 - 600) * t, y), QPointF(mastX - 6 - (mastX - 6 - 680) * t, y));
    }
    p.drawLine(QPointF(mastX, 60), QPointF(800, 110));
    p.setPen(Qt::NoPen);
    ink::outlined(p, ink::rect(mastX - 11, -4, 22, railTop + 8), palette::wood);
    p.fillRect(QRectF(mastX + 3, 0, 5, railTop), palette::woodShadow);
    p.fillRect(QRectF(mastX - 7, 0, 3, railTop), palette::woodGrain);
    // A yard with its sail furled, and the mast's iron bands.
    ink::outlined(p, ink::roundRect(628, 52, 180, 10, 5), palette::wood);
    QPainterPath furled;
    for (qreal x = 640; x < 800; x += 20)
        furled.addEllipse(QPointF(x, 66), 12, 6);
    ink::outlined(p, ink::merged(furled), palette::sail);
    for (qreal y : {120.0, 200.0})
        ink::outlined(p, ink::rect(mastX - 12, y, 24, 6), QColor(0x4A, 0x4A, 0x55), 1.5);
}

void paintName(QPainter &p)
{
    // SCALLYWISE in fat orange capitals, each letter tipped a little this way or that, like a sign
    // painted by hand.
    const QString name = QStringLiteral("SCALLYWISE");
    const qreal scale = 7.0;
    const qreal gap = 2.0;
    const qreal left = (width - lettering::width(name, scale, gap)) / 2;
    const QList<lettering::Placed> letters = lettering::layout(name, QPointF(left, 8), scale, gap);
    constexpr qreal tilts[] = {-6, 4, -3, 5, -4, 6, -5, 3, -4, 5};
    constexpr qreal bounce[] = {2, -2, 3, -1, 2, -3, 1, -2, 3, 0};
    for (int i = 0; i < letters.size(); ++i) {
        QTransform t;
        t.translate(letters[i].middle.x(), letters[i].middle.y() + bounce[i]);
        t.rotate(tilts[i]);
        t.translate(-letters[i].middle.x(), -letters[i].middle.y());
        const QPainterPath centre = t.map(letters[i].centre);
        const QPainterPath body = ink::stroke(centre, 2.3 * scale);
        p.fillPath(body.translated(4, 5), palette::ink);  // a drop shadow
        p.fillPath(body, palette::orange);
        // A highlight along each stroke's upper side and a shade along its lower side.
        p.save();
        p.setClipPath(body);
        p.fillPath(ink::stroke(centre.translated(0, 5), 2.3 * scale).subtracted(body.translated(0, -3)), palette::orangeShadow);
        p.fillPath(ink::stroke(centre.translated(-2, -4), 0.5 * scale), QColor(0xFF, 0xC0, 0x60));
        p.restore();
        ink::outline(p, body, 3.0);
    }
}

void paintBulwark(QPainter &p)
{
    // Planked side of the ship behind the deck, a cap rail on top.
    ink::hardRect(p, 0, int(railTop), width, int(deckTop - railTop) + 4, palette::wood);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (qreal y = railTop + 26; y < deckTop; y += 22) {
        ink::hardRect(p, 0, int(y), width, 2, palette::woodShadow);
        ink::Dice dice{std::uint32_t(y)};
        for (int x = dice.below(120); x < width; x += 110 + dice.below(90))
            ink::hardRect(p, x, int(y) - 20, 2, 20, palette::woodShadow);
        for (int x = dice.below(60); x < width; x += 70 + dice.below(80))
            ink::hardRect(p, x, int(y) - 11, 18 + dice.below(30), 1, palette::woodGrain);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    ink::outlined(p, ink::rect(-4, railTop - 4, width + 8, 14), palette::woodGrain);
    p.fillRect(QRectF(0, railTop + 6, width, 3), palette::woodShadow);
}

void paintDeck(QPainter &p)
{
    // The deck's planks, seen a little from above, then its cut edge.
    ink::hardRect(p, 0, int(deckTop), width, int(deckFront - deckTop), ink::mix(palette::wood, palette::woodGrain, 0.5));
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y : {int(deckTop) + 6, int(deckTop) + 12})
        ink::hardRect(p, 0, y, width, 1, palette::woodShadow);
    p.setRenderHint(QPainter::Antialiasing, true);
    ink::outline(p, ink::rect(-4, deckTop, width + 8, deckFront - deckTop), 2);
    ink::outlined(p, ink::rect(-4, deckFront, width + 8, holdTop - deckFront), palette::woodShadow);
    for (qreal x = 30; x < width; x += 120)
        ink::outlined(p, ink::ellipse(QPointF(x, (deckFront + holdTop) / 2), 2.5, 2.5), QColor(0x4A, 0x4A, 0x55), 1.0);
}

void paintHold(QPainter &p)
{
    const QColor wall(0x4A, 0x32, 0x20);
    const QColor wallShade(0x3A, 0x26, 0x18);
    ink::hardRect(p, 0, int(holdTop), width, height - int(holdTop), wall);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = int(holdTop) + 18; y < int(holdFloor); y += 18)
        ink::hardRect(p, 0, y, width, 2, wallShade);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The lantern's warm light on the wall: flat rings around it, one inside the other.
    p.save();
    p.setClipRect(QRectF(0, holdTop, width, holdFloor - holdTop));
    p.fillPath(ink::ellipse(QPointF(400, holdTop + 24), 190, 150), QColor(0x54, 0x3A, 0x24));
    p.fillPath(ink::ellipse(QPointF(400, holdTop + 24), 110, 90), QColor(0x5E, 0x42, 0x28));
    p.restore();
    // Posts holding up the deck.
    for (qreal x : {60.0, 740.0})
        ink::outlined(p, ink::rect(x - 9, holdTop, 18, holdFloor - holdTop), palette::woodShadow);
    // The floor.
    ink::outlined(p, ink::rect(-4, holdFloor, width + 8, height - holdFloor + 4), QColor(0x5A, 0x3E, 0x26));
    p.setRenderHint(QPainter::Antialiasing, false);
    ink::hardRect(p, 0, int(holdFloor) + 8, width, 1, wallShade);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The lantern itself, hanging from the deck beam.
    p.strokePath([] { QPainterPath c; c.moveTo(400, holdTop); c.lineTo(400, holdTop + 10); return c; }(), QPen(palette::ink, 2));
    ink::outlined(p, ink::roundRect(390, holdTop + 10, 20, 26, 4), palette::sunYellow);
    ink::outlined(p, ink::rect(388, holdTop + 8, 24, 5), QColor(0x4A, 0x4A, 0x55), 1.5);
    ink::outlined(p, ink::rect(388, holdTop + 34, 24, 5), QColor(0x4A, 0x4A, 0x55), 1.5);
    p.fillPath(ink::ellipse(QPointF(400, holdTop + 23), 4, 6), palette::white);
}

void paintDeckhouse(QPainter &p)
{
    const QRectF walls(286, 176, 238, deckTop - 176);
    ink::outlined(p, ink::rect(walls.x(), walls.y(), walls.width(), walls.height()), palette::hullOliveLight);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int x = int(walls.x()) + 20; x < walls.right() - 4; x += 20)
        ink::hardRect(p, x, int(walls.y()) + 2, 2, int(walls.height()) - 3, palette::hullOlive);
    p.setRenderHint(QPainter::Antialiasing, true);
    ink::outline(p, ink::rect(walls.x(), walls.y(), walls.width(), walls.height()));
    // Roof with an overhang and a little chimney.
    ink::outlined(p, ink::rect(walls.x() + 170, 136, 20, 30), QColor(0x4A, 0x4A, 0x55));
    ink::outlined(p, ink::rect(walls.x() + 166, 130, 28, 8), QColor(0x4A, 0x4A, 0x55));
    ink::outlined(p, ink::polygon({{walls.x() - 16, walls.y() + 2}, {walls.x() - 4, 156}, {walls.right() + 4, 156}, {walls.right() + 16, walls.y() + 2}}),
                  palette::wood);
    p.fillRect(QRectF(walls.x() - 12, walls.y() - 6, walls.width() + 24, 5), palette::woodShadow);
    // Door on the left: planks, an arched top, iron hinges and a gold ring.
    QPainterPath door;
    door.moveTo(302, deckTop);
    door.lineTo(302, 262);
    door.quadTo(333, 226, 364, 262);
    door.lineTo(364, deckTop);
    door.closeSubpath();
    ink::outlined(p, door, palette::wood);
    p.save();
    p.setClipPath(door);
    for (qreal x = 317; x < 364; x += 15)
        p.fillRect(QRectF(x, 220, 2, 180), palette::woodShadow);
    p.restore();
    for (qreal y : {280.0, 360.0})
        ink::outlined(p, ink::roundRect(300, y, 30, 7, 2), QColor(0x4A, 0x4A, 0x55), 1.5);
    ink::outlined(p, ink::ellipse(QPointF(354, 328), 5, 5), Qt::transparent, 3.5);
    p.strokePath(ink::ellipse(QPointF(354, 328), 5, 5), QPen(palette::gold, 2));
}

// The deckhouse window with the old man inside, raising his bottle.
void paintWindow(QPainter &p)
{
    const QRectF frame(398, 214, 110, 104);
    ink::outlined(p, ink::roundRect(frame.x() - 8, frame.y() - 8, frame.width() + 16, frame.height() + 16, 6), palette::wood);
    const QRectF inside = frame;
    p.fillRect(inside, QColor(0x2A, 0x1E, 0x16));
    p.save();
    p.setClipRect(inside);
    p.fillPath(ink::ellipse(inside.center() + QPointF(0, 10), 60, 50), QColor(0x3E, 0x2C, 0x1E));
    figures::oldManInWindow(p, QPointF(inside.center().x() - 6, inside.top() + 54));
    p.restore();
    ink::outline(p, ink::rect(inside.x(), inside.y(), inside.width(), inside.height()));
    // Open shutters either side.
    for (int side : {-1, 1}) {
        const qreal x = side < 0 ? frame.left() - 40 : frame.right() + 10;
        ink::outlined(p, ink::rect(x, frame.top() - 4, 30, frame.height() + 8), palette::hullOlive);
        p.fillRect(QRectF(x + 4, frame.top() + 20, 22, 3), palette::shadowOf(palette::hullOlive));
        p.fillRect(QRectF(x + 4, frame.bottom() - 24, 22, 3), palette::shadowOf(palette::hullOlive));
    }
    ink::outlined(p, ink::rect(frame.x() - 12, frame.bottom() + 6, frame.width() + 24, 9), palette::wood);
}

}  // namespace

QImage titleScene()
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    paintSkyAndSea(p);
    paintRigging(p);
    paintBulwark(p);
    paintDeckhouse(p);
    paintWindow(p);
    paintDeck(p);
    paintHold(p);
    figures::hold(p, holdFloor);
    figures::sailor(p, QPointF(188, deckTop));
    figures::captain(p, QPointF(640, deckTop));
    paintName(p);
    p.end();
    return picture;
}

}  // namespace drawings
