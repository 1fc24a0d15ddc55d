// The game window's sea scene, 735 x 456: sky, clouds, sun, the ship with the board at its bow, the sea.
//
// The game measures this picture: the pirate stands on the board's top row (y 216), falls past its outer
// end (x 114) and sinks below the sea's surface. Those edges are drawn pixel by pixel with no smoothing;
// everything else is free drawing.
#include "Drawings.h"
#include "Ink.h"
#include "Palette.h"

#include <QPainter>
#include <cmath>
#include <vector>

namespace drawings {

namespace {

constexpr int width = 735;
constexpr int height = 456;

// The board the pirate walks: 11 rows of wood jutting out over the sea from the ship's rail.
struct Board {
    int top = 216;
    int bottom = 226;
    int outerEnd = 114;          // its left end on every row but the two lowest
    int outerEndLowRows = 113;   // the two lowest rows reach one pixel further
    int lowRowsFrom = 225;
    int innerEnd = 385;
};
constexpr Board board;
constexpr int lashings[] = {270, 370};

// The bow's front edge, a straight line, and the rail along the top of the hull.
constexpr QPoint bowTop{240, 227};
constexpr QPoint bowFoot{269, 296};
constexpr int railTop = 227;

// The sea's surface falls by a pixel twice on the way from the left edge to the ship.
struct SurfaceStep {
    int fromX;
    int y;
};
constexpr SurfaceStep surfaceSteps[] = {{0, 296}, {70, 297}, {170, 298}};

int surfaceAt(int x)
{
    int y = surfaceSteps[0].y;
    for (const SurfaceStep &step : surfaceSteps)
        if (x >= step.fromX)
            y = step.y;
    return y;
}

int bowEdgeAt(int y)
{
    const double t = double(y - bowTop.y()) / double(bowFoot.y() - bowTop.y());
    return int(std::lround(bowTop.x() + t * (bowFoot.x() - bowTop.x())));
}

// Masts, by their centre line, and the square sails each carries.
struct Sail {
    int top;
    int bottom;
    int halfWidth;
};
struct Mast {
    int x;
    int top;
    Sail sails[2];
};
constexpr Mast masts[] = {
    {448, 16, {{48, 100, 38}, {108, 178, 48}}},
    {622, 10, {{44, 96, 36}, {104, 152, 46}}},
};

// Five gun ports along the hull, each with a cannon's muzzle.
constexpr int gunPorts[] = {300, 368, 436, 504, 572};

void paintSky(QPainter &p)
{
    constexpr int fadeFrom = 140;
    const int horizon = surfaceSteps[0].y;
    for (int y = 0; y < 300; ++y) {
        const qreal t = y < fadeFrom ? 0.0 : qreal(y - fadeFrom) / qreal(horizon - 1 - fadeFrom);
        ink::hardRect(p, 0, y, width, 1, ink::mix(palette::sky, palette::skyHorizon, std::min<qreal>(t, 1.0)));
    }
}

QPainterPath puffs(std::initializer_list<QPointF> centresAndRadii)
{
    // Each point is a puff centre; its radius rides in the list as every other point's x.
    QPainterPath cloud;
    const QPointF *items = centresAndRadii.begin();
    for (std::size_t i = 0; i + 1 < centresAndRadii.size(); i += 2)
        cloud.addEllipse(items[i], items[i + 1].x(), items[i + 1].y());
    return ink::merged(cloud);
}

void paintCloud(QPainter &p, const QPainterPath &cloud)
{
    p.fillPath(cloud, palette::sail);
    // The underside in shadow: the same shape, lifted, cut away from the bottom.
    QPainterPath lifted = cloud.translated(0, -6);
    p.fillPath(cloud.subtracted(lifted), palette::sailShadow);
    ink::outline(p, cloud);
}

void paintClouds(QPainter &p)
{
    // A band of puffy clouds across the top: kept high over the sun, lower and fuller elsewhere.
    struct Puff {
        QPointF centre;
        qreal radius;
    };
    std::vector<Puff> puffList;
    ink::Dice dice(7);
    for (int x = -30; x < width + 40; x += 30 + dice.below(12)) {
        const bool overSun = x > 470 && x < 600;
        const qreal r = overSun ? 16 + dice.below(5) : 22 + dice.below(14);
        const qreal y = overSun ? 2 + dice.below(4) : 6 + dice.below(18);
        puffList.push_back({QPointF(x, y), r});
    }
    QPainterPath band;
    for (const Puff &puff : puffList)
        band.addEllipse(puff.centre, puff.radius * 1.25, puff.radius);
    band.addRect(-40, -40, width + 80, 40);
    band = ink::merged(band);
    paintCloud(p, band);
    // The rounded tops of the puffs in front, drawn as soft shadowed arcs inside the band.
    QPen contour(palette::sailShadow, 2.0, Qt::SolidLine, Qt::RoundCap);
    for (std::size_t i = 1; i < puffList.size(); i += 2) {
        const Puff &puff = puffList[i];
        const QRectF box(puff.centre.x() - puff.radius * 0.9, puff.centre.y() + puff.radius * 0.1, puff.radius * 1.8,
                         puff.radius * 1.2);
        QPainterPath arc;
        arc.arcMoveTo(box, 160);
        arc.arcTo(box, 160, -140);
        p.strokePath(arc, contour);
    }

    paintCloud(p, puffs({{60, 84}, {16, 12}, {80, 78}, {18, 15}, {100, 86}, {14, 11}}));
    paintCloud(p, puffs({{210, 100}, {14, 10}, {228, 94}, {16, 13}, {248, 101}, {13, 9}}));
}

void paintSun(QPainter &p)
{
    const QPointF centre(534.5, 67);
    ink::outlined(p, ink::ellipse(centre, 30, 30), palette::sunYellow);
    p.fillPath(ink::ellipse(centre + QPointF(3, 4), 24, 24).subtracted(ink::ellipse(centre + QPointF(-2, -2), 25, 25)),
               palette::sunShadow);
    ink::outline(p, ink::ellipse(centre, 30, 30));
    // A friendly face: happy closed eyes, rosy cheeks, a smile.
    QPen pen(palette::ink, 2.2, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.drawArc(QRectF(centre.x() - 15, centre.y() - 10, 10, 8), 0, 180 * 16);
    p.drawArc(QRectF(centre.x() + 5, centre.y() - 10, 10, 8), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.fillPath(ink::ellipse(centre + QPointF(-15, 6), 5, 3.5), palette::cheek);
    p.fillPath(ink::ellipse(centre + QPointF(15, 6), 5, 3.5), palette::cheek);
    p.setPen(pen);
    p.drawArc(QRectF(centre.x() - 9, centre.y() - 2, 18, 14), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
}

QPainterPath sailShape(int mastX, const Sail &s)
{
    const qreal l = mastX - s.halfWidth;
    const qreal r = mastX + s.halfWidth;
    const qreal belly = (s.bottom - s.top) * 0.12;
    QPainterPath path;
    path.moveTo(l, s.top);
    path.lineTo(r, s.top);
    path.quadTo(r + 5, (s.top + s.bottom) / 2.0, r - 2, s.bottom);
    path.quadTo(mastX, s.bottom + belly, l + 2, s.bottom);
    path.quadTo(l - 5, (s.top + s.bottom) / 2.0, l, s.top);
    return path;
}

void paintRigging(QPainter &p)
{
    QPen line(palette::ink, 1.3);
    p.setPen(line);
    // Stays: from the fore mast's top down to the bow, between the mast tops, and from the main top aft.
    p.drawLine(QPointF(masts[0].x, masts[0].top + 6), QPointF(bowTop.x() + 6, railTop - 2));
    p.drawLine(QPointF(masts[0].x, masts[0].top + 8), QPointF(masts[1].x, masts[1].top + 10));
    p.drawLine(QPointF(masts[1].x, masts[1].top + 8), QPointF(width, 150));
    // Shrouds with ratlines, from below the lower sail to the rail.
    for (const Mast &m : masts) {
        const qreal from = m.sails[1].bottom - 10;
        const qreal feet[] = {m.x - 30.0, m.x + 30.0};
        for (qreal foot : feet)
            p.drawLine(QPointF(m.x, from), QPointF(foot, railTop));
        for (qreal y = from + 10; y < railTop - 2; y += 8) {
            const qreal t = (y - from) / (railTop - from);
            p.drawLine(QPointF(m.x - 30 * t, y), QPointF(m.x + 30 * t, y));
        }
    }
    p.setPen(Qt::NoPen);
}

void paintFlags(QPainter &p)
{
    // The Jolly Roger at the main top: black, with a grinning skull.
    const Mast &main = masts[1];
    QPainterPath flag;
    const qreal fx = main.x + 4;
    const qreal fy = main.top + 2;
    flag.moveTo(fx, fy);
    flag.quadTo(fx + 16, fy - 5, fx + 34, fy + 1);
    flag.lineTo(fx + 34, fy + 22);
    flag.quadTo(fx + 16, fy + 16, fx, fy + 22);
    flag.closeSubpath();
    ink::outlined(p, flag, palette::hatBlack, ink::fine);
    ink::outlined(p, ink::ellipse(QPointF(fx + 17, fy + 9), 5, 4.5), palette::sail, 0.8);
    p.fillRect(QRectF(fx + 14.5, fy + 12, 5, 3), palette::sail);
    p.fillPath(ink::ellipse(QPointF(fx + 15, fy + 9), 1.3, 1.4), palette::ink);
    p.fillPath(ink::ellipse(QPointF(fx + 19, fy + 9), 1.3, 1.4), palette::ink);
    QPen bone(palette::sail, 1.6, Qt::SolidLine, Qt::RoundCap);
    p.setPen(bone);
    p.drawLine(QPointF(fx + 10, fy + 17), QPointF(fx + 24, fy + 20));
    p.drawLine(QPointF(fx + 10, fy + 20), QPointF(fx + 24, fy + 17));
    p.setPen(Qt::NoPen);

    // A red pennant streaming from the fore top.
    const Mast &fore = masts[0];
    ink::outlined(p, ink::polygon({{fore.x + 3.0, fore.top + 1.0}, {fore.x + 34.0, fore.top + 6.0}, {fore.x + 3.0, fore.top + 11.0}}),
                  palette::coat, ink::fine);
}

void paintMastsAndSails(QPainter &p)
{
    for (const Mast &m : masts) {
        ink::outlined(p, ink::rect(m.x - 4, m.top, 8, railTop - m.top), palette::woodShadow);
        p.fillRect(QRectF(m.x - 2, m.top + 2, 2, railTop - m.top - 4), palette::wood);
        for (const Sail &s : m.sails) {
            const QPainterPath sail = sailShape(m.x, s);
            p.fillPath(sail, palette::sail);
            // The shadowed half where the sail bellies away from the light.
            p.save();
            p.setClipPath(sail);
            p.fillRect(QRectF(m.x + s.halfWidth * 0.35, s.top, s.halfWidth, s.bottom - s.top + 12), palette::sailShadow);
            QPen seam(palette::sailShadow, 1.2);
            p.setPen(seam);
            for (int k = -2; k <= 2; ++k)
                p.drawLine(QPointF(m.x + k * s.halfWidth / 2.6, s.top + 3), QPointF(m.x + k * s.halfWidth / 2.4, s.bottom + 6));
            p.setPen(Qt::NoPen);
            p.restore();
            ink::outline(p, sail);
            // The yard the sail hangs from.
            ink::outlined(p, ink::roundRect(m.x - s.halfWidth - 5, s.top - 3, 2 * s.halfWidth + 10, 6, 3), palette::wood,
                          1.5);
        }
    }
    // The crow's nest on the main mast.
    const Mast &main = masts[1];
    ink::outlined(p, ink::polygon({{main.x - 13.0, 30}, {main.x + 13.0, 30}, {main.x + 10.0, 40}, {main.x - 10.0, 40}}),
                  palette::wood, 1.5);
    p.fillRect(QRectF(main.x - 11, 33, 22, 1.5), palette::woodShadow);
}

void paintCabin(QPainter &p)
{
    // The raised cabin at the stern, against the right edge: planked walls, a door and a window.
    const qreal left = 650;
    const qreal top = 166;
    ink::outlined(p, ink::rect(left, top, width - left + 4, railTop - top + 2), palette::hullOliveLight);
    p.save();
    p.setClipRect(QRectF(left + 1, top + 1, width - left, railTop - top));
    QPen plank(palette::hullOlive, 1.0);
    p.setPen(plank);
    for (qreal y = top + 9; y < railTop; y += 9)
        p.drawLine(QPointF(left, y), QPointF(width, y));
    p.setPen(Qt::NoPen);
    p.restore();
    // Roof with a little railing.
    ink::outlined(p, ink::rect(left - 8, top - 8, width - left + 16, 9), palette::wood);
    p.fillRect(QRectF(left - 6, top - 3, width - left + 12, 2.5), palette::woodShadow);
    for (qreal x = left - 4; x < width; x += 9)
        ink::outlined(p, ink::rect(x, top - 20, 3, 12), palette::wood, 1.2);
    ink::outlined(p, ink::rect(left - 6, top - 23, width - left + 12, 4), palette::wood, 1.5);
    // Door with an arched top and a gold knob.
    QPainterPath door;
    door.moveTo(left + 10, railTop);
    door.lineTo(left + 10, top + 22);
    door.quadTo(left + 22, top + 8, left + 34, top + 22);
    door.lineTo(left + 34, railTop);
    door.closeSubpath();
    ink::outlined(p, door, palette::wood);
    QPen boards(palette::woodShadow, 1.2);
    p.setPen(boards);
    p.drawLine(QPointF(left + 18, top + 17), QPointF(left + 18, railTop - 1));
    p.drawLine(QPointF(left + 26, top + 17), QPointF(left + 26, railTop - 1));
    p.setPen(Qt::NoPen);
    ink::outlined(p, ink::ellipse(QPointF(left + 30, top + 40), 2.2, 2.2), palette::gold, 1.0);
    // A square window with a cross, sky-blue glass and a glint.
    const QRectF window(left + 46, top + 16, 26, 22);
    ink::outlined(p, ink::roundRect(window.x() - 3, window.y() - 3, window.width() + 6, window.height() + 6, 3), palette::wood);
    p.fillRect(window, QColor(0x9F, 0xD8, 0xFF));
    p.fillPath(ink::polygon({{window.left() + 3, window.bottom() - 4}, {window.left() + 12, window.top() + 2},
                             {window.left() + 17, window.top() + 2}, {window.left() + 8, window.bottom() - 4}}),
               palette::white);
    ink::outline(p, ink::rect(window.x(), window.y(), window.width(), window.height()), 1.5);
    ink::outline(p, ink::rect(window.center().x() - 1, window.y(), 2, window.height()), 1.0);
    ink::outline(p, ink::rect(window.x(), window.center().y() - 1, window.width(), 2), 1.0);
    // A lantern hanging by the door.
    ink::outlined(p, ink::roundRect(left + 38, top + 4, 7, 10, 2), palette::gold, 1.2);
}

void paintHull(QPainter &p)
{
    // Horizontal bands, left edge cut along the bow line row by row: the bow's edge is exact.
    struct Band {
        int top;
        int bottom;
        QColor colour;
    };
    const Band bands[] = {
        {railTop, railTop, palette::ink},
        {railTop + 1, railTop + 6, palette::wood},
        {railTop + 7, railTop + 7, palette::ink},
        {railTop + 8, railTop + 17, palette::hullOliveLight},
        {railTop + 18, railTop + 41, palette::hullOlive},
        {railTop + 42, railTop + 47, palette::hullOliveLight},
        {railTop + 48, railTop + 48, palette::ink},
        {railTop + 49, 300, palette::hullBrown},
    };
    for (const Band &band : bands)
        for (int y = band.top; y <= band.bottom; ++y) {
            const int edge = bowEdgeAt(std::min(y, bowFoot.y()));
            ink::hardRect(p, edge, y, width - edge, 1, band.colour);
        }
    // The dark outline along the bow, two pixels wide.
    for (int y = railTop; y <= 300; ++y) {
        const int edge = bowEdgeAt(std::min(y, bowFoot.y()));
        ink::hardRect(p, edge, y, 2, 1, palette::ink);
    }
    // Planks in the lower hull and a shadow under the rail.
    QPen plank(palette::shadowOf(palette::hullBrown), 1.0);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(plank);
    for (int y = railTop + 58; y < 300; y += 9)
        p.drawLine(bowEdgeAt(std::min(y, bowFoot.y())) + 3, y, width, y);
    p.setPen(QPen(palette::shadowOf(palette::hullOlive), 1.0));
    p.drawLine(bowEdgeAt(railTop + 18) + 2, railTop + 18, width, railTop + 18);
    p.setPen(Qt::NoPen);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Gun ports with their cannons' black muzzles peeping out.
    for (int x : gunPorts) {
        const qreal top = railTop + 20;
        ink::outlined(p, ink::roundRect(x - 10, top - 2, 20, 20, 3), palette::wood, 1.5);
        p.fillRect(QRectF(x - 7, top + 1, 14, 14), QColor(0x2A, 0x1C, 0x12));
        ink::outlined(p, ink::ellipse(QPointF(x, top + 8), 6, 6), palette::black, 1.0);
        p.fillPath(ink::ellipse(QPointF(x, top + 8), 2.5, 2.5), QColor(0x40, 0x40, 0x48));
        p.fillPath(ink::ellipse(QPointF(x - 2.5, top + 5), 1.2, 1.2), QColor(0x70, 0x70, 0x7A));
    }
    // A gold stripe of decoration and a name board at the bow.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int x = bowEdgeAt(railTop + 44) + 4; x < width; x += 12)
        ink::hardRect(p, x, railTop + 44, 6, 1, palette::gold);
    p.setRenderHint(QPainter::Antialiasing, true);
}

void paintBoard(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = board.top; y <= board.bottom; ++y) {
        const int left = y >= board.lowRowsFrom ? board.outerEndLowRows : board.outerEnd;
        QColor colour = palette::wood;
        if (y >= board.lowRowsFrom)
            colour = palette::woodShadow;
        ink::hardRect(p, left, y, board.innerEnd - left + 1, 1, colour);
    }
    // Grain: broken lighter lines and a knot, all within the wood's own colours.
    ink::Dice dice(216);
    const int grainRows[] = {219, 222};
    for (int y : grainRows)
        for (int x = board.outerEnd + 4 + dice.below(8); x < board.innerEnd - 6; x += 14 + dice.below(18))
            ink::hardRect(p, x, y, 6 + dice.below(14), 1, palette::woodGrain);
    ink::hardRect(p, 160, 220, 4, 2, palette::woodShadow);
    ink::hardRect(p, 159, 221, 1, 1, palette::woodGrain);
    ink::hardRect(p, 164, 220, 1, 1, palette::woodGrain);
    // Outline: the rows just above and below and both ends, one pixel of ink.
    ink::hardRect(p, board.outerEnd - 1, board.top - 1, board.innerEnd - board.outerEnd + 3, 1, palette::ink);
    ink::hardRect(p, board.outerEndLowRows - 1, board.bottom + 1, bowTop.x() - board.outerEndLowRows + 1, 1, palette::ink);
    ink::hardRect(p, board.outerEnd - 1, board.top, 1, board.lowRowsFrom - board.top, palette::ink);
    ink::hardRect(p, board.outerEndLowRows - 1, board.lowRowsFrom - 1, 1, board.bottom - board.lowRowsFrom + 3,
                  palette::ink);
    ink::hardRect(p, board.innerEnd + 1, board.top - 1, 1, board.bottom - board.top + 2, palette::ink);

    // Rope lashings binding the board to the rail: twisted turns in the wood's grain and shadow tones.
    for (int centre : lashings) {
        for (int turn = 0; turn < 3; ++turn) {
            const int x0 = centre - 5 + turn * 4;
            for (int y = board.top; y <= board.bottom + 6; ++y) {
                const int x = x0 + (y - board.top) / 4;
                ink::hardRect(p, x, y, 3, 1, palette::woodGrain);
                ink::hardRect(p, x + 3, y, 1, 1, palette::woodShadow);
            }
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);
}

// One little wave mark: a crest then a trough, drawn pixel by pixel in the light wave colour.
void waveMark(QPainter &p, int x, int y, int length)
{
    static constexpr int shape[] = {2, 1, 1, 0, 0, 0, 1, 1, 2, 2, 2, 1};
    for (int i = 0; i < length; ++i)
        ink::hardRect(p, x + i, y + shape[i % 12], 1, 1, palette::waveLine);
}

void paintSea(QPainter &p)
{
    for (int x = 0; x < width; ++x) {
        const int surface = surfaceAt(x);
        ink::hardRect(p, x, surface, 1, height - surface, palette::sea);
    }
    // Wave marks in loose rows, closer together near the horizon.
    ink::Dice dice(297);
    int rowY = 302;
    int gap = 6;
    while (rowY < height - 4) {
        for (int x = -dice.below(40); x < width; x += 40 + dice.below(50))
            waveMark(p, x, rowY + dice.below(3), 8 + dice.below(5));
        rowY += gap;
        gap = std::min(gap + 3, 22);
    }
    // Foam curling at the bow where the hull meets the water.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < 5; ++i)
        waveMark(p, bowFoot.x() + 2 + i * 9, 300 + (i % 2), 9);
    p.setRenderHint(QPainter::Antialiasing, true);
}

}  // namespace

QImage seaScene()
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    paintSky(p);
    paintSun(p);
    paintClouds(p);
    paintRigging(p);
    paintMastsAndSails(p);
    paintFlags(p);
    paintCabin(p);
    paintHull(p);
    paintBoard(p);
    paintSea(p);
    p.end();
    return picture;
}

}  // namespace drawings
