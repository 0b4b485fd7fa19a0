#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "controls/observers.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QRadioButton;
class QSlider;
class QWidget;

namespace zuk {

class Button;
class CheckBox;
class Control;
class MenuItem;
class OptionButton;
class Slider;
class TextBox;

inline QString ToQt(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string FromQt(const QString& s) {
    return s.toStdString();
}

// Keeps a widget's model subscriptions alive exactly as long as the widget.
class SubscriptionHolder : public QObject {
    Q_OBJECT
  public:
    explicit SubscriptionHolder(QObject* owner) : QObject(owner) {}
    std::vector<Subscription> subscriptions;
};
void Keep(QObject* owner, Subscription s);

// Each binding mirrors the model in the widget (blocking the widget's own signals while it
// does) and turns the user's actions on the widget into the model's setters.
void BindFlags(QWidget* w, Control& c);
void Bind(QAbstractButton* w, Button& b);
void Bind(QLabel* w, Button& label);
void Bind(QGroupBox* w, Button& frame);
// A check box, or a push button that stays pressed in while the box is ticked.
void Bind(QAbstractButton* w, CheckBox& c);
void Bind(QRadioButton* w, OptionButton& o);
void Bind(QSlider* w, Slider& s);
void Bind(QLineEdit* w, TextBox& t);
// A press of any mouse button on the widget runs the button's mouse-down handling with the
// modifier keys held; a press the handling takes goes no further (no click follows, and the
// widget does not stay pressed under a menu the handling pops up).
void BindMouseDown(QWidget* w, Button& b);

// Adds a top menu to a menu bar and gives its drop-down menu; a top menu without items is a
// plain command (and gives nullptr).
QMenu* AddTopMenu(QMenuBar* bar, MenuItem& menu);
template <class Menus>
void BuildMenuBar(QMenuBar* bar, const Menus& menus) {
    for (MenuItem* m : menus) AddTopMenu(bar, *m);
}

}  // namespace zuk
