// Painted capitals for the title and the OK button, drawn as thick strokes so no font is needed.
#include "Lettering.h"

#include <QTransform>

namespace lettering {

Glyph glyph(QChar letter)
{
    QPainterPath p;
    qreal advance = 8.6;
    switch (letter.toLatin1()) {
    case 'A':
        p.moveTo(0.8, 9.2);
        p.lineTo(4.3, 0.8);
        p.lineTo(7.8, 9.2);
        p.moveTo(2.3, 6.2);
        p.lineTo(6.3, 6.2);
        break;
    case 'C':
        p.moveTo(7.6, 2.3);
        p.cubicTo(6.2, 0.2, 1.0, 0.0, 1.0, 5.0);
        p.cubicTo(1.0, 10.0, 6.2, 9.8, 7.6, 7.7);
        break;
    case 'E':
        p.moveTo(7.0, 0.8);
        p.lineTo(1.2, 0.8);
        p.lineTo(1.2, 9.2);
        p.lineTo(7.0, 9.2);
        p.moveTo(1.2, 5.0);
        p.lineTo(5.8, 5.0);
        advance = 8.0;
        break;
    case 'I':
        p.moveTo(1.4, 0.8);
        p.lineTo(1.4, 9.2);
        advance = 3.0;
        break;
    case 'K':
        p.moveTo(1.2, 0.8);
        p.lineTo(1.2, 9.2);
        p.moveTo(7.4, 0.8);
        p.lineTo(1.5, 5.8);
        p.moveTo(3.5, 4.3);
        p.lineTo(7.7, 9.2);
        break;
    case 'L':
        p.moveTo(1.2, 0.8);
        p.lineTo(1.2, 9.2);
        p.lineTo(7.0, 9.2);
        advance = 7.6;
        break;
    case 'O':
        p.addEllipse(QPointF(4.6, 5.0), 3.7, 4.25);
        advance = 9.2;
        break;
    case 'S':
        p.moveTo(7.4, 2.2);
        p.cubicTo(6.4, 0.4, 1.4, 0.2, 1.3, 2.8);
        p.cubicTo(1.2, 5.1, 7.7, 4.6, 7.6, 7.2);
        p.cubicTo(7.5, 9.8, 2.2, 9.9, 1.0, 7.8);
        advance = 8.8;
        break;
    case 'W':
        p.moveTo(0.6, 0.8);
        p.lineTo(2.7, 9.2);
        p.lineTo(5.0, 3.2);
        p.lineTo(7.3, 9.2);
        p.lineTo(9.4, 0.8);
        advance = 10.0;
        break;
    case 'Y':
        p.moveTo(0.8, 0.8);
        p.lineTo(4.2, 5.0);
        p.lineTo(7.6, 0.8);
        p.moveTo(4.2, 5.0);
        p.lineTo(4.2, 9.2);
        advance = 8.4;
        break;
    default:
        return {};
    }
    return {p, advance};
}

QList<Placed> layout(const QString &text, QPointF origin, qreal scale, qreal gap)
{
    QList<Placed> placed;
    qreal x = 0;
    for (QChar c : text) {
        const Glyph g = glyph(c);
        QTransform t;
        t.translate(origin.x() + x * scale, origin.y());
        t.scale(scale, scale);
        placed.append({t.map(g.centre), t.map(QPointF(g.advance / 2, 5.0))});
        x += g.advance + gap;
    }
    return placed;
}

qreal width(const QString &text, qreal scale, qreal gap)
{
    qreal x = 0;
    for (QChar c : text)
        x += glyph(c).advance + gap;
    return (x - gap) * scale;
}

}  // namespace lettering
