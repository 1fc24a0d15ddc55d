// A multimedia player driven by command words, as the game's hidden players are: "open" loads
// the clip, "play" starts it from its start, "prev" goes back to the clip's start for the next play.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class ClipVoice;

class MMControl : public QObject {
    Q_OBJECT
public:
    MMControl(const QString &deviceType, const QString &fileName, QObject *parent = nullptr);
    ~MMControl() override;

    QString deviceType() const { return deviceType_; }
    QString fileName() const { return fileName_; }

    // Carries the command out at once and never waits for a sound; a command that fails does nothing.
    // The clip is loaded and played on the sound thread, so a missing clip, a broken one or a sound
    // server that does not answer leaves the caller undisturbed.
    void setCommand(const QString &word);

    // What the player last heard from the sound thread: whether a clip is loaded, how many runs of it
    // have started, and whether a run waits for the sounding one to end.
    bool isOpen() const { return open_; }
    int runsStarted() const { return runsStarted_; }
    bool runWaiting() const { return runWaiting_; }
    // Whether a run has started and the clip player has not yet said it ended.
    bool runSounding() const { return runSounding_; }

private:
    void open();
    void play();
    void heard(bool open, int runsStarted, bool runWaiting, bool runSounding);

    QString deviceType_;
    QString fileName_;
    QStringList waveFolders_;
    ClipVoice *voice_ = nullptr;  // lives on the sound thread; made by the first "open"
    bool open_ = false;
    int runsStarted_ = 0;
    bool runWaiting_ = false;
    bool runSounding_ = false;
};
