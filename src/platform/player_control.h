#pragma once

#include <string>

namespace zuk {

// Dispatch ids of the player control's members, as the program has always named them.
enum class DispatchId : int {
    Volume = 19,             // write, 1/100 dB: 0 full, -2500 is 25 dB down
    Balance = 20,            // write, same scale; negative attenuates the right side
    ShowClipInfo = 22,       // write, bool: the clip information panel
    Duration = 1003,         // read, seconds
    FileName = 1026,         // read/write: writing opens and starts playing
    CurrentPosition = 1027,  // read/write, seconds; writing seeks
    Rate = 1028,             // write, 1 = normal speed
    PlayCount = 1030,        // write, plays before the control stops; 0 = endlessly
    DisplaySize = 1032,      // read/write, see DisplaySize
    PlayState = 1068,        // read, see PlayState
    Mute = 1089,             // write, bool
    Play = 2001,
    Pause = 2002,
    Stop = 2003,
    ShowDialog = 2033,  // method, 1 = statistics dialog
    AboutBox = -552,    // method
};

// Values of PlayState (1068). SectionEnd is no state of the control: the section play hands
// it as the old state to PlayStateChange to mean "the section has ended".
namespace PlayState {
inline constexpr int Stopped = 0;
inline constexpr int Paused = 1;
inline constexpr int Playing = 2;
inline constexpr int Closed = 6;
inline constexpr int SectionEnd = 9;
}  // namespace PlayState

// Values of DisplaySize (1032).
namespace DisplaySize {
inline constexpr int Own = 0;
inline constexpr int Double = 2;
inline constexpr int FullScreen = 3;
inline constexpr int Fit = 4;
}  // namespace DisplaySize

inline constexpr int kReadyStateComplete = 4;

// The events the control raises; the main window handles them. All run on the UI thread.
class PlayerEvents {
  public:
    virtual void openStateChange(int oldState, int newState) = 0;
    virtual void playStateChange(int oldState, int newState) = 0;
    virtual void positionChange(double oldPosition, double newPosition) = 0;
    virtual void readyStateChange(int state) = 0;

  protected:
    ~PlayerEvents() = default;
};

// The media player control MP1, by the roles the program uses. The extender properties
// (top, width, height, visible) place the control in the main window, in twips.
class PlayerControl {
  public:
    virtual ~PlayerControl() = default;

    virtual void setEventSink(PlayerEvents* sink) = 0;

    virtual std::string fileName() const = 0;               // 1026
    virtual void setFileName(const std::string& path) = 0;  // 1026
    virtual double currentPosition() const = 0;             // 1027
    virtual void setCurrentPosition(double seconds) = 0;    // 1027
    virtual double duration() const = 0;                    // 1003
    virtual void setRate(double rate) = 0;                  // 1028
    virtual void setPlayCount(int count) = 0;               // 1030
    virtual int displaySize() const = 0;                    // 1032
    virtual void setDisplaySize(int size) = 0;              // 1032
    virtual void setVolume(int hundredthsDb) = 0;           // 19
    virtual void setBalance(int hundredthsDb) = 0;          // 20
    virtual void setMute(bool on) = 0;                      // 1089
    virtual void setShowClipInfo(bool on) = 0;              // 22
    virtual int playState() const = 0;                      // 1068
    virtual void play() = 0;                                // 2001
    virtual void pause() = 0;                               // 2002
    virtual void stop() = 0;                                // 2003
    virtual void showDialog(int which) = 0;                 // 2033
    virtual void aboutBox() = 0;                            // -552

    // Extender properties, twips.
    virtual double top() const = 0;
    virtual void setTop(double twips) = 0;
    virtual double width() const = 0;
    virtual void setWidth(double twips) = 0;
    virtual double height() const = 0;
    virtual void setHeight(double twips) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool on) = 0;
};

}  // namespace zuk
