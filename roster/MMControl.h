// A multimedia player driven by command words, as the game's hidden players are: "open" loads
// the clip, "play" starts it from its place, "prev" goes back to the clip's start.
#pragma once

#include <QObject>
#include <QString>

class MMControl : public QObject {
    Q_OBJECT
public:
    MMControl(const QString &deviceType, const QString &fileName, QObject *parent = nullptr);

    QString deviceType() const { return deviceType_; }
    QString fileName() const { return fileName_; }

    // Carries the command out at once and never waits for a sound; a command that fails does nothing.
    void setCommand(const QString &word);

private:
    QString deviceType_;
    QString fileName_;
};
