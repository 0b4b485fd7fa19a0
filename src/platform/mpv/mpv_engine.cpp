#include "platform/mpv/mpv_engine.h"

#include <mpv/client.h>

#include <QMetaObject>
#include <QPointer>
#include <limits>

namespace zuk {
namespace {

// The engine's names of Prop, in the order of the enum.
constexpr const char* kPropNames[] = {
    "pause",
    "eof-reached",
    "time-pos",
    "duration",
    "width",
    "height",
    "dwidth",
    "dheight",
    "speed",
    "audio-pitch-correction",
    "volume",
    "mute",
    "loop-file",
    "af",
    "video-codec",
    "audio-codec",
    "video-bitrate",
    "audio-bitrate",
    "container-fps",
    "estimated-vf-fps",
    "frame-drop-count",
    "decoder-frame-drop-count",
    "demuxer-cache-duration",
    "cache-buffering-state",
    "mpv-version",
    "ffmpeg-version",
};
static_assert(std::size(kPropNames) == static_cast<size_t>(Prop::FfmpegVersion) + 1);

const char* Name(Prop p) {
    return kPropNames[static_cast<size_t>(p)];
}

mpv_format ObservedFormat(Prop p) {
    switch (p) {
        case Prop::Pause:
        case Prop::EofReached:
        case Prop::Mute:
            return MPV_FORMAT_FLAG;
        case Prop::Width:
        case Prop::Height:
        case Prop::DisplayWidth:
        case Prop::DisplayHeight:
            return MPV_FORMAT_INT64;
        default:
            return MPV_FORMAT_DOUBLE;
    }
}

// Options every player control starts with; the caller's options come after and win.
// Scripts, configuration files and the engine's own keys, mouse and on-screen display stay
// off: the control has its own transport bar and handles its keys itself. keep-open holds the
// last frame at the end, where the control reports "stopped at the end".
const EngineOptions kBaseOptions = {
    {"config", "no"},
    {"terminal", "no"},
    {"load-scripts", "no"},
    {"ytdl", "no"},
    {"osc", "no"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"input-cursor", "no"},
    {"osd-level", "0"},
    {"idle", "yes"},
    {"keep-open", "yes"},
    {"load-unsafe-playlists", "no"},
    {"audio-display", "no"},
    // Without a sound device a file still plays (silently) instead of failing to open, so
    // that positions, ends and list play go on.
    {"audio-fallback-to-null", "yes"},
    {"audio-pitch-correction", "yes"},
    {"hwdec", "no"},
    {"gpu-hwdec-interop", "no"},
    // The balance filter, changed at run time by af-command (mpv rebuilds no audio chain).
    {"af", "@bal:lavfi=[stereotools=balance_out=0]"},
};

// The value of an observed property as a number (a flag gives 0 or 1); NaN while the
// property is unavailable (no file, no video).
double ValueOf(const mpv_event_property& change) {
    switch (change.format) {
        case MPV_FORMAT_FLAG:
            return *static_cast<const int*>(change.data);
        case MPV_FORMAT_INT64:
            return static_cast<double>(*static_cast<const int64_t*>(change.data));
        case MPV_FORMAT_DOUBLE:
            return *static_cast<const double*>(change.data);
        default:
            return std::numeric_limits<double>::quiet_NaN();
    }
}

}  // namespace

MpvEngine::MpvEngine(const EngineOptions& options, QObject* parent) : QObject(parent) {
    handle_ = mpv_create();
    if (!handle_) return;
    for (const EngineOptions* set : {&kBaseOptions, &options})
        for (const auto& [name, value] : *set)
            mpv_set_option_string(handle_, name.c_str(), value.c_str());
    if (mpv_initialize(handle_) < 0) {
        mpv_terminate_destroy(handle_);
        handle_ = nullptr;
        return;
    }
    // Called on an engine thread: only post; never call libmpv from here.
    mpv_set_wakeup_callback(
        handle_,
        [](void* self) {
            auto* engine = static_cast<MpvEngine*>(self);
            if (engine->drainPosted_.exchange(true)) return;
            QMetaObject::invokeMethod(engine, &MpvEngine::drain, Qt::QueuedConnection);
        },
        this);
}

MpvEngine::~MpvEngine() {
    if (!handle_) return;
    mpv_set_wakeup_callback(handle_, nullptr, nullptr);
    mpv_terminate_destroy(handle_);
}

void MpvEngine::observe(std::initializer_list<Prop> props) {
    if (!handle_) return;
    for (Prop p : props)
        mpv_observe_property(handle_, static_cast<uint64_t>(p), Name(p), ObservedFormat(p));
}

double MpvEngine::number(Prop p, double fallback) const {
    double value = fallback;
    if (!handle_ || mpv_get_property(handle_, Name(p), MPV_FORMAT_DOUBLE, &value) < 0)
        return fallback;
    return value;
}

int64_t MpvEngine::integer(Prop p, int64_t fallback) const {
    int64_t value = fallback;
    if (!handle_ || mpv_get_property(handle_, Name(p), MPV_FORMAT_INT64, &value) < 0)
        return fallback;
    return value;
}

bool MpvEngine::flag(Prop p) const {
    int value = 0;
    if (!handle_ || mpv_get_property(handle_, Name(p), MPV_FORMAT_FLAG, &value) < 0) return false;
    return value != 0;
}

std::string MpvEngine::text(Prop p) const {
    if (!handle_) return {};
    char* value = mpv_get_property_string(handle_, Name(p));
    if (!value) return {};
    std::string result(value);
    mpv_free(value);
    return result;
}

bool MpvEngine::setNumber(Prop p, double value) {
    return handle_ && mpv_set_property(handle_, Name(p), MPV_FORMAT_DOUBLE, &value) >= 0;
}

bool MpvEngine::setFlag(Prop p, bool value) {
    int v = value ? 1 : 0;
    return handle_ && mpv_set_property(handle_, Name(p), MPV_FORMAT_FLAG, &v) >= 0;
}

bool MpvEngine::setText(Prop p, const std::string& value) {
    return handle_ && mpv_set_property_string(handle_, Name(p), value.c_str()) >= 0;
}

bool MpvEngine::command(std::vector<std::string> args) {
    if (!handle_) return false;
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    argv.push_back(nullptr);
    return mpv_command(handle_, argv.data()) >= 0;
}

void MpvEngine::drain() {
    drainPosted_ = false;
    // A handler may destroy the control (and so this engine); stop draining then.
    QPointer<MpvEngine> alive(this);
    while (alive && handle_) {
        const mpv_event* event = mpv_wait_event(handle_, 0);
        // Copy what is needed now: the event dies at the next wait.
        switch (event->event_id) {
            case MPV_EVENT_NONE:
                return;
            case MPV_EVENT_FILE_LOADED:
                if (onFileLoaded) onFileLoaded();
                break;
            case MPV_EVENT_END_FILE: {
                const auto* end = static_cast<const mpv_event_end_file*>(event->data);
                const EndReason reason = end->reason == MPV_END_FILE_REASON_EOF    ? EndReason::Eof
                                         : end->reason == MPV_END_FILE_REASON_STOP ? EndReason::Stop
                                         : end->reason == MPV_END_FILE_REASON_ERROR
                                             ? EndReason::Error
                                             : EndReason::Other;
                if (onEndFile) onEndFile(reason);
                break;
            }
            case MPV_EVENT_SEEK:
                if (onSeek) onSeek();
                break;
            case MPV_EVENT_PLAYBACK_RESTART:
                if (onPlaybackRestart) onPlaybackRestart();
                break;
            case MPV_EVENT_PROPERTY_CHANGE: {
                const auto* change = static_cast<const mpv_event_property*>(event->data);
                if (onPropertyChange)
                    onPropertyChange(static_cast<Prop>(event->reply_userdata), ValueOf(*change));
                break;
            }
            default:
                break;
        }
    }
}

}  // namespace zuk
