// The pirate the game walks along the board and drops into the sea, drawn in one 50 x 84 cell.
#pragma once

#include <QPainter>
#include <QPointF>

namespace pirate {

enum class Facing { left, right };
enum class Mood { frowning, smiling, surprised };

// One step of the walk: where the feet and hands are, relative to the figure facing left.
struct WalkPose {
    QPointF nearKnee, nearAnkle, farKnee, farAnkle;
    QPointF nearHand, farHand;
    qreal bob;  // how far the body rises at this step
};

// A cell of the fall: the figure, hands up, sunk so that the water meets it at `waterline`.
struct FallPose {
    qreal sink;       // how far the figure is moved down in the cell
    qreal waterline;  // the row of the cell where the water is, or a negative value for the splash
    qreal foamHalfWidth;
    bool handsUp;
};

// Both draw with the cell's top-left corner at the painter's origin, on transparency.
void drawWalking(QPainter &p, const WalkPose &pose, Facing facing, Mood mood);
void drawFalling(QPainter &p, const FallPose &pose);

}  // namespace pirate
