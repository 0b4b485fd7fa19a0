#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct mpv_handle;

namespace zuk {

// Every engine property the control uses; their mpv names live in one table in the .cpp.
enum class Prop {
    Pause,
    EofReached,
    TimePos,
    Duration,
    Width,  // decoded (or container) picture size, pixels
    Height,
    DisplayWidth,  // after aspect correction, once the first frame is out
    DisplayHeight,
    Speed,
    PitchCorrection,
    Volume,  // 0..100, cubic
    Mute,
    LoopFile,
    AudioFilter,
    VideoCodec,
    AudioCodec,
    VideoBitrate,
    AudioBitrate,
    ContainerFps,
    EstimatedFps,
    FrameDrops,
    DecoderDrops,
    CacheDuration,
    CacheState,
    MpvVersion,
    FfmpegVersion,
};

// Why a file stopped, as the engine reports it.
enum class EndReason { Eof, Stop, Error, Other };

// Options the control starts the engine with, as name/value pairs (for example "vo" "null"
// for a headless engine, "ao" "pcm" to catch the sound in a file).
using EngineOptions = std::vector<std::pair<std::string, std::string>>;

// One libmpv handle. The engine's threads only wake us: the wake-up callback posts a drain
// to this object's (the UI) thread, which takes every pending event and hands it on as calls
// of the handlers below, so every handler runs on the UI thread.
class MpvEngine : public QObject {
    Q_OBJECT
  public:
    explicit MpvEngine(const EngineOptions& options, QObject* parent = nullptr);
    ~MpvEngine() override;
    MpvEngine(const MpvEngine&) = delete;
    MpvEngine& operator=(const MpvEngine&) = delete;

    mpv_handle* handle() const { return handle_; }
    bool ok() const { return handle_ != nullptr; }

    // Handlers, set once by the owner.
    std::function<void()> onFileLoaded;
    std::function<void(EndReason)> onEndFile;
    std::function<void()> onSeek;             // a jump has started
    std::function<void()> onPlaybackRestart;  // playing (again) after a load or a jump
    // One of the observed properties changed: its new value as a number (flags 0 or 1), NaN
    // while it is unavailable.
    std::function<void(Prop, double)> onPropertyChange;

    // Reports changes of these through onPropertyChange.
    void observe(std::initializer_list<Prop> props);

    double number(Prop p, double fallback = 0) const;
    int64_t integer(Prop p, int64_t fallback = 0) const;
    bool flag(Prop p) const;
    std::string text(Prop p) const;
    bool setNumber(Prop p, double value);
    bool setFlag(Prop p, bool value);
    bool setText(Prop p, const std::string& value);

    // Runs an engine command; false when the engine refuses it.
    bool command(std::vector<std::string> args);

  private:
    void drain();

    mpv_handle* handle_ = nullptr;
    std::atomic<bool> drainPosted_{false};
};

}  // namespace zuk
