#include "platform/qt/placement.h"

#include <QEvent>
#include <QLineEdit>
#include <QSlider>
#include <QTimer>

namespace zuk {
namespace {

// Selects a text box's whole text when it is clicked (after the click has placed the cursor).
class SelectAllOnClick : public QObject {
  public:
    explicit SelectAllOnClick(QLineEdit* edit) : QObject(edit), edit_(edit) {
        edit->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonRelease)
            QTimer::singleShot(0, edit_, &QLineEdit::selectAll);
        return false;
    }

  private:
    QLineEdit* edit_;
};

}  // namespace

QSlider* PlaceSlider(QWidget* parent, Slider& model, TwipsRect r) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setTickPosition(QSlider::TicksBelow);
    s->setGeometry(ToPixels(r));
    Bind(s, model);
    return s;
}

QLineEdit* PlaceTextBox(QWidget* parent, TextBox& model, TwipsRect r) {
    auto* e = Place<QLineEdit>(parent, model, r);
    e->setAcceptDrops(false);
    e->setAlignment(Qt::AlignRight);
    new SelectAllOnClick(e);
    return e;
}

}  // namespace zuk
