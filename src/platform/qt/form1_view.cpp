#include "platform/qt/form1_view.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "assoc/form1.h"
#include "platform/qt/bindings.h"
#include "platform/qt/placement.h"

namespace zuk {
namespace {

// Places in twips, inside the window's client area.
constexpr int kToggleWidth = 735, kToggleHeight = 375, kTogglesPerRow = 7;
constexpr int kToggleLeft = 120, kToggleTop = 270, kToggleStepX = 810, kToggleStepY = 405;
constexpr int kButtonTop = 1680, kButtonWidth = 1215, kButtonHeight = 330;

QPushButton* AddButton(QWidget* parent, Button& model, int left) {
    auto* button = new QPushButton(parent);
    button->setGeometry(ToPixels({left, kButtonTop, kButtonWidth, kButtonHeight}));
    Bind(button, model);
    return button;
}

}  // namespace

Form1View::Form1View(Form1& model) : model_(model) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The captions were laid out for a 9-point dialog font; larger ones clip the frame's text.
    QFont small = font();
    small.setPointSize(9);
    setFont(small);

    auto* frame = new QGroupBox(this);
    frame->setGeometry(ToPixels({60, 60, 5850, 1560}));
    Bind(frame, model.Frame1);
    for (int i = 0; i < static_cast<int>(model.toggles.size()); ++i) {
        auto* toggle = new QPushButton(frame);
        toggle->setGeometry(ToPixels({kToggleLeft + (i % kTogglesPerRow) * kToggleStepX,
                                      kToggleTop + (i / kTogglesPerRow) * kToggleStepY,
                                      kToggleWidth, kToggleHeight}));
        // Enter on a toggle presses "設定", not the toggle, as with check boxes.
        toggle->setAutoDefault(false);
        Bind(toggle, *model.toggles[static_cast<std::size_t>(i)]);
    }
    AddButton(this, model.Command1, 3420)->setDefault(true);
    AddButton(this, model.Command2, 4740);

    applyModel();
    Keep(this, model_.observe([this] { applyModel(); }));
}

void Form1View::applyModel() {
    setWindowTitle(ToQt(model_.caption()));
    if (model_.closed()) {
        if (isVisible()) close();
    } else if (isVisible() != model_.visible()) {
        setVisible(model_.visible());
    }
}

void Form1View::placeOnScreen() {
    const QSize outer(TwipsToPixels(model_.width()), TwipsToPixels(model_.height()));
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    setFixedSize((outer - frameExtra).expandedTo(QSize(1, 1)));
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
}

void Form1View::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeOnScreen();
    // The window manager's frame is known only once the window is on screen.
    QTimer::singleShot(0, this, [this] { placeOnScreen(); });
}

void Form1View::reject() {
    model_.Command2.click();
}

void Form1View::closeEvent(QCloseEvent* event) {
    if (model_.closed() || model_.requestClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace zuk

#include "moc_form1_view.cpp"
