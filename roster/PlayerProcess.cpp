// The game's side of its clip player, on the sound thread: one player program for each burst of
// sound, and a fresh one whenever the last has lost its output.
#include "roster/PlayerProcess.h"

#include "roster/PlayerProgram.h"
#include "roster/PlayerWire.h"
#include "roster/SoundThread.h"

#include <QProcess>
#include <QThread>
#include <csignal>
#include <linux/close_range.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <utility>

namespace {

// Never deleted: the player ends by itself when the game's end closes its standard input.
PlayerProcess *made = nullptr;

}  // namespace

PlayerProcess &PlayerProcess::instance()
{
    Q_ASSERT(QThread::currentThread() == sound::thread());
    if (!made)
        made = new PlayerProcess;
    return *made;
}

PlayerProcess *PlayerProcess::existing() { return made; }

PlayerProcess::PlayerProcess(QObject *parent) : QObject(parent) {}

void PlayerProcess::load(int clip, const QString &path)
{
    clips_.insert(clip, path);
    // Without a player now, the clip goes to the next one, which is started for a run: one started
    // here could sit until then and find a default output that is no longer the default.
    if (process_)
        send(player::say(player::Ask::Load, clip, path));
}

void PlayerProcess::play(int clip)
{
    if (!clips_.contains(clip))
        return;
    if (!process_ && !startPlayer())
        return;
    retryPlayer_ = false;
    sounding_.insert(clip);
    send(player::say(player::Ask::Play, clip));
}

void PlayerProcess::drop(int clip)
{
    if (!clips_.remove(clip) || !process_)
        return;
    send(player::say(player::Ask::Drop, clip));
    // A clip dropped while it sounds never says it ended.
    if (sounding_.remove(clip) && sounding_.isEmpty())
        letGo();
}

bool PlayerProcess::startPlayer()
{
    if (cannotStart_)
        return false;
    const QString program = player::program();
    if (program.isEmpty()) {
        cannotStart_ = true;
        qWarning("The clip player %s is missing; the game goes on without sound.", player::programName);
        return false;
    }
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->setChildProcessModifier([] {
        // The player ends with the game, even one killed outright, and holds none of the game's
        // files open (a test runner waits for its own output pipe to close).
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    });
    connect(process_, &QProcess::readyReadStandardOutput, this, &PlayerProcess::readReplies);
    connect(process_, &QProcess::finished, this, [this, ending = process_] {
        if (process_ == ending) {
            process_ = nullptr;  // it failed: the next play starts another
            sounding_.clear();
        }
        ending->deleteLater();
    });
    connect(process_, &QProcess::errorOccurred, this, [this, failing = process_](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        // Said once: the game plays on without sound, as it does with no sound server.
        qWarning("The clip player %s could not be started (%s); the game goes on without sound.",
                 qPrintable(failing->program()), qPrintable(failing->errorString()));
        cannotStart_ = true;
        if (process_ == failing)
            process_ = nullptr;
        failing->deleteLater();
    });
    replies_.clear();
    process_->start(program, {});
    for (auto clip = clips_.cbegin(); clip != clips_.cend(); ++clip)
        send(player::say(player::Ask::Load, clip.key(), clip.value()));
    return process_ != nullptr;
}

void PlayerProcess::send(const QByteArray &line)
{
    // Written into the pipe's buffer, never waited on: a player held up by a server that does not
    // answer holds up only itself.
    if (process_)
        process_->write(line);
}

void PlayerProcess::readReplies()
{
    auto *from = qobject_cast<QProcess *>(sender());
    if (!from || from != process_)
        return;
    replies_ += from->readAllStandardOutput();
    for (qsizetype end; (end = replies_.indexOf('\n')) >= 0;) {
        const std::optional<player::Line> line = player::read(QByteArrayView(replies_).first(end));
        replies_.remove(0, end + 1);
        if (!line)
            continue;
        if (player::is(*line, player::Tell::Ended)) {
            sounding_.remove(line->clip);
            // Told first, so that a run waiting for this one is given to this player.
            emit ended(line->clip);
            if (sounding_.isEmpty()) {
                letGo();
                return;
            }
        }
        else if (player::is(*line, player::Tell::Broken)) {
            // Not given to the next player: it would fail there too.
            clips_.remove(line->clip);
            sounding_.remove(line->clip);
            emit broken(line->clip);
        }
        else if (player::is(*line, player::Tell::Lost)) {
            lost(line->clip);
            return;  // what the old player says after this is no longer heard
        }
    }
}

void PlayerProcess::lost(int clip)
{
    // The old player ends by itself; the next one is started for the run it could not play.
    letGo();
    if (std::exchange(retryPlayer_, false) || !startPlayer())
        return;
    sounding_.insert(clip);
    send(player::say(player::Ask::Play, clip));
    retryPlayer_ = true;
}

void PlayerProcess::letGo()
{
    // Its input closed, the player ends once it has said what it has to say, which is no longer heard.
    std::exchange(process_, nullptr)->closeWriteChannel();
    sounding_.clear();
}
