#pragma once

#include <QRect>
#include <QWidget>

#include "controls/control.h"
#include "platform/qt/bindings.h"
#include "platform/qt/twips.h"

class QLineEdit;
class QSlider;

namespace zuk {

class Slider;
class TextBox;

inline QRect ToPixels(const TwipsRect& r) {
    return {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
            TwipsToPixels(r.height)};
}

// Makes a widget of type W inside parent, binds it to the model and places it (twips, relative
// to the parent).
template <class W, class Model>
W* Place(QWidget* parent, Model& model, TwipsRect r) {
    auto* w = new W(parent);
    w->setGeometry(ToPixels(r));
    Bind(w, model);
    return w;
}

// A horizontal slider with its ticks below.
QSlider* PlaceSlider(QWidget* parent, Slider& model, TwipsRect r);

// A text box that takes no drops of its own (drops on the window open files) and selects its
// whole text when clicked.
QLineEdit* PlaceTextBox(QWidget* parent, TextBox& model, TwipsRect r);

}  // namespace zuk
