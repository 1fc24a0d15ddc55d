// The reward certificate, 800 x 600: an old parchment on a dark olive ground, with no text on it.
//
// The certificate window's labels lie over the middle (x 72 to 697, y 96 to 465), so the ornaments keep
// to the corners: anchors at the top, a compass rose at the lower left, a wax seal at the lower right.
#include "Drawings.h"
#include "Ink.h"
#include "Palette.h"

#include <QPainter>
#include <QtMath>
#include <cmath>

namespace drawings {

namespace {

constexpr int width = 800;
constexpr int height = 600;
constexpr QRectF sheet{45, 64, 683, 459};  // x 45 to 728, y 64 to 523

// Smooth repeatable noise in 0..1: values on a lattice, blended between the corners.
qreal hash01(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return qreal((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

qreal valueNoise(qreal x, qreal y, std::uint32_t seed)
{
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    const qreal fx = x - x0;
    const qreal fy = y - y0;
    auto smooth = [](qreal t) { return t * t * (3 - 2 * t); };
    const qreal a = hash01(x0, y0, seed), b = hash01(x0 + 1, y0, seed);
    const qreal c = hash01(x0, y0 + 1, seed), d = hash01(x0 + 1, y0 + 1, seed);
    const qreal top = a + (b - a) * smooth(fx);
    const qreal bottom = c + (d - c) * smooth(fx);
    return top + (bottom - top) * smooth(fy);
}

// The sheet's torn outline: the rectangle's edges wander a few pixels in and out, the corners dog-eared.
QPainterPath raggedSheet()
{
    ink::Dice dice(1805);
    QPainterPath edge;
    const QPointF corners[] = {sheet.topLeft(), sheet.topRight(), sheet.bottomRight(), sheet.bottomLeft()};
    for (int side = 0; side < 4; ++side) {
        const QPointF from = corners[side];
        const QPointF to = corners[(side + 1) % 4];
        const QPointF along = to - from;
        const qreal length = std::hypot(along.x(), along.y());
        const QPointF inward = QPointF(-along.y(), along.x()) / length;
        for (qreal s = 8; s < length - 8; s += 5 + dice.below(6)) {
            qreal bite = (dice.unit() - 0.5) * 4.0;
            if (dice.below(23) == 0)
                bite += 4 + dice.below(5);  // now and then a small tear
            const QPointF pt = from + along * (s / length) + inward * bite;
            if (edge.elementCount() == 0)
                edge.moveTo(pt);
            else
                edge.lineTo(pt);
        }
        // Round off the corner a little.
        const QPointF nextAlong = corners[(side + 2) % 4] - to;
        edge.quadTo(to, to + nextAlong * (8.0 / std::hypot(nextAlong.x(), nextAlong.y())));
    }
    edge.closeSubpath();
    return edge;
}

// Old stains: a few soft blotches with wavering rims, darkest at the rim like dried water marks.
struct Stain {
    qreal x, y, radius, strength;
};
constexpr Stain stains[] = {
    {150, 170, 38, 0.30}, {540, 110, 26, 0.22}, {410, 480, 44, 0.26}, {690, 300, 30, 0.28},
    {250, 420, 22, 0.18}, {80, 250, 20, 0.22},  {470, 250, 55, 0.12}, {330, 120, 18, 0.16},
};

qreal stainAt(int x, int y)
{
    qreal amount = 0;
    for (const Stain &s : stains) {
        const qreal wobble = 1 + (valueNoise(x / 9.0, y / 9.0, 23) - 0.5) * 0.35;
        const qreal d = std::hypot(x - s.x, y - s.y) / (s.radius * wobble);
        if (d < 1)
            amount += s.strength * 0.8 * (0.45 + 0.55 * std::pow(d, 4));  // a paler middle, a darker rim
    }
    return std::min<qreal>(amount, 0.5);
}

void paintParchment(QPainter &p, const QPainterPath &edge)
{
    // Tone pixel by pixel: lighter in the middle, darker to the edges, with soft stains.
    QImage tone(width, height, QImage::Format_ARGB32_Premultiplied);
    tone.fill(Qt::transparent);
    const QPointF centre = sheet.center();
    for (int y = int(sheet.top()) - 6; y < int(sheet.bottom()) + 6; ++y) {
        auto *line = reinterpret_cast<QRgb *>(tone.scanLine(y));
        for (int x = int(sheet.left()) - 6; x < int(sheet.right()) + 6; ++x) {
            const qreal dx = (x - centre.x()) / (sheet.width() / 2);
            const qreal dy = (y - centre.y()) / (sheet.height() / 2);
            const qreal towardsEdge = std::clamp<qreal>(std::pow(std::max(std::abs(dx), std::abs(dy)), 6.0), 0, 1);
            const qreal cloudy = valueNoise(x / 90.0, y / 90.0, 3) * 0.65 + valueNoise(x / 31.0, y / 31.0, 5) * 0.35;
            const qreal t = towardsEdge * 0.9 + cloudy * 0.35;
            QColor c = ink::mix(palette::parchmentLight, palette::parchmentDark, std::clamp<qreal>(t, 0, 1));
            c = ink::mix(c, palette::parchmentStain, stainAt(x, y));
            // A fine grain, a step of tone at most.
            const qreal grain = hash01(x, y, 17) - 0.5;
            c = QColor(std::clamp(int(c.red() + grain * 8), 0, 255), std::clamp(int(c.green() + grain * 8), 0, 255),
                       std::clamp(int(c.blue() + grain * 6), 0, 255));
            line[x] = c.rgb();
        }
    }
    p.save();
    p.setClipPath(edge);
    p.drawImage(0, 0, tone);
    p.restore();
}

// Fine crackle: short, wandering hairline cracks a shade darker than the paper.
void paintCrackle(QPainter &p, const QPainterPath &edge)
{
    ink::Dice dice(528);
    p.save();
    p.setClipPath(edge);
    QPen crack(QColor(0xB8, 0x9A, 0x5A, 70), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(crack);
    p.setBrush(Qt::NoBrush);
    for (int n = 0; n < 260; ++n) {
        QPointF at(sheet.left() + dice.unit() * sheet.width(), sheet.top() + dice.unit() * sheet.height());
        qreal heading = dice.unit() * 2 * M_PI;
        QPainterPath path;
        path.moveTo(at);
        const int steps = 3 + dice.below(6);
        for (int s = 0; s < steps; ++s) {
            heading += (dice.unit() - 0.5) * 1.4;
            at += QPointF(std::cos(heading), std::sin(heading)) * (4 + dice.below(7));
            path.lineTo(at);
        }
        p.drawPath(path);
    }
    // Two old coffee-cup rings, faint.
    p.setPen(QPen(QColor(0xB8, 0x9A, 0x5A, 80), 2.2));
    p.drawEllipse(QPointF(640, 150), 34, 31);
    p.setPen(QPen(QColor(0xB8, 0x9A, 0x5A, 55), 1.4));
    p.drawEllipse(QPointF(120, 300), 26, 24);
    p.restore();
}

void paintEdge(QPainter &p, const QPainterPath &edge)
{
    // A burnt, darker rim just inside the torn edge, then the dark ragged outline.
    p.save();
    p.setClipPath(edge);
    p.strokePath(edge, QPen(QColor(0x9A, 0x7A, 0x40, 150), 9));
    p.strokePath(edge, QPen(QColor(0x7A, 0x5C, 0x2C, 170), 4));
    p.restore();
    p.strokePath(edge, QPen(palette::parchmentEdge, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void paintBorder(QPainter &p)
{
    // A double rule inside the edge, in faded ink.
    const QColor faded(0x8A, 0x6A, 0x3A, 170);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(faded, 2.0));
    p.drawRoundedRect(sheet.adjusted(18, 18, -18, -18), 10, 10);
    p.setPen(QPen(faded, 1.0));
    p.drawRoundedRect(sheet.adjusted(23, 23, -23, -23), 7, 7);
    p.setPen(Qt::NoPen);
}

void anchor(QPainter &p, QPointF top, qreal size)
{
    const QColor faded(0x6A, 0x50, 0x28, 200);
    QPen pen(faded, size * 0.09, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(top + QPointF(0, size * 0.08), size * 0.09, size * 0.09);
    p.drawLine(top + QPointF(0, size * 0.17), top + QPointF(0, size * 0.95));
    p.drawLine(top + QPointF(-size * 0.25, size * 0.32), top + QPointF(size * 0.25, size * 0.32));
    QPainterPath arm;
    arm.moveTo(top + QPointF(-size * 0.42, size * 0.62));
    arm.quadTo(top + QPointF(-size * 0.35, size * 0.98), top + QPointF(0, size * 0.95));
    arm.quadTo(top + QPointF(size * 0.35, size * 0.98), top + QPointF(size * 0.42, size * 0.62));
    p.drawPath(arm);
    p.setPen(Qt::NoPen);
    p.setBrush(faded);
    for (int side : {-1, 1})
        p.drawPolygon(QPolygonF({top + QPointF(side * size * 0.42, size * 0.52), top + QPointF(side * size * 0.5, size * 0.7),
                                 top + QPointF(side * size * 0.33, size * 0.66)}));
    p.setBrush(Qt::NoBrush);
}

void compassRose(QPainter &p, QPointF c, qreal r)
{
    const QColor dark(0x6A, 0x50, 0x28, 210);
    const QColor light(0xC8, 0xA8, 0x68, 220);
    p.setPen(QPen(dark, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.72, r * 0.72);
    p.drawEllipse(c, r * 0.62, r * 0.62);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        const qreal len = i % 2 ? r * 0.6 : r;
        const QPointF tip = c + QPointF(std::sin(a), -std::cos(a)) * len;
        const QPointF left = c + QPointF(std::sin(a - M_PI / 2), -std::cos(a - M_PI / 2)) * (r * 0.13);
        const QPointF right = c + QPointF(std::sin(a + M_PI / 2), -std::cos(a + M_PI / 2)) * (r * 0.13);
        p.setPen(QPen(dark, 1.0));
        p.setBrush(dark);
        p.drawPolygon(QPolygonF({c, left, tip}));
        p.setBrush(light);
        p.drawPolygon(QPolygonF({c, right, tip}));
    }
    // N for north, drawn with strokes.
    const QPointF n = c + QPointF(-3.5, -r - 14);
    p.setPen(QPen(dark, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPolyline(QPolygonF({n + QPointF(0, 9), n, n + QPointF(7, 9), n + QPointF(7, 0)}));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
}

void waxSeal(QPainter &p, QPointF c)
{
    // Two ribbon tails, the blob of wax with a raised rim and an anchor pressed into it.
    const QColor ribbon(0x2A, 0x3A, 0x8A);
    for (int side : {-1, 1}) {
        QPainterPath tail;
        tail.moveTo(c + QPointF(side * 6, 10));
        tail.lineTo(c + QPointF(side * 26, 58));
        tail.lineTo(c + QPointF(side * 17, 52));
        tail.lineTo(c + QPointF(side * 12, 62));
        tail.lineTo(c + QPointF(side * -4, 14));
        tail.closeSubpath();
        ink::outlined(p, tail, ribbon, 1.5);
    }
    QPainterPath blob;
    for (int i = 0; i < 14; ++i) {
        const qreal a = i * 2 * M_PI / 14;
        const qreal r = 30 + (i % 2 ? 3 : -1);
        blob.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * (r - 8), 9, 9);
    }
    blob.addEllipse(c, 28, 28);
    blob = ink::merged(blob);
    ink::outlined(p, blob, palette::coat, 2.0);
    ink::outlined(p, ink::ellipse(c, 21, 21), palette::coatShadow, 1.0);
    p.fillPath(ink::ellipse(c, 19, 19), palette::coat);
    p.fillPath(ink::ellipse(c + QPointF(-12, -14), 5, 3), QColor(0xE0, 0x60, 0x60));
    QPen pressed(palette::coatShadow, 2.6, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pressed);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c + QPointF(0, -11), 2.6, 2.6);
    p.drawLine(c + QPointF(0, -8), c + QPointF(0, 12));
    p.drawLine(c + QPointF(-6, -4), c + QPointF(6, -4));
    QPainterPath arm;
    arm.moveTo(c + QPointF(-11, 4));
    arm.quadTo(c + QPointF(-9, 13), c + QPointF(0, 12));
    arm.quadTo(c + QPointF(9, 13), c + QPointF(11, 4));
    p.drawPath(arm);
    p.setPen(Qt::NoPen);
}

}  // namespace

QImage certificate()
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(palette::certificateGround);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    const QPainterPath edge = raggedSheet();
    // A soft shadow under the sheet, then the sheet itself.
    p.fillPath(edge.translated(5, 6), QColor(0x2A, 0x26, 0x06));
    paintParchment(p, edge);
    paintCrackle(p, edge);
    paintBorder(p);
    anchor(p, QPointF(92, 92), 44);
    anchor(p, QPointF(681, 92), 44);
    compassRose(p, QPointF(112, 448), 34);
    waxSeal(p, QPointF(650, 455));
    paintEdge(p, edge);
    p.end();
    return picture;
}

}  // namespace drawings
