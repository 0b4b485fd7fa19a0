#include "platform/mpv/video_surface.h"

#include <mpv/render_gl.h>

#include <QKeyEvent>
#include <QMouseEvent>

namespace zuk {
namespace {

void* GlProc(void*, const char* name) {
    const QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

// Neither depth nor stencil buffers: the engine needs none, and under a software renderer
// clearing them costs CPU on every frame.
QSurfaceFormat PictureFormat() {
    QSurfaceFormat format;
    format.setDepthBufferSize(0);
    format.setStencilBufferSize(0);
    format.setSwapInterval(0);
    return format;
}

}  // namespace

VideoSurface::VideoSurface(mpv_handle* engine) {
    setSurfaceType(QSurface::OpenGLSurface);
    setFormat(PictureFormat());
    create();
    context_.setFormat(PictureFormat());
    offscreen_.setFormat(PictureFormat());
    offscreen_.create();
    if (!context_.create() || !context_.makeCurrent(&offscreen_)) return;
    mpv_opengl_init_params gl{GlProc, nullptr};
    int advanced = 0;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl},
        {MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&render_, engine, params) < 0) {
        render_ = nullptr;
        context_.doneCurrent();
        return;
    }
    // Called on an engine thread: only post.
    mpv_render_context_set_update_callback(
        render_,
        [](void* self) {
            auto* surface = static_cast<VideoSurface*>(self);
            if (surface->updatePosted_.exchange(true)) return;
            QMetaObject::invokeMethod(surface, &VideoSurface::engineUpdated, Qt::QueuedConnection);
        },
        this);
    context_.doneCurrent();
}

VideoSurface::~VideoSurface() {
    if (!render_) return;
    mpv_render_context_set_update_callback(render_, nullptr, nullptr);
    context_.makeCurrent(&offscreen_);
    mpv_render_context_free(render_);
    context_.doneCurrent();
}

void VideoSurface::engineUpdated() {
    updatePosted_ = false;
    if (render_ && (mpv_render_context_update(render_) & MPV_RENDER_UPDATE_FRAME)) requestUpdate();
}

void VideoSurface::render() {
    if (!render_ || !isExposed() || !context_.makeCurrent(this)) return;
    const qreal ratio = devicePixelRatio();
    mpv_opengl_fbo fbo{static_cast<int>(context_.defaultFramebufferObject()),
                       static_cast<int>(width() * ratio), static_cast<int>(height() * ratio), 0};
    int flipY = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(render_, params);
    context_.swapBuffers(this);
    mpv_render_context_report_swap(render_);
}

bool VideoSurface::event(QEvent* e) {
    if (e->type() == QEvent::UpdateRequest) {
        render();
        return true;
    }
    return QWindow::event(e);
}

void VideoSurface::exposeEvent(QExposeEvent*) {
    render();
}

void VideoSurface::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && onEscape) onEscape();
}

void VideoSurface::mouseDoubleClickEvent(QMouseEvent*) {
    if (onDoubleClick) onDoubleClick();
}

}  // namespace zuk
