#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QPersistentModelIndex>
#include <QSize>

#include "controls/list_box.h"

namespace zuk {

// The entries of a ListBox as a Qt list model. The list box tells of a change after it has
// made it, so the model keeps its own row count and moves it only between Qt's begin and end
// calls; rows the list box no longer has read as empty meanwhile.
class ListBoxModel : public QAbstractListModel {
    Q_OBJECT
  public:
    ListBoxModel(const ListBox& box, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Every row has this size: the view sets it wide enough for its longest entries.
    QSize itemSize() const { return itemSize_; }
    void setItemSize(QSize size) { itemSize_ = size; }
    // Tells the views of an insertion, a removal or a reset the list box has already made.
    void apply(const ListBox::Change& change);

  private:
    const ListBox& box_;
    int rows_;
    QSize itemSize_;
};

// A list view of a ListBox with extended selection (click, Shift and Ctrl with the mouse or the
// keyboard, dragging). The selection lives in the list box's flags alone: Qt's selection model
// would keep a range per run of selected rows and search them all for every row it paints,
// which a full list with every other entry selected brings to a crawl. So the view's selection
// commands are applied to the flags, rows are painted from the flags, and a change of the flags
// only repaints; a bulk change costs one pass over the flags. The current entry is kept in step
// both ways. Rows have one height and a width that lets long paths scroll sideways.
class ListBoxView : public QListView {
    Q_OBJECT
  public:
    ListBoxView(ListBox& box, QWidget* parent);

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void applyChange(const ListBox::Change& change);
    void pushCurrent();
    void takeCurrent(const QModelIndex& current);
    int widestText(int first, int last) const;
    void updateItemSize();

    ListBox& box_;
    ListBoxModel* model_;
    bool syncing_ = false;  // set while the current entry is being brought in step
    int textWidth_ = 0;     // the widest entry seen, in pixels
    QPersistentModelIndex pressed_;
    // What a Ctrl press did to the pressed entry; a Ctrl drag does the same to the others.
    QItemSelectionModel::SelectionFlag ctrlDrag_ = QItemSelectionModel::Select;
};

}  // namespace zuk
