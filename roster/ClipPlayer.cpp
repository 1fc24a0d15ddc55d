// The clip player's side, in a process of its own: it loads and plays the clips the game asks for,
// and ends as soon as it finds that its sound output has gone or changed.
#include "roster/ClipPlayer.h"

#include "roster/PlayerWire.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <utility>

ClipPlayer::ClipPlayer(std::function<void(const QByteArray &)> tell, std::function<void()> ending, QObject *parent)
    : QObject(parent), tell_(std::move(tell)), ending_(std::move(ending)), output_(QMediaDevices::defaultAudioOutput())
{
}

void ClipPlayer::hear(QByteArrayView text)
{
    const std::optional<player::Line> line = player::read(text);
    if (!line || lost_)
        return;
    if (player::is(*line, player::Ask::Load))
        load(line->clip, line->path);
    else if (player::is(*line, player::Ask::Play))
        play(line->clip);
    else if (player::is(*line, player::Ask::Drop))
        drop(line->clip);
}

void ClipPlayer::load(int clip, const QString &path)
{
    if (effects_.contains(clip))
        return;
    auto *effect = new QSoundEffect(output_, this);
    effects_.insert(clip, effect);
    connect(effect, &QSoundEffect::statusChanged, this, [this, clip] { statusChanged(clip); });
    // Queued: Qt says a run ended from inside its own audio callbacks, which must not be re-entered.
    connect(effect, &QSoundEffect::playingChanged, this, [this, clip] { playingChanged(clip); }, Qt::QueuedConnection);
    effect->setSource(QUrl::fromLocalFile(path));
}

void ClipPlayer::play(int clip)
{
    QSoundEffect *effect = effects_.value(clip);
    if (!effect)
        return;
    // Qt reaches a sound server once per process and, once that connection is lost, plays into
    // nothing for the rest of the process's life: a run is played only where it can be heard.
    if (QMediaDevices::defaultAudioOutput() != output_ || !outputAnswers()) {
        lose(clip);
        return;
    }
    if (effect->isPlaying())
        effect->stop();
    effect->play();
}

void ClipPlayer::drop(int clip)
{
    if (QSoundEffect *effect = effects_.take(clip)) {
        effect->disconnect(this);
        effect->deleteLater();
    }
}

void ClipPlayer::statusChanged(int clip)
{
    QSoundEffect *effect = effects_.value(clip);
    if (!effect || effect->status() != QSoundEffect::Error)
        return;
    // Newer Qt puts a good clip in error when there is no output to play it on; then the output is
    // what failed, not the clip (whose headers the game read before it asked for it).
    if (QMediaDevices::audioOutputs().isEmpty()) {
        lose(clip);
        return;
    }
    drop(clip);
    tell_(player::say(player::Tell::Broken, clip));
}

void ClipPlayer::playingChanged(int clip)
{
    QSoundEffect *effect = effects_.value(clip);
    if (effect && !effect->isPlaying())
        tell_(player::say(player::Tell::Ended, clip));
}

bool ClipPlayer::outputAnswers() const
{
    // A stream opened on the output and closed again: Qt refuses it at once when its connection to
    // the server is gone, whatever Qt's sound effect would claim.
    if (output_.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(output_.preferredFormat().sampleRate() > 0 ? output_.preferredFormat().sampleRate() : 44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QBuffer silence;
    silence.setData(QByteArray(64, '\0'));
    silence.open(QIODevice::ReadOnly);
    QAudioSink sink(output_, format);
    sink.start(&silence);
    const bool answers = sink.error() == QAudio::NoError;
    sink.stop();
    return answers;
}

void ClipPlayer::lose(int clip)
{
    lost_ = true;
    tell_(player::say(player::Tell::Lost, clip));
    ending_();
}
