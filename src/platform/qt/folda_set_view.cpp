#include "platform/qt/folda_set_view.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/list_box_view.h"
#include "platform/qt/placement.h"
#include "platform/qt/qt_platform.h"
#include "playlist/folda_set_window.h"

namespace zuk {

FoldaSetWindowView::FoldaSetWindowView(FoldaSetWindow& model, QtWindowOps& windowOps)
    : ModelWindow(model) {
    windowOps.registerWindow(model, this);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    auto* client = new QWidget(this);
    setCentralWidget(client);

    auto* subFolders = Place<QGroupBox>(client, model.Frame1, {120, 60, 4455, 660});
    Place<QCheckBox>(subFolders, model.Check1, {240, 300, 4095, 270});

    auto* extensions = Place<QGroupBox>(client, model.Frame2, {120, 780, 4455, 1860});
    QLineEdit* text = PlaceTextBox(extensions, model.Text1, {240, 330, 1455, 300});
    text->setAlignment(Qt::AlignLeft);
    // Enter adds the extension and goes no further.
    QObject::connect(text, &QLineEdit::returnPressed, text, [&model] { model.Text1.enter(); });
    Place<QPushButton>(extensions, model.Command1, {1815, 300, 1095, 345})->setAutoDefault(false);
    Place<QPushButton>(extensions, model.Command2, {1815, 705, 1095, 345})->setAutoDefault(false);
    Place<QPushButton>(extensions, model.Command3, {1815, 1110, 1095, 345})->setAutoDefault(false);
    auto* list = new ListBoxView(model.List1, extensions);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setGeometry(ToPixels({3030, 300, 1305, 1155}));
    auto* hint = Place<QLabel>(extensions, model.Label1, {240, 1530, 4095, 255});
    hint->setWordWrap(true);

    Place<QPushButton>(client, model.Command4, {1800, 2730, 1095, 375});
}

}  // namespace zuk
