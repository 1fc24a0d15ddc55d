// The people (and the rat) of the title scene.
#pragma once

#include <QPainter>
#include <QPointF>

namespace figures {

// Each standing figure is placed by the point between his feet, on the deck.
void sailor(QPainter &p, QPointF feet);   // dark-skinned, red coat, white cross-belts, striped trousers
void captain(QPainter &p, QPointF feet);  // skull-and-crossbones hat, red and yellow shirt, red trousers, cutlass

// The white-haired old man seen from the chest up, raising a bottle; `head` is his head's centre.
void oldManInWindow(QPainter &p, QPointF head);

// Seven young sailors sitting and lying on the hold's floor, a sack, a crate and a rat at the far left.
void hold(QPainter &p, qreal floor);

}  // namespace figures
