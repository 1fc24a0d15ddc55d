// The pirate's compositor: restores the scene under the old cell, then mask AND and sprite XOR.
#include "sprite/Compositor.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr QImage::Format pixelFormat = QImage::Format_RGB32;
constexpr std::uint32_t opaque = 0xFF000000;
constexpr std::uint64_t twoOpaque = (std::uint64_t(opaque) << 32) | opaque;

QImage inPixelFormat(const QImage &image)
{
    return image.format() == pixelFormat ? image : image.convertToFormat(pixelFormat);
}

// A half-open span along one axis. Places and frames may be anywhere in int's range, so the
// clipping arithmetic runs in 64 bits where nothing can overflow.
struct Span {
    std::int64_t begin, end;
    Span clippedTo(Span other) const { return {std::max(begin, other.begin), std::min(end, other.end)}; }
    bool empty() const { return end <= begin; }
};

QRect rectFrom(Span xs, Span ys)
{
    if (xs.empty() || ys.empty())
        return {};
    return QRect(int(xs.begin), int(ys.begin), int(xs.end - xs.begin), int(ys.end - ys.begin));
}

QRect cellOnCanvas(QPoint place, QRect area)
{
    const Span xs = Span{place.x(), std::int64_t(place.x()) + Compositor::cellWidth}.clippedTo(
        {area.left(), std::int64_t(area.left()) + area.width()});
    const Span ys = Span{place.y(), std::int64_t(place.y()) + Compositor::cellHeight}.clippedTo(
        {area.top(), std::int64_t(area.top()) + area.height()});
    return rectFrom(xs, ys);
}

// Copies the background into the canvas over `rect`, which lies inside both.
void restore(QImage &canvas, const QImage &background, QRect rect)
{
    if (rect.isEmpty())
        return;
    const qsizetype rowBytes = qsizetype(rect.width()) * 4;
    const qsizetype toStride = canvas.bytesPerLine();
    const qsizetype fromStride = background.bytesPerLine();
    uchar *to = canvas.bits() + rect.top() * toStride + rect.left() * 4;
    const uchar *from = background.constBits() + rect.top() * fromStride + rect.left() * 4;
    if (toStride == fromStride && rowBytes == toStride) {
        std::memcpy(to, from, rowBytes * rect.height());
        return;
    }
    for (int row = 0; row < rect.height(); ++row, to += toStride, from += fromStride)
        std::memcpy(to, from, rowBytes);
}

// The mask AND and the sprite XOR of one row of a cell in one pass, two pixels to a 64-bit word:
// the operations are bitwise, so a word gives what two pixels one by one give, at half the cost.
// The XOR of two opaque pixels clears the alpha byte, so it is set again: the canvas stays opaque.
void transferRow(std::uint32_t *to, const std::uint32_t *mask, const std::uint32_t *sprite, int count)
{
    int column = 0;
    for (; column + 2 <= count; column += 2) {
        std::uint64_t t, m, s;
        std::memcpy(&t, to + column, 8);
        std::memcpy(&m, mask + column, 8);
        std::memcpy(&s, sprite + column, 8);
        t = ((t & m) ^ s) | twoOpaque;
        std::memcpy(to + column, &t, 8);
    }
    for (; column < count; ++column)
        to[column] = ((to[column] & mask[column]) ^ sprite[column]) | opaque;
}

}  // namespace

Compositor::Compositor(const QImage &spriteSheet, const QImage &maskSheet)
    : sprite_(inPixelFormat(spriteSheet)), mask_(inPixelFormat(maskSheet))
{
    // Drawing reads both sheets over the same cell, so only the part they both cover counts. Sheets
    // of one size, as the game's are, are read where they are, not copied.
    const QSize shared = sprite_.size().boundedTo(mask_.size());
    if (sprite_.size() != shared)
        sprite_ = sprite_.copy(QRect(QPoint(0, 0), shared));
    if (mask_.size() != shared)
        mask_ = mask_.copy(QRect(QPoint(0, 0), shared));
}

QRect Compositor::moveIt(QImage &canvas, const QImage &background, QPoint place, QPoint frame)
{
    if (canvas.isNull() || &canvas == &background)
        return {};
    if (canvas.format() != pixelFormat)
        canvas.convertTo(pixelFormat);
    if (!stillKnows(canvas, background))
        return moveItFull(canvas, background, place, frame);

    const QImage scene = inPixelFormat(background);
    const QRect area = canvas.rect() & scene.rect();
    const QRect previous = known_.drawnCell;
    // Outside the previous cell the canvas already shows the scene, so restoring that cell alone
    // leaves what a whole restore would.
    restore(canvas, scene, previous);
    const QRect drawn = drawCell(canvas, area, place, frame);
    remember(canvas, background, drawn);
    return previous | drawn;
}

QRect Compositor::moveItFull(QImage &canvas, const QImage &background, QPoint place, QPoint frame)
{
    if (canvas.isNull() || &canvas == &background)
        return {};
    if (canvas.format() != pixelFormat)
        canvas.convertTo(pixelFormat);
    const QImage scene = inPixelFormat(background);
    const QRect area = canvas.rect() & scene.rect();
    restore(canvas, scene, area);
    remember(canvas, background, drawCell(canvas, area, place, frame));
    return area;
}

// ANDs the mask cell and XORs the sprite cell into the canvas in one pass over each pixel, which
// gives what the two transfers one after the other give. Returns the cell clipped to `area`; the
// part of a cell that lies beyond the sheets is empty and changes nothing.
QRect Compositor::drawCell(QImage &canvas, QRect area, QPoint place, QPoint frame) const
{
    const QRect cell = cellOnCanvas(place, area);
    if (cell.isEmpty())
        return {};
    // The sheets, placed on the canvas the way this frame puts them.
    const std::int64_t sheetLeft = std::int64_t(place.x()) - frame.x();
    const std::int64_t sheetTop = std::int64_t(place.y()) - frame.y();
    const QRect target = rectFrom(
        Span{cell.left(), std::int64_t(cell.left()) + cell.width()}.clippedTo({sheetLeft, sheetLeft + mask_.width()}),
        Span{cell.top(), std::int64_t(cell.top()) + cell.height()}.clippedTo({sheetTop, sheetTop + mask_.height()}));
    if (target.isEmpty())
        return cell;

    const int sourceLeft = int(target.left() - sheetLeft);
    const int sourceTop = int(target.top() - sheetTop);
    const qsizetype canvasStride = canvas.bytesPerLine(), sheetStride = mask_.bytesPerLine();
    uchar *canvasRow = canvas.bits() + target.top() * canvasStride + target.left() * 4;
    const qsizetype sheetOffset = sourceTop * sheetStride + sourceLeft * 4;
    const uchar *maskRow = mask_.constBits() + sheetOffset;
    const uchar *spriteRow = sprite_.constBits() + sheetOffset;
    for (int row = 0; row < target.height(); ++row) {
        transferRow(reinterpret_cast<std::uint32_t *>(canvasRow), reinterpret_cast<const std::uint32_t *>(maskRow),
                    reinterpret_cast<const std::uint32_t *>(spriteRow), target.width());
        canvasRow += canvasStride;
        maskRow += sheetStride;
        spriteRow += sheetStride;
    }
    return cell;
}

bool Compositor::stillKnows(const QImage &canvas, const QImage &background) const
{
    return known_.canvasBits != nullptr && known_.canvasBits == canvas.constBits()
        && known_.canvasSize == canvas.size() && known_.backgroundBits == background.constBits()
        && known_.backgroundSize == background.size();
}

void Compositor::remember(const QImage &canvas, const QImage &background, QRect drawnCell)
{
    known_ = {canvas.constBits(), background.constBits(), canvas.size(), background.size(), drawnCell};
}
