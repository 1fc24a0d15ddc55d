// Small drawing helpers shared by every picture.
#include "Ink.h"

#include "Palette.h"

#include <QPainterPathStroker>

namespace ink {

void outlined(QPainter &p, const QPainterPath &shape, const QColor &fill, qreal width)
{
    p.fillPath(shape, fill);
    outline(p, shape, width);
}

void outline(QPainter &p, const QPainterPath &shape, qreal width)
{
    QPen pen(palette::ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(shape, pen);
}

QPainterPath stroke(std::initializer_list<QPointF> points, qreal width)
{
    QPainterPath centre;
    bool first = true;
    for (const QPointF &pt : points) {
        if (first)
            centre.moveTo(pt);
        else
            centre.lineTo(pt);
        first = false;
    }
    return stroke(centre, width);
}

QPainterPath stroke(const QPainterPath &centre, qreal width, Qt::PenCapStyle cap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centre).simplified();
}

QPainterPath merged(QPainterPath shapes)
{
    // Winding fill: where shapes overlap they add up instead of cancelling out.
    shapes.setFillRule(Qt::WindingFill);
    return shapes.simplified();
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath rect(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(x, y, w, h, radius, radius);
    return path;
}

void hardRect(QPainter &p, int x, int y, int w, int h, const QColor &c)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(x, y, w, h), c);
    p.restore();
}

std::uint32_t Dice::next()
{
    // xorshift32: tiny, fast and the same on every machine.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    auto lerp = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()));
}

}  // namespace ink
