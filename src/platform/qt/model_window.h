#pragma once

#include <QMainWindow>

namespace zuk {

class Window;

// A top-level Qt window bound to a Window model: caption, shown state and outer size (twips)
// follow the model; the close box asks the model, which may cancel; the user's resizing is
// reported to the model.
class ModelWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit ModelWindow(Window& model, QWidget* parent = nullptr);
    Window& model() const { return model_; }
    // The window opens centred on the screen the first time it is shown.
    void centreWhenFirstShown() { centre_ = true; }
    // Local files dropped on the window or its controls go to the model's drop handler, in the
    // order of the drop data; drops on except (and its children) are left alone.
    void acceptFileDrops(QWidget* except = nullptr);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void applyModel();
    bool takesDrop(const QDropEvent* event) const;
    void keepOnScreen();
    QSize frameExtra() const;

    Window& model_;
    bool applying_ = false;
    bool centre_ = false;
    QWidget* dropExcept_ = nullptr;
};

}  // namespace zuk
