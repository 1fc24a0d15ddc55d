// Small drawing helpers shared by every picture: outlined shapes, limbs, a repeatable dice.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <cstdint>
#include <initializer_list>

namespace ink {

// The outline widths of the style: 2 px round large shapes, 1 px round small details.
inline constexpr qreal bold = 2.0;
inline constexpr qreal fine = 1.0;

// Fills a shape and draws the dark outline over its edge.
void outlined(QPainter &p, const QPainterPath &shape, const QColor &fill, qreal outline = bold);
// Draws only the dark outline of a shape.
void outline(QPainter &p, const QPainterPath &shape, qreal width = bold);

// The filled outline of a thick stroke through the points, with round ends: arms, legs, ropes.
QPainterPath stroke(std::initializer_list<QPointF> points, qreal width);
QPainterPath stroke(const QPainterPath &centre, qreal width, Qt::PenCapStyle cap = Qt::RoundCap);

// Overlapping shapes added to one path (puffs of a cloud, curls of hair) merged into one outline.
QPainterPath merged(QPainterPath shapes);

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry);
QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath rect(qreal x, qreal y, qreal w, qreal h);
QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal radius);

// Pixel-exact filled rectangle with no smoothing: for the edges the game measures.
void hardRect(QPainter &p, int x, int y, int w, int h, const QColor &c);

// A small repeatable random source, so every render of a picture is the same.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    std::uint32_t next();
    int below(int n) { return int(next() % std::uint32_t(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    qreal unit() { return qreal(next() % 100000u) / 100000.0; }

private:
    std::uint32_t state_;
};

QColor mix(const QColor &a, const QColor &b, qreal t);

}  // namespace ink
