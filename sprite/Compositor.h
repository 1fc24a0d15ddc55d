// The pirate's compositor: wipes the pirate drawn last and draws one sheet cell onto the canvas.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// Draws one 50 x 84 cell of the sheets onto a canvas over its background scene, the classic way:
// the mask cell ANDed in (black where the pirate is, white elsewhere), then the sprite cell XORed
// in. Nothing outside the cell is ever drawn, and any place or frame is clipped safely.
//
// The canvas holds the background plus the one pirate this compositor drew, so moveIt repairs just
// the previous cell and draws the new one; the picture is pixel-identical to moveItFull, which
// copies the whole background first. Canvas and background are meant to be the same size; where
// they differ, only the area both cover is ever read or written. A canvas that is the background
// itself is left alone: drawing there would leave a pirate in the scene for good.
class Compositor {
public:
    static constexpr int cellWidth = 50;
    static constexpr int cellHeight = 84;

    // The sheets share one layout, cell for cell; a missing sheet (a null image) draws nothing.
    Compositor(const QImage &spriteSheet, const QImage &maskSheet);

    // Wipes the previous pirate and draws the cell whose top-left corner in the sheets is `frame`
    // with its top-left corner at `place` on the canvas. Returns the part of the canvas that
    // changed (previous cell and new cell), so the window can refresh just that.
    QRect moveIt(QImage &canvas, const QImage &background, QPoint place, QPoint frame);

    // The same picture the long way: the whole canvas restored from the background, then the cell.
    // Returns the whole area it restored.
    QRect moveItFull(QImage &canvas, const QImage &background, QPoint place, QPoint frame);

    // To be called when anyone else paints or replaces the canvas: the next moveIt restores it
    // whole, since the compositor can no longer know what is on it.
    void forgetCanvas() { known_ = {}; }

private:
    // What the compositor left on the canvas last time; repairs are only sound while it holds.
    struct KnownCanvas {
        const uchar *canvasBits = nullptr;
        const uchar *backgroundBits = nullptr;
        QSize canvasSize;
        QSize backgroundSize;
        QRect drawnCell;  // the last cell, clipped to the shared area
    };

    QRect drawCell(QImage &canvas, QRect area, QPoint place, QPoint frame) const;
    bool stillKnows(const QImage &canvas, const QImage &background) const;
    void remember(const QImage &canvas, const QImage &background, QRect drawnCell);

    QImage sprite_;  // shared with the sheets handed in, never written
    QImage mask_;
    KnownCanvas known_;
};
