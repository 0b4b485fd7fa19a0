#include "platform/qt/model_window.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QScreen>
#include <QUrl>
#include <utility>

#include "controls/window.h"
#include "platform/qt/bindings.h"
#include "platform/qt/twips.h"

namespace zuk {

ModelWindow::ModelWindow(Window& model, QWidget* parent) : QMainWindow(parent), model_(model) {
    applyModel();
    Keep(this, model_.observe([this] { applyModel(); }));
}

// Borders and title bar that the window manager adds around the widget, in pixels.
QSize ModelWindow::frameExtra() const {
    return frameGeometry().size() - geometry().size();
}

void ModelWindow::applyModel() {
    if (applying_) return;
    applying_ = true;
    setWindowTitle(ToQt(model_.caption()));
    const QSize outer(TwipsToPixels(model_.width()), TwipsToPixels(model_.height()));
    const QSize inner = (outer - frameExtra()).expandedTo(QSize(1, 1));
    if (size() != inner) {
        resize(inner);
        keepOnScreen();
    }
    const auto state = model_.state();
    const Qt::WindowStates wanted = state == WindowState::Maximized   ? Qt::WindowMaximized
                                    : state == WindowState::Minimized ? Qt::WindowMinimized
                                                                      : Qt::WindowNoState;
    if ((windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) != wanted)
        setWindowState(wanted);
    if (model_.closed()) {
        // A close from code: close the Qt window too, so that the application ends with its
        // last window as it does after the close box.
        close();
    } else if (isVisible() != model_.visible()) {
        setVisible(model_.visible());
    }
    applying_ = false;
}

void ModelWindow::closeEvent(QCloseEvent* event) {
    if (model_.closed() || model_.requestClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void ModelWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (applying_) return;
    const QSize outer = event->size() + frameExtra();
    model_.resize(static_cast<int>(std::lround(PixelsToTwips(outer.width()))),
                  static_cast<int>(std::lround(PixelsToTwips(outer.height()))));
}

void ModelWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || applying_) return;
    const auto s = windowState();
    model_.setState(s & Qt::WindowMinimized   ? WindowState::Minimized
                    : s & Qt::WindowMaximized ? WindowState::Maximized
                                              : WindowState::Normal);
}

void ModelWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!std::exchange(centre_, false)) return;
    const QScreen* s = screen();
    if (!s) return;
    QRect frame = frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
}

void ModelWindow::acceptFileDrops(QWidget* except) {
    dropExcept_ = except;
    setAcceptDrops(true);
}

bool ModelWindow::takesDrop(const QDropEvent* event) const {
    if (!event->mimeData()->hasUrls()) return false;
    if (!dropExcept_) return true;
    const QPoint at = dropExcept_->mapFrom(this, event->position().toPoint());
    return !dropExcept_->isVisible() || !dropExcept_->rect().contains(at);
}

void ModelWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (takesDrop(event)) event->acceptProposedAction();
}

void ModelWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (takesDrop(event)) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void ModelWindow::dropEvent(QDropEvent* event) {
    if (!takesDrop(event) || !model_.onDrop) return;
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.push_back(FromQt(url.toLocalFile()));
    event->acceptProposedAction();
    model_.onDrop(paths);
}

// A window that grows (the main window fits itself around a larger picture) is moved back onto
// the screen where it would reach past the screen's right or bottom edge.
void ModelWindow::keepOnScreen() {
    const QScreen* s = screen();
    if (!s || !isVisible()) return;
    const QRect available = s->availableGeometry();
    const QRect frame(frameGeometry().topLeft(), size() + frameExtra());
    QPoint to = frame.topLeft();
    if (frame.right() > available.right())
        to.setX(std::max(available.left(), available.right() - frame.width() + 1));
    if (frame.bottom() > available.bottom())
        to.setY(std::max(available.top(), available.bottom() - frame.height() + 1));
    if (to != frame.topLeft()) move(to);
}

}  // namespace zuk
