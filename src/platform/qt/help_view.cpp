#include "platform/qt/help_view.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include "about/help_window.h"
#include "platform/qt/placement.h"
#include "platform/qt/qt_platform.h"

namespace zuk {
namespace {

// The program's picture: a disc with a play mark.
QPixmap ProgramPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(200, 30, 40));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(1, 1, size - 2, size - 2);
    QPainterPath play;
    play.moveTo(size * 0.38, size * 0.28);
    play.lineTo(size * 0.74, size * 0.5);
    play.lineTo(size * 0.38, size * 0.72);
    play.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(play);
    return pixmap;
}

QLabel* Link(QWidget* parent, Label& model, TwipsRect r) {
    auto* label = Place<QLabel>(parent, model, r);
    label->setStyleSheet("color: blue; text-decoration: underline;");
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

}  // namespace

HelpWindowView::HelpWindowView(HelpWindow& model, QtWindowOps& windowOps)
    : ModelWindow(model), help_(model) {
    windowOps.registerWindow(model, this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    centreWhenFirstShown();
    auto* client = new QWidget(this);
    setCentralWidget(client);

    auto* picture = Place<QLabel>(client, model.Picture1, {240, 240, 720, 720});
    picture->setPixmap(ProgramPicture(picture->width()));
    auto* name = Place<QLabel>(client, model.Label1, {1140, 240, 4020, 600});
    QFont big = name->font();
    big.setPointSize(18);
    big.setBold(true);
    name->setFont(big);
    name->setStyleSheet("color: red;");
    auto* rule = new QFrame(client);
    rule->setFrameShape(QFrame::HLine);
    rule->setGeometry(ToPixels({1140, 900, 4020, 30}));
    Place<QLabel>(client, model.Label2, {1140, 1020, 4020, 600});
    Link(client, model.Label3, {1140, 1740, 4020, 300});
    Place<QLabel>(client, model.Label5, {1140, 2160, 700, 300});
    Link(client, model.Label4, {1860, 2160, 3300, 300});
}

void HelpWindowView::mousePressEvent(QMouseEvent* event) {
    ModelWindow::mousePressEvent(event);
    run(help_.onSurfaceClick);
}

}  // namespace zuk
