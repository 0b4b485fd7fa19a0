#pragma once

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QWindow>
#include <atomic>
#include <functional>

struct mpv_handle;
struct mpv_render_context;

namespace zuk {

// The picture: a native OpenGL window that the engine draws into with its render API,
// straight into the window's own framebuffer (no extra frame copy, which keeps the CPU cost
// at the level of the engine's own window), and which works on X11 and Wayland alike. The GL
// context and the engine's render context exist from construction, before the window is ever
// shown, so a file can start while the control is still hidden. Lives in a window container.
class VideoSurface : public QWindow {
    Q_OBJECT
  public:
    explicit VideoSurface(mpv_handle* engine);
    ~VideoSurface() override;
    VideoSurface(const VideoSurface&) = delete;
    VideoSurface& operator=(const VideoSurface&) = delete;

    // False when no GL context or render context could be made; the picture stays black.
    bool ok() const { return render_ != nullptr; }

    std::function<void()> onDoubleClick;
    std::function<void()> onEscape;

  protected:
    bool event(QEvent* e) override;
    void exposeEvent(QExposeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    void engineUpdated();
    void render();

    QOpenGLContext context_;
    // Where the context is current while the window may not yet (or no longer) be on screen.
    QOffscreenSurface offscreen_;
    mpv_render_context* render_ = nullptr;
    std::atomic<bool> updatePosted_{false};
};

}  // namespace zuk
