// The fleet's ship, 156 x 135: a three-masted warship with a Union flag, on a teal sea under a blue sky.
//
// The roster shows it shrunk to about 126 x 97 with no smoothing, so rows and columns drop out: every
// line that matters is at least 2 px wide.
#include "Drawings.h"
#include "Ink.h"
#include "Palette.h"

#include <QPainter>

namespace drawings {

namespace {

constexpr int width = 156;
constexpr int height = 135;
constexpr qreal waterline = 104;

struct ShipMast {
    qreal x;
    qreal top;
    qreal sailHalfWidths[3];  // top to bottom
};
constexpr ShipMast shipMasts[] = {
    {46, 22, {9, 12, 15}},
    {82, 10, {11, 14, 17}},
    {116, 20, {9, 12, 14}},
};

void paintSkyAndSea(QPainter &p)
{
    for (int y = 0; y < int(waterline) - 6; ++y) {
        const qreal t = std::max<qreal>(0, qreal(y - 40) / (waterline - 46));
        ink::hardRect(p, 0, y, width, 1, ink::mix(palette::sky, palette::skyHorizon, std::min<qreal>(t, 1)));
    }
    // A cloud or two.
    QPainterPath cloud;
    for (const QPointF &c : {QPointF(14, 18), QPointF(24, 14), QPointF(32, 19)})
        cloud.addEllipse(c, 8, 6);
    cloud = ink::merged(cloud);
    ink::outlined(p, cloud, palette::sail, 1.5);
    QPainterPath cloud2;
    for (const QPointF &c : {QPointF(132, 40), QPointF(142, 36), QPointF(150, 41)})
        cloud2.addEllipse(c, 7, 5);
    ink::outlined(p, ink::merged(cloud2), palette::sail, 1.5);
}

void paintSea(QPainter &p)
{
    ink::hardRect(p, 0, int(waterline) - 6, width, height - int(waterline) + 6, palette::sea);
    ink::Dice dice(156);
    for (int y = int(waterline) - 2; y < height - 3; y += 7)
        for (int x = -dice.below(20); x < width; x += 22 + dice.below(16)) {
            QPainterPath wave;
            wave.moveTo(x, y + 2);
            wave.quadTo(x + 4, y - 1, x + 8, y + 2);
            p.strokePath(wave, QPen(palette::waveLine, 2.0, Qt::SolidLine, Qt::RoundCap));
        }
}

QPainterPath squareSail(qreal x, qreal top, qreal bottom, qreal half)
{
    QPainterPath s;
    s.moveTo(x - half, top);
    s.lineTo(x + half, top);
    s.quadTo(x + half + 2, (top + bottom) / 2, x + half - 1, bottom);
    s.quadTo(x, bottom + 3, x - half + 1, bottom);
    s.quadTo(x - half - 2, (top + bottom) / 2, x - half, top);
    return s;
}

void paintRigAndSails(QPainter &p)
{
    QPen rope(palette::ink, 1.2);
    p.setPen(rope);
    p.drawLine(QPointF(shipMasts[0].x, shipMasts[0].top + 2), QPointF(6, 74));  // forestay to the bowsprit
    p.drawLine(QPointF(shipMasts[0].x, shipMasts[0].top + 2), QPointF(shipMasts[1].x, shipMasts[1].top + 4));
    p.drawLine(QPointF(shipMasts[1].x, shipMasts[1].top + 4), QPointF(shipMasts[2].x, shipMasts[2].top + 2));
    p.drawLine(QPointF(shipMasts[2].x, shipMasts[2].top + 2), QPointF(150, 74));
    p.setPen(Qt::NoPen);
    // A jib from the fore mast to the bowsprit.
    ink::outlined(p, ink::polygon({{shipMasts[0].x - 3, shipMasts[0].top + 8}, {12, 72}, {shipMasts[0].x - 4, 72}}), palette::sail, 1.5);
    for (const ShipMast &m : shipMasts) {
        ink::outlined(p, ink::rect(m.x - 2, m.top, 4, 84 - m.top), palette::woodShadow, 1.2);
        const qreal span = (76 - m.top) / 3.0;
        for (int i = 0; i < 3; ++i) {
            const qreal top = m.top + 4 + i * span;
            const QPainterPath sail = squareSail(m.x, top, top + span - 4, m.sailHalfWidths[i]);
            p.fillPath(sail, palette::sail);
            p.save();
            p.setClipPath(sail);
            p.fillRect(QRectF(m.x + m.sailHalfWidths[i] * 0.3, top, 20, span), palette::sailShadow);
            p.restore();
            ink::outline(p, sail, 1.5);
            ink::outlined(p, ink::rect(m.x - m.sailHalfWidths[i] - 2, top - 1.5, 2 * m.sailHalfWidths[i] + 4, 3), palette::wood, 1.0);
        }
    }
}

// The Union flag, flying from the main mast's top: blue field, white and red saltires, white and red cross.
void paintUnionFlag(QPainter &p, QPointF at)
{
    const qreal w = 24;
    const qreal h = 14;
    const QRectF field(at.x(), at.y(), w, h);
    p.save();
    p.setClipRect(field);
    p.fillRect(field, QColor(0x1E, 0x2C, 0x7A));
    QPen whiteDiagonal(palette::white, 3.6);
    QPen redDiagonal(QColor(0xD0, 0x20, 0x30), 1.4);
    for (const QPen &pen : {whiteDiagonal, redDiagonal}) {
        p.setPen(pen);
        p.drawLine(field.topLeft(), field.bottomRight());
        p.drawLine(field.bottomLeft(), field.topRight());
    }
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(at.x() + w / 2 - 3, at.y(), 6, h), palette::white);
    p.fillRect(QRectF(at.x(), at.y() + h / 2 - 3, w, 6), palette::white);
    p.fillRect(QRectF(at.x() + w / 2 - 1.7, at.y(), 3.4, h), QColor(0xD0, 0x20, 0x30));
    p.fillRect(QRectF(at.x(), at.y() + h / 2 - 1.7, w, 3.4), QColor(0xD0, 0x20, 0x30));
    p.restore();
    ink::outline(p, ink::rect(field.x(), field.y(), w, h), 1.2);
}

void paintHull(QPainter &p)
{
    // Bowsprit first, then the hull: raised at the stern, with a red band and a row of gun ports.
    ink::outlined(p, ink::polygon({{22, 80}, {2, 70}, {3, 68}, {24, 77}}), palette::wood, 1.2);
    QPainterPath hull;
    hull.moveTo(14, 78);
    hull.quadTo(60, 86, 112, 80);
    hull.lineTo(128, 74);
    hull.lineTo(148, 70);
    hull.lineTo(150, 80);
    hull.quadTo(146, 102, 128, 110);
    hull.lineTo(36, 110);
    hull.quadTo(20, 96, 14, 78);
    hull.closeSubpath();
    p.fillPath(hull, palette::hullBrown);
    p.save();
    p.setClipPath(hull);
    QPainterPath band;
    band.moveTo(0, 88);
    band.quadTo(70, 96, 160, 84);
    band.lineTo(160, 92);
    band.quadTo(70, 104, 0, 96);
    band.closeSubpath();
    p.fillPath(band, palette::coat);
    QPainterPath upper;
    upper.moveTo(0, 76);
    upper.quadTo(70, 86, 160, 70);
    upper.lineTo(160, 84);
    upper.quadTo(70, 96, 0, 88);
    upper.closeSubpath();
    p.fillPath(upper, palette::wood);
    p.restore();
    ink::outline(p, hull, 1.8);
    // Black gun ports along the red band.
    for (qreal x = 34; x < 138; x += 13) {
        const qreal y = 90 + (x - 80) * (x - 80) * 0.0009 - (x > 110 ? (x - 110) * 0.12 : 0);
        p.fillRect(QRectF(x - 2.5, y, 5, 4.5), palette::black);
    }
    // Stern windows in gold.
    for (qreal x : {133.0, 139.0, 145.0})
        ink::outlined(p, ink::rect(x - 1.5, 76, 3.5, 4), palette::gold, 1.0);
    // The stern lantern.
    ink::outlined(p, ink::roundRect(146, 62, 4, 6, 1.5), palette::gold, 1.0);
}

}  // namespace

QImage ship()
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    paintSkyAndSea(p);
    paintRigAndSails(p);
    paintUnionFlag(p, QPointF(shipMasts[1].x + 2, shipMasts[1].top - 8));
    paintHull(p);
    paintSea(p);
    p.end();
    return picture;
}

}  // namespace drawings
