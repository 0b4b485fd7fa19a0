#include "platform/mpv/mpv_player.h"

#include <QTimer>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

#include "platform/files.h"
#include "platform/mpv/asx_reader.h"
#include "platform/mpv/clip_panel.h"
#include "platform/mpv/control_dialogs.h"
#include "platform/mpv/engine_target.h"
#include "platform/mpv/transport_bar.h"
#include "platform/mpv/video_surface.h"
#include "platform/qt/twips.h"
#include "platform/text_codec.h"

namespace zuk {
namespace {

// Open states the control reports (old, new) on every change.
constexpr int kOpenClosed = 0;
constexpr int kOpenOpening = 5;
constexpr int kOpenOpen = 6;

// Locale-independent decimal text for the engine's commands.
std::string Decimal(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool IsFolder(const std::string& target) {
    std::error_code error;
    return !IsStreamUrl(target) && std::filesystem::is_directory(target, error);
}

// The engine targets for a media file name, in the order to try them. An ASX file is read
// here (its clip information goes to entry); its refs are taken relative to its folder.
std::deque<std::string> Targets(const std::string& path, AsxEntry& entry) {
    entry = {};
    if (!IsAsxName(path) || IsStreamUrl(path)) return {EngineTarget(path, "")};
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return {};
    entry = ReadAsx(DecodeText(*bytes));
    const std::string base = FolderOf(EngineTarget(path, ""));
    std::deque<std::string> targets;
    for (const std::string& ref : entry.refs) {
        targets.push_back(EngineTarget(ref, base));
        const std::string decoded = DecodeXmlEntities(ref);
        if (decoded != ref) targets.push_back(EngineTarget(decoded, base));
    }
    return targets;
}

// The balance as the stereotools filter takes it: -1..1, where b < 0 scales the right side by
// 1 + b and b > 0 the left side by 1 - b. hundredthsDb < 0 attenuates the right side.
double BalanceOut(int hundredthsDb) {
    const double gain = std::pow(10.0, -std::abs(hundredthsDb) / 2000.0);
    return hundredthsDb < 0 ? gain - 1.0 : 1.0 - gain;
}

EngineOptions WithVideoOutput(PictureOutput output, const EngineOptions& options) {
    EngineOptions all{{"vo", output == PictureOutput::Window ? "libmpv" : "null"}};
    all.insert(all.end(), options.begin(), options.end());
    return all;
}

}  // namespace

MpvPlayer::MpvPlayer(QWidget* parent, PictureOutput output, const EngineOptions& options)
    : QWidget(parent),
      engine_(WithVideoOutput(output, options)),
      clipPanel_(new ClipPanel(this)),
      bar_(new TransportBar(this)),
      balanceCommit_(new QTimer(this)) {
    balanceCommit_->setSingleShot(true);
    balanceCommit_->setInterval(300);
    connect(balanceCommit_, &QTimer::timeout, this, &MpvPlayer::applyBalanceFilter);
    if (output == PictureOutput::Window && engine_.ok()) {
        surface_ = new VideoSurface(engine_.handle());
        surface_->onDoubleClick = [this] {
            setDisplaySize(fullScreen() ? displaySize_ : DisplaySize::FullScreen);
        };
        surface_->onEscape = [this] {
            if (fullScreen()) leaveFullScreen();
        };
        picture_ = QWidget::createWindowContainer(surface_, this);
    } else {
        picture_ = new QWidget(this);
    }
    picture_->setAutoFillBackground(true);
    picture_->setPalette(QPalette(Qt::black));
    clipPanel_->hide();
    bar_->onPlay = [this] { play(); };
    bar_->onPause = [this] { pause(); };
    bar_->onStop = [this] { stop(); };
    bar_->onSeek = [this](double seconds) { setCurrentPosition(seconds); };
    wireEngine();
    updatePlayState();
    // Left edge fixed at 1560 twips; first size 3585 x 3795 twips; hidden until a file opens.
    setGeometry(TwipsToPixels(1560), 0, TwipsToPixels(3585), TwipsToPixels(3795));
    QWidget::setVisible(false);
}

MpvPlayer::~MpvPlayer() {
    // The picture frees the engine's render context and the dialog reads the engine: both go
    // before the engine does.
    delete statistics_;
    if (fullScreen_)
        delete fullScreen_;  // holds the picture while full screen lasts
    else
        delete picture_;
}

void MpvPlayer::wireEngine() {
    engine_.onFileLoaded = [this] { fileLoaded(); };
    engine_.onEndFile = [this](EndReason reason) { fileEnded(reason); };
    engine_.onSeek = [this] {
        if (!loaded_) return;
        seeking_ = true;
        if (!seekOrigin_) seekOrigin_ = lastPosition_;
    };
    engine_.onPlaybackRestart = [this] { playbackRestarted(); };
    engine_.onPropertyChange = [this](Prop p, double value) { propertyChanged(p, value); };
    engine_.observe({Prop::Pause, Prop::EofReached, Prop::TimePos, Prop::Duration,
                     Prop::DisplayWidth, Prop::DisplayHeight});
}

void MpvPlayer::setFileName(const std::string& path) {
    fileName_ = path;
    loaded_ = ended_ = stopped_ = paused_ = seeking_ = false;
    pendingSeek_.reset();
    seekOrigin_.reset();
    lastPosition_ = lastDuration_ = 0;
    AsxEntry clip;
    candidates_ = Targets(path, clip);
    clipPanel_->showClip(clip.title, clip.author, clip.copyright);
    if (!engine_.ok()) return failOpen();
    loading_ = true;
    setOpenState(kOpenOpening);
    engine_.setFlag(Prop::Pause, false);
    applyBalanceFilter();
    applyLoop();
    loadNext();
}

void MpvPlayer::loadNext() {
    while (!candidates_.empty()) {
        const std::string target = candidates_.front();
        candidates_.pop_front();
        // A folder would be listed by the engine as a playlist: it is no medium.
        if (!IsFolder(target) && engine_.command({"loadfile", target, "replace"})) return;
    }
    failOpen();
}

void MpvPlayer::failOpen() {
    loading_ = loaded_ = ended_ = stopped_ = false;
    candidates_.clear();
    engine_.command({"stop"});
    videoWidth_ = videoHeight_ = 0;
    sizeToPicture();
    setOpenState(kOpenClosed);
    updatePlayState();
}

void MpvPlayer::fileLoaded() {
    if (!loading_) return;
    loading_ = false;
    loaded_ = true;
    candidates_.clear();
    videoWidth_ = static_cast<int>(engine_.integer(Prop::Width));
    videoHeight_ = static_cast<int>(engine_.integer(Prop::Height));
    lastDuration_ = engine_.number(Prop::Duration);
    sizeToPicture();
    setOpenState(kOpenOpen);
    if (sink_) sink_->readyStateChange(kReadyStateComplete);
    updatePlayState();
}

void MpvPlayer::fileEnded(EndReason reason) {
    // Stop: the engine was told to replace or unload the file; nothing has ended by itself.
    if (reason == EndReason::Stop || reason == EndReason::Other) return;
    if (loading_) return loadNext();
    if (!loaded_) return;
    if (reason == EndReason::Error) return failOpen();
    ended_ = true;
    updatePlayState();
}

void MpvPlayer::propertyChanged(Prop p, double value) {
    const bool known = std::isfinite(value);
    switch (p) {
        case Prop::Pause:
            paused_ = known && value != 0;
            // With keep-open the end of the last play is eof-reached and pause, in either
            // order: a pause at the end is the end, never a pause of its own.
            if (paused_ && engine_.flag(Prop::EofReached)) markEnded();
            if (loaded_) updatePlayState();
            break;
        case Prop::EofReached:
            if (known && value != 0) markEnded();
            if (loaded_) updatePlayState();
            break;
        case Prop::TimePos:
            if (known) lastPosition_ = value;
            if (loaded_) bar_->showPosition(currentPosition(), duration());
            break;
        case Prop::Duration:
            lastDuration_ = known ? value : 0;
            if (loaded_) bar_->showPosition(currentPosition(), duration());
            break;
        case Prop::DisplayWidth:
        case Prop::DisplayHeight: {
            // The picture's size after aspect correction, once its first frame is out.
            const int w = static_cast<int>(engine_.integer(Prop::DisplayWidth));
            const int h = static_cast<int>(engine_.integer(Prop::DisplayHeight));
            if (loaded_ && w > 0 && h > 0 && (w != videoWidth_ || h != videoHeight_)) {
                videoWidth_ = w;
                videoHeight_ = h;
                sizeToPicture();
            }
            break;
        }
        default:
            break;
    }
}

void MpvPlayer::markEnded() {
    if (loaded_ && !stopped_) ended_ = true;
}

// The end of a jump. The restart that begins a file's playback is none: it may even arrive
// after a seek has been asked for, so only a restart after the engine's seek event counts.
void MpvPlayer::playbackRestarted() {
    if (!seeking_ || !loaded_) return;
    seeking_ = false;
    pendingSeek_.reset();
    const double from = seekOrigin_.value_or(lastPosition_);
    seekOrigin_.reset();
    if (sink_) sink_->positionChange(from, currentPosition());
}

double MpvPlayer::currentPosition() const {
    if (!loaded_) return 0;
    if (ended_) return duration();
    if (pendingSeek_) return *pendingSeek_;
    return engine_.number(Prop::TimePos, lastPosition_);
}

void MpvPlayer::setCurrentPosition(double seconds) {
    if (!loaded_ || !std::isfinite(seconds)) return;
    seconds = std::clamp(seconds, 0.0, std::max(0.0, duration()));
    if (!seekOrigin_) seekOrigin_ = currentPosition();
    if (ended_) {
        ended_ = false;
        stopped_ = true;
    }
    seekTo(seconds);
}

void MpvPlayer::seekTo(double seconds) {
    pendingSeek_ = seconds;
    engine_.command({"seek", Decimal(seconds), "absolute+exact"});
}

double MpvPlayer::duration() const {
    return loaded_ ? engine_.number(Prop::Duration, lastDuration_) : 0;
}

void MpvPlayer::setRate(double rate) {
    // The program gives the rate again on every synchronisation tick (up to 20 times a second);
    // only a change goes to the engine.
    if (!std::isfinite(rate) || rate <= 0 || rate == rate_) return;
    rate_ = rate;
    engine_.setNumber(Prop::Speed, std::clamp(rate, 0.01, 100.0));
}

void MpvPlayer::setPlayCount(int count) {
    playCount_ = std::max(0, count);
    if (loaded_) applyLoop();
}

// The engine counts loop-file down while it plays, so it is set again for every file and
// every new start.
void MpvPlayer::applyLoop() {
    engine_.setText(Prop::LoopFile, playCount_ == 0   ? std::string("inf")
                                    : playCount_ == 1 ? std::string("no")
                                                      : std::to_string(playCount_ - 1));
}

// Engine volume is 0..100 on a cubic scale (gain = (v/100)^3), so v = 100 * 10^(dB / 60).
void MpvPlayer::setVolume(int hundredthsDb) {
    const int clamped = std::clamp(hundredthsDb, -10000, 0);
    engine_.setNumber(Prop::Volume, 100.0 * std::pow(10.0, clamped / 6000.0));
}

void MpvPlayer::setBalance(int hundredthsDb) {
    balance_ = std::clamp(hundredthsDb, -10000, 10000);
    if (!loaded_) return applyBalanceFilter();
    // af-command changes the running filter at once without rebuilding the audio chain (mpv
    // 0.35 returns an error code even when it worked, so the result says nothing). But the
    // engine builds the filter anew from its option text when playback restarts (after a seek
    // or a loop), which loses the change; so once the balance has stood still for a moment (a
    // slider drag rebuilds only once) the option text follows.
    engine_.command({"af-command", "bal", "balance_out", Decimal(BalanceOut(balance_))});
    balanceCommit_->start();
}

// The filter as the audio chain is (re)built with it.
void MpvPlayer::applyBalanceFilter() {
    balanceCommit_->stop();
    const std::string filter =
        "@bal:lavfi=[stereotools=balance_out=" + Decimal(BalanceOut(balance_)) + "]";
    if (engine_.text(Prop::AudioFilter) != filter) engine_.setText(Prop::AudioFilter, filter);
}

void MpvPlayer::setMute(bool on) {
    engine_.setFlag(Prop::Mute, on);
}

void MpvPlayer::play() {
    if (loading_) {
        paused_ = stopped_ = false;
        engine_.setFlag(Prop::Pause, false);
        return;
    }
    if (!loaded_) {
        if (!fileName_.empty()) setFileName(fileName_);
        return;
    }
    if (ended_ || stopped_) {
        applyLoop();
        if (ended_) seekTo(0);
        ended_ = stopped_ = false;
    }
    paused_ = false;
    engine_.setFlag(Prop::Pause, false);
    updatePlayState();
}

void MpvPlayer::pause() {
    if (!loading_ && (!loaded_ || ended_ || stopped_)) return;
    paused_ = true;
    engine_.setFlag(Prop::Pause, true);
    updatePlayState();
}

void MpvPlayer::stop() {
    if (!loading_ && !loaded_) return;
    paused_ = true;
    engine_.setFlag(Prop::Pause, true);
    stopped_ = true;
    if (loaded_) {
        if (!seekOrigin_) seekOrigin_ = currentPosition();
        ended_ = false;
        seekTo(0);
    }
    updatePlayState();
}

void MpvPlayer::setOpenState(int state) {
    if (state == openState_) return;
    const int old = openState_;
    openState_ = state;
    if (sink_) sink_->openStateChange(old, state);
}

// Raises PlayStateChange when the state the control reports changes. While a file opens the
// previous state stands, so that nothing reads as "stopped at the end" in between.
void MpvPlayer::updatePlayState() {
    const int state = loading_               ? playState_
                      : !loaded_             ? PlayState::Closed
                      : (ended_ || stopped_) ? PlayState::Stopped
                      : paused_              ? PlayState::Paused
                                             : PlayState::Playing;
    bar_->showState(state, statusText());
    if (loaded_) bar_->showPosition(currentPosition(), duration());
    if (state == playState_) return;
    const int old = playState_;
    playState_ = state;
    if (sink_) sink_->playStateChange(old, state);
}

QString MpvPlayer::statusText() const {
    if (loading_) return QStringLiteral("開いています...");
    if (!loaded_) return fileName_.empty() ? QString() : QStringLiteral("開けません");
    if (ended_ || stopped_) return QStringLiteral("停止");
    return paused_ ? QStringLiteral("一時停止") : QStringLiteral("再生中");
}

void MpvPlayer::showDialog(int which) {
    if (which != 1) return;
    if (!statistics_) statistics_ = new StatisticsDialog(engine_, this);
    statistics_->show();
    statistics_->raise();
    statistics_->activateWindow();
}

void MpvPlayer::aboutBox() {
    ShowControlAbout(engine_, this);
}

double MpvPlayer::top() const {
    return PixelsToTwips(y());
}
void MpvPlayer::setTop(double twips) {
    move(x(), TwipsToPixels(twips));
}
double MpvPlayer::width() const {
    return PixelsToTwips(QWidget::width());
}
void MpvPlayer::setWidth(double twips) {
    resize(TwipsToPixels(twips), QWidget::height());
}
double MpvPlayer::height() const {
    return PixelsToTwips(QWidget::height());
}
void MpvPlayer::setHeight(double twips) {
    resize(QWidget::width(), TwipsToPixels(twips));
}

}  // namespace zuk
