// The multimedia player: until sound is wired up, the command words are accepted and do nothing.
#include "roster/MMControl.h"

MMControl::MMControl(const QString &deviceType, const QString &fileName, QObject *parent)
    : QObject(parent), deviceType_(deviceType), fileName_(fileName)
{
}

void MMControl::setCommand(const QString &) {}
