#pragma once

#include <QWidget>
#include <string>

#include "platform/player_control.h"

namespace zuk {

// The player control MP1 as a widget of the main window. This first cut places itself and
// keeps the values it is given; playback on libmpv comes next.
class MpvPlayer : public QWidget, public PlayerControl {
    Q_OBJECT
  public:
    explicit MpvPlayer(QWidget* parent = nullptr);

    void setEventSink(PlayerEvents* sink) override { sink_ = sink; }
    std::string fileName() const override { return fileName_; }
    void setFileName(const std::string& path) override { fileName_ = path; }
    double currentPosition() const override { return 0; }
    void setCurrentPosition(double) override {}
    double duration() const override { return 0; }
    void setRate(double) override {}
    void setPlayCount(int) override {}
    int displaySize() const override { return displaySize_; }
    void setDisplaySize(int size) override { displaySize_ = size; }
    void setVolume(int) override {}
    void setBalance(int) override {}
    void setMute(bool) override {}
    void setShowClipInfo(bool) override {}
    int playState() const override { return PlayState::Closed; }
    void play() override {}
    void pause() override {}
    void stop() override {}
    void showDialog(int) override {}
    void aboutBox() override {}

    double top() const override;
    void setTop(double twips) override;
    double width() const override;
    void setWidth(double twips) override;
    double height() const override;
    void setHeight(double twips) override;
    bool visible() const override { return isVisibleTo(parentWidget()); }
    void setVisible(bool on) override { QWidget::setVisible(on); }

  private:
    PlayerEvents* sink_ = nullptr;
    std::string fileName_;
    int displaySize_ = DisplaySize::Own;
};

}  // namespace zuk
