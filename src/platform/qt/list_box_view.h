#pragma once

#include <QAbstractListModel>
#include <QListView>
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

// A list view of a ListBox with extended selection: the list box's selected flags and current
// index and the view's selection and current item follow each other both ways. Bulk changes
// cost one pass over the flags and one Qt call per run of selected entries, never a call per
// row. Rows have one height and a width that lets long paths scroll sideways.
class ListBoxView : public QListView {
    Q_OBJECT
  public:
    ListBoxView(ListBox& box, QWidget* parent);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void applyChange(const ListBox::Change& change);
    void pushSelection();
    void pushCurrent();
    void takeSelection(const QItemSelection& selected, const QItemSelection& deselected);
    void takeCurrent(const QModelIndex& current);
    int widestText(int first, int last) const;
    void updateItemSize();

    ListBox& box_;
    ListBoxModel* model_;
    bool syncing_ = false;  // set while one side is being brought in step with the other
    int textWidth_ = 0;     // the widest entry seen, in pixels
};

}  // namespace zuk
