// A multimedia player driven by command words, as the game's hidden players are: "open" loads
// the clip, "play" starts it from its start, "prev" goes back to the clip's start for the next play.
#include "roster/MMControl.h"

#include "roster/ClipVoice.h"
#include "roster/SoundThread.h"
#include "roster/WaveFolder.h"

#include <QThread>
#include <array>
#include <string_view>

namespace {

enum class Command { Open, Play, Prev };

struct CommandWord {
    std::u16string_view word;
    Command command;
};

constexpr std::array commandWords{
    CommandWord{u"open", Command::Open},
    CommandWord{u"play", Command::Play},
    CommandWord{u"prev", Command::Prev},
};

constexpr QStringView waveDevice = u"waveaudio";

} // namespace

MMControl::MMControl(const QString &deviceType, const QString &fileName, QObject *parent)
    : QObject(parent), deviceType_(deviceType), fileName_(fileName)
{
}

MMControl::~MMControl()
{
    if (voice_)
        voice_->deleteLater();
}

void MMControl::setCommand(const QString &word)
{
    for (const CommandWord &known : commandWords) {
        if (QStringView(word) != QStringView(known.word))
            continue;
        switch (known.command) {
        case Command::Open:
            open();
            break;
        case Command::Play:
            play();
            break;
        case Command::Prev:
            // Every run starts at the clip's start, so there is nothing to wind back; above all,
            // the run that is sounding must not be cut.
            break;
        }
        return;
    }
}

void MMControl::open()
{
    if (deviceType_ != waveDevice)
        return;
    if (!voice_) {
        // The folders are worked out here, where the application object lives; the files are read
        // on the sound thread.
        waveFolders_ = waves::folders();
        voice_ = new ClipVoice;
        voice_->moveToThread(sound::thread());
        connect(voice_, &ClipVoice::reported, this, &MMControl::heard);
    }
    QMetaObject::invokeMethod(voice_, [voice = voice_, folders = waveFolders_, name = fileName_] {
        voice->open(folders, name);
    });
}

void MMControl::play()
{
    if (voice_)
        QMetaObject::invokeMethod(voice_, &ClipVoice::play);
}

void MMControl::heard(bool open, int runsStarted, bool runWaiting, bool runSounding)
{
    open_ = open;
    runsStarted_ = runsStarted;
    runWaiting_ = runWaiting;
    runSounding_ = runSounding;
}
