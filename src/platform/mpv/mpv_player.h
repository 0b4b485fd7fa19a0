#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <optional>
#include <string>

#include "platform/mpv/mpv_engine.h"
#include "platform/player_control.h"

namespace zuk {

class ClipPanel;
class StatisticsDialog;
class TransportBar;
class VideoSurface;

// How the control shows pictures: in a real window, or not at all (headless engine tests,
// where the engine runs with vo=null).
enum class PictureOutput { Window, None };

// The player control MP1 on libmpv, a widget of the main window: the picture, the clip
// information panel and the control's own transport bar and status line, stacked in that
// order. Every member and event of PlayerControl runs and is raised on the UI thread.
class MpvPlayer : public QWidget, public PlayerControl {
    Q_OBJECT
  public:
    explicit MpvPlayer(QWidget* parent = nullptr, PictureOutput output = PictureOutput::Window,
                       const EngineOptions& options = {});
    ~MpvPlayer() override;

    void setEventSink(PlayerEvents* sink) override { sink_ = sink; }
    std::string fileName() const override { return fileName_; }
    void setFileName(const std::string& path) override;
    double currentPosition() const override;
    void setCurrentPosition(double seconds) override;
    double duration() const override;
    void setRate(double rate) override;
    void setPlayCount(int count) override;
    int displaySize() const override;
    void setDisplaySize(int size) override;
    void setVolume(int hundredthsDb) override;
    void setBalance(int hundredthsDb) override;
    void setMute(bool on) override;
    void setShowClipInfo(bool on) override;
    int playState() const override { return playState_; }
    void play() override;
    void pause() override;
    void stop() override;
    void showDialog(int which) override;
    void aboutBox() override;

    double top() const override;
    void setTop(double twips) override;
    double width() const override;
    void setWidth(double twips) override;
    double height() const override;
    void setHeight(double twips) override;
    bool visible() const override { return isVisibleTo(parentWidget()); }
    void setVisible(bool on) override { QWidget::setVisible(on); }

    // The engine, for tests that read back what the control applied.
    MpvEngine& engine() { return engine_; }

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    // Playback (mpv_player.cpp).
    void wireEngine();
    void loadNext();
    void failOpen();
    void fileLoaded();
    void fileEnded(EndReason reason);
    void propertyChanged(Prop p, double value);
    void markEnded();
    void playbackRestarted();
    void seekTo(double seconds);
    void applyLoop();
    void applyBalanceFilter();
    void setOpenState(int state);
    void updatePlayState();
    QString statusText() const;

    // Picture size, layout and full screen (picture_size.cpp).
    void sizeToPicture();
    void layoutParts();
    bool fullScreen() const { return fullScreen_ != nullptr; }
    void enterFullScreen();
    void leaveFullScreen();

    MpvEngine engine_;
    VideoSurface* surface_ = nullptr;  // owned by picture_, the window container
    QWidget* picture_;
    ClipPanel* clipPanel_;
    TransportBar* bar_;
    QTimer* balanceCommit_;  // makes a changed balance last (see setBalance)
    QPointer<StatisticsDialog> statistics_;
    QWidget* fullScreen_ = nullptr;
    PlayerEvents* sink_ = nullptr;

    std::string fileName_;                // as written, an ASX file's own name included
    std::deque<std::string> candidates_;  // engine targets still to try for this file
    bool loading_ = false;                // a target is opening
    bool loaded_ = false;                 // a file is open
    bool ended_ = false;                  // the last play has ended: stopped at the duration
    bool stopped_ = false;                // stopped by stop(): paused at the position
    bool paused_ = false;
    bool seeking_ = false;  // the engine is jumping: its seek event came
    int playState_ = PlayState::Closed;
    int openState_ = 0;
    std::optional<double> pendingSeek_;  // the target of a seek until the engine plays there
    std::optional<double> seekOrigin_;   // where a jump started, for the position event
    double lastPosition_ = 0;
    double lastDuration_ = 0;

    int playCount_ = 1;
    int balance_ = 0;
    double rate_ = 1;  // the speed last given to the engine
    int displaySize_ = DisplaySize::Own;
    bool showClip_ = false;
    int videoWidth_ = 0;  // pixels; 0 for sound only
    int videoHeight_ = 0;
};

}  // namespace zuk
