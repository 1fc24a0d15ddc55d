// The pirate's twelve cells on one transparent sheet; the render tool derives the sprite and mask sheets.
#include "Drawings.h"
#include "Pirate.h"
#include "SheetLayout.h"

#include <QPainter>

namespace drawings {

namespace {

using pirate::FallPose;
using pirate::WalkPose;

// Three steps of one walk, drawn facing left: near leg forward, legs passing, far leg forward.
// An ankle at row 76 puts the sole on the cell's last row.
constexpr WalkPose walk[] = {
    {{18.5, 66.5}, {14.5, 76}, {32, 66.5}, {35.5, 76}, {36, 52}, {13, 51}, 0},
    {{23, 66.5}, {24, 76}, {32.5, 64}, {30, 72}, {29, 56}, {21, 55}, -1},
    {{31.5, 66.5}, {35, 76}, {19.5, 66.5}, {15, 76}, {13, 51}, {35, 52}, 0},
};

// The fall: the water stays at the same place on the screen while the cells are drawn lower and
// lower (6 px a frame), so the waterline climbs 6 rows a cell while the figure sinks into it.
constexpr FallPose fall[] = {
    {0, -1, 0, true},     // whole body, splash below
    {-1, 64, 17, true},   // sunk to mid-thigh
    {7, 58, 18, true},    // to the waist
    {10, 52, 19, true},   // head, shoulders and hands
    {16, 46, 16, false},  // eyes and hat
    {22, 40, 15, false},  // hat only
};

}  // namespace

QImage pirateSheet()
{
    QImage picture(sheet::width, sheet::height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);

    auto inCell = [&p](int column, int row, auto draw) {
        p.save();
        p.translate(sheet::columns[column], sheet::rows[row]);
        p.setClipRect(0, 0, sheet::cellWidth, sheet::cellHeight);
        draw();
        p.restore();
    };
    for (int phase = 0; phase < 3; ++phase) {
        inCell(phase, sheet::walkTowardsEnd,
               [&] { pirate::drawWalking(p, walk[phase], pirate::Facing::left, pirate::Mood::frowning); });
        inCell(phase, sheet::walkBack,
               [&] { pirate::drawWalking(p, walk[phase], pirate::Facing::right, pirate::Mood::smiling); });
        inCell(phase, sheet::fallAbove, [&] { pirate::drawFalling(p, fall[phase]); });
        inCell(phase, sheet::fallBelow, [&] { pirate::drawFalling(p, fall[3 + phase]); });
    }
    p.end();
    return picture;
}

}  // namespace drawings
