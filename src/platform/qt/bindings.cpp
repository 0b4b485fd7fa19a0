#include "platform/qt/bindings.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include "controls/button.h"
#include "controls/check_box.h"
#include "controls/menu_item.h"
#include "controls/option_button.h"
#include "controls/slider.h"
#include "controls/text_box.h"
#include "platform/qt/twips.h"

namespace zuk {
namespace {

// Runs fn on the given event type of a widget (clicks on labels, typed characters).
class EventHook : public QObject {
  public:
    EventHook(QObject* target, QEvent::Type type, std::function<bool(QEvent*)> fn)
        : QObject(target), type_(type), fn_(std::move(fn)) {
        target->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == type_ && fn_(e); }

  private:
    QEvent::Type type_;
    std::function<bool(QEvent*)> fn_;
};

template <class Widget, class Model, class Apply>
void Mirror(Widget* w, Model& m, Apply apply) {
    auto update = [w, &m, apply] {
        const QSignalBlocker block(w);
        apply(w, m);
    };
    update();
    Keep(w, m.observe(update));
}

void MirrorCaption(QWidget* w, Control& c, void (*setText)(QWidget*, const QString&)) {
    Mirror(w, c, [setText](QWidget* widget, Control& m) { setText(widget, ToQt(m.caption())); });
}

}  // namespace

void Keep(QObject* owner, Subscription s) {
    auto* holder = owner->findChild<SubscriptionHolder*>(QString(), Qt::FindDirectChildrenOnly);
    if (!holder) holder = new SubscriptionHolder(owner);
    holder->subscriptions.push_back(std::move(s));
}

void BindFlags(QWidget* w, Control& c) {
    Mirror(w, c, [](QWidget* widget, Control& m) {
        widget->setEnabled(m.enabled());
        widget->setToolTip(ToQt(m.tooltip()));
        if (const TwipsRect& r = m.geometry(); !r.empty()) {
            const QRect place(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
                              TwipsToPixels(r.height));
            if (widget->geometry() != place) widget->setGeometry(place);
        }
        if (widget->isVisibleTo(widget->parentWidget()) != m.visible())
            widget->setVisible(m.visible());
    });
}

void Bind(QAbstractButton* w, Button& b) {
    BindFlags(w, b);
    MirrorCaption(
        w, b, [](QWidget* x, const QString& t) { static_cast<QAbstractButton*>(x)->setText(t); });
    QObject::connect(w, &QAbstractButton::clicked, w, [&b] { b.click(); });
}

void Bind(QLabel* w, Button& label) {
    BindFlags(w, label);
    MirrorCaption(w, label,
                  [](QWidget* x, const QString& t) { static_cast<QLabel*>(x)->setText(t); });
    new EventHook(w, QEvent::MouseButtonRelease, [&label](QEvent*) {
        label.click();
        return false;
    });
}

void Bind(QGroupBox* w, Button& frame) {
    BindFlags(w, frame);
    MirrorCaption(w, frame,
                  [](QWidget* x, const QString& t) { static_cast<QGroupBox*>(x)->setTitle(t); });
}

void Bind(QAbstractButton* w, CheckBox& c) {
    BindFlags(w, c);
    w->setCheckable(true);
    MirrorCaption(
        w, c, [](QWidget* x, const QString& t) { static_cast<QAbstractButton*>(x)->setText(t); });
    Mirror(w, c, [](QAbstractButton* x, CheckBox& m) { x->setChecked(m.ticked()); });
    QObject::connect(w, &QAbstractButton::toggled, w, [&c](bool on) { c.setValue(on ? 1 : 0); });
}

void Bind(QRadioButton* w, OptionButton& o) {
    BindFlags(w, o);
    // The model keeps the group exclusive; Qt's own exclusivity would fight it.
    w->setAutoExclusive(false);
    MirrorCaption(w, o,
                  [](QWidget* x, const QString& t) { static_cast<QRadioButton*>(x)->setText(t); });
    Mirror(w, o, [](QRadioButton* x, OptionButton& m) { x->setChecked(m.value()); });
    QObject::connect(w, &QRadioButton::clicked, w, [w, &o] {
        o.setValue(true);
        const QSignalBlocker block(w);
        w->setChecked(o.value());  // a click on a selected option does not deselect it
    });
}

void Bind(QSlider* w, Slider& s) {
    BindFlags(w, s);
    Mirror(w, s, [](QSlider* x, Slider& m) {
        const auto& r = m.range();
        x->setRange(r.min, r.max);
        x->setSingleStep(r.smallStep);
        x->setPageStep(r.largeStep);
        x->setTickInterval(r.tickFrequency);
        x->setValue(m.value());
    });
    QObject::connect(w, &QSlider::valueChanged, w, [&s](int v) { s.setValue(v); });
    // Any press on the slider, on its handle or beside it, with any button; the press and the
    // release still reach the slider itself afterwards.
    new EventHook(w, QEvent::MouseButtonPress, [&s](QEvent*) {
        s.mouseDown();
        return false;
    });
    new EventHook(w, QEvent::MouseButtonRelease, [&s](QEvent*) {
        s.mouseUp();
        return false;
    });
}

void Bind(QLineEdit* w, TextBox& t) {
    BindFlags(w, t);
    if (t.maxLength() > 0) w->setMaxLength(t.maxLength());
    Mirror(w, t, [](QLineEdit* x, TextBox& m) {
        if (x->text() != ToQt(m.text())) x->setText(ToQt(m.text()));
    });
    QObject::connect(w, &QLineEdit::textEdited, w,
                     [&t](const QString& text) { t.setText(FromQt(text)); });
    new EventHook(w, QEvent::KeyPress, [&t](QEvent* e) {
        const QString typed = static_cast<QKeyEvent*>(e)->text();
        if (typed.isEmpty() || typed.at(0) == QChar('\x7f')) return false;  // navigation keys
        const char32_t key = typed.toUcs4().value(0);
        return !t.acceptsKey(key);
    });
    new EventHook(w, QEvent::MouseButtonRelease, [&t](QEvent*) {
        t.click();
        return false;
    });
}

void BindMouseDown(QWidget* w, Button& b) {
    new EventHook(w, QEvent::MouseButtonPress, [&b](QEvent* e) {
        const Qt::KeyboardModifiers m = static_cast<QMouseEvent*>(e)->modifiers();
        return b.mouseDown({m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
                            m.testFlag(Qt::AltModifier)});
    });
}

QMenu* AddTopMenu(QMenuBar* bar, MenuItem& menu) {
    if (menu.items().empty()) {
        QAction* action = bar->addAction(ToQt(menu.caption()));
        QObject::connect(action, &QAction::triggered, bar, [&menu] { menu.click(); });
        return nullptr;
    }
    QMenu* qmenu = bar->addMenu(ToQt(menu.caption()));
    QObject::connect(qmenu, &QMenu::aboutToShow, qmenu, [&menu] { menu.open(); });
    for (MenuItem* item : menu.items()) {
        if (item->separator()) {
            qmenu->addSeparator();
            continue;
        }
        QAction* action = qmenu->addAction(ToQt(item->caption()));
        action->setObjectName(ToQt(item->name()));
        if (item->ctrlKey() != 0)
            action->setShortcut(QKeySequence(QString("Ctrl+%1").arg(QChar(item->ctrlKey()))));
        action->setCheckable(item->checkable());
        auto update = [action, item] {
            action->setChecked(item->checked());
            action->setEnabled(item->enabled());
            action->setVisible(item->visible());
            action->setText(ToQt(item->caption()));
        };
        update();
        Keep(action, item->observe(update));
        // The command decides the check mark itself; Qt's own toggle is undone first.
        QObject::connect(action, &QAction::triggered, action, [action, item] {
            action->setChecked(item->checked());
            item->click();
        });
    }
    return qmenu;
}

}  // namespace zuk

// Compiled here rather than in the library's bundle of generated code, so that a program using
// only the bindings (bindra) does not pull in every other view's meta-object with it.
#include "moc_bindings.cpp"
