// The title window's OK picture, 76 x 76: white O and K on dark blue, a parrot perched beside them.
#include "Drawings.h"
#include "Ink.h"
#include "Lettering.h"
#include "Palette.h"

#include <QPainter>

namespace drawings {

namespace {

void paintLetters(QPainter &p)
{
    const QList<lettering::Placed> letters = lettering::layout(QStringLiteral("OK"), QPointF(2.5, 33), 2.7, 0.6);
    for (const lettering::Placed &letter : letters) {
        const QPainterPath body = ink::stroke(letter.centre, 2.1 * 2.7);
        p.fillPath(body.translated(1.5, 2), QColor(0x0A, 0x0F, 0x30));  // a shadow to lift them off the ground
        ink::outlined(p, body, palette::white, 1.5);
    }
}

void paintParrot(QPainter &p)
{
    // Perch, tail, body, wing, head, face, beak, feet: back to front.
    ink::outlined(p, ink::roundRect(38, 62, 40, 6, 3), palette::wood, 1.5);
    p.fillRect(QRectF(44, 65, 30, 1.2), palette::woodShadow);
    QPainterPath tail;
    tail.moveTo(58, 52);
    tail.lineTo(66, 76);
    tail.lineTo(72, 76);
    tail.lineTo(67, 50);
    tail.closeSubpath();
    ink::outlined(p, tail, palette::parrotBlue, 1.5);
    ink::outlined(p, ink::polygon({{61, 54}, {62, 77}, {66, 77}, {65, 53}}), palette::parrotRed, 1.5);

    QPainterPath body = ink::ellipse(QPointF(60, 44), 10.5, 15);
    ink::outlined(p, body, palette::parrotGreen, 1.8);
    p.fillPath(ink::ellipse(QPointF(56, 46), 4, 8), QColor(0x6C, 0xD0, 0x5C));  // a lighter breast
    QPainterPath wing;
    wing.moveTo(62, 32);
    wing.quadTo(73, 34, 72, 52);
    wing.quadTo(70, 60, 64, 62);
    wing.quadTo(62, 48, 62, 32);
    ink::outlined(p, wing, palette::parrotBlue, 1.5);
    for (qreal y : {45.0, 51.0, 57.0}) {
        QPainterPath feather;
        feather.moveTo(63.5, y);
        feather.quadTo(68, y + 1, 71, y - 2);
        p.strokePath(feather, QPen(palette::ink, 1.0, Qt::SolidLine, Qt::RoundCap));
    }

    ink::outlined(p, ink::ellipse(QPointF(57, 22), 10, 9.5), palette::parrotRed, 1.8);
    p.fillPath(ink::ellipse(QPointF(59, 17), 4, 2.4), QColor(0xF0, 0x60, 0x50));
    ink::outlined(p, ink::ellipse(QPointF(52.5, 22), 4.6, 4.2), palette::white, 1.0);
    p.fillPath(ink::ellipse(QPointF(52, 22), 2.2, 2.4), palette::ink);
    p.fillPath(ink::ellipse(QPointF(52.8, 21), 0.8, 0.8), palette::white);

    // The hooked beak, pale above and dark below, curling down over the K.
    QPainterPath upper;
    upper.moveTo(49, 19.5);
    upper.cubicTo(44, 18, 39.5, 22, 41, 30);
    upper.cubicTo(42.5, 27, 45, 26, 48.5, 27.5);
    upper.closeSubpath();
    ink::outlined(p, upper, QColor(0xF2, 0xE6, 0xC8), 1.5);
    QPainterPath lower;
    lower.moveTo(48.5, 27.5);
    lower.quadTo(45, 27, 44, 29.5);
    lower.quadTo(47, 31.5, 50, 29.5);
    lower.closeSubpath();
    ink::outlined(p, lower, QColor(0x4A, 0x4A, 0x55), 1.2);

    for (qreal x : {55.0, 61.0})
        ink::outlined(p, ink::roundRect(x, 58, 4.5, 6, 2), QColor(0x9A, 0x8A, 0x80), 1.2);
}

}  // namespace

QImage okPicture()
{
    QImage picture(76, 76, QImage::Format_RGB32);
    picture.fill(palette::nightBlue);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    // A few faint stars in the dark blue.
    for (const QPointF &star : {QPointF(8, 8), QPointF(22, 14), QPointF(36, 6), QPointF(12, 24), QPointF(30, 22)})
        p.fillPath(ink::ellipse(star, 0.9, 0.9), QColor(0x8C, 0x9C, 0xE0));
    paintLetters(p);
    paintParrot(p);
    p.end();
    return picture;
}

}  // namespace drawings
