// Painted capitals for the title and the OK button, drawn as thick strokes so no font is needed.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QString>

namespace lettering {

// The centre lines of a capital in a box 10 units tall, and how far the pen moves on after it.
struct Glyph {
    QPainterPath centre;
    qreal advance = 0;
};

// One of the letters the game paints (A C E I K L O S W Y); an empty glyph for any other.
Glyph glyph(QChar letter);

// The letters of `text` laid out from `origin` (top-left) at `scale` pixels per unit, `gap` units apart.
// Each letter's centre line, separately, so a caller can tilt or colour them one by one.
struct Placed {
    QPainterPath centre;  // already scaled and placed
    QPointF middle;       // the middle of the letter's box, for tilting it
};
QList<Placed> layout(const QString &text, QPointF origin, qreal scale, qreal gap);
qreal width(const QString &text, qreal scale, qreal gap);

}  // namespace lettering
