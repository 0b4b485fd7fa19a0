#include "platform/qt/list_box_view.h"

#include <QItemSelectionModel>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <numeric>
#include <vector>

#include "platform/qt/bindings.h"

namespace zuk {

ListBoxModel::ListBoxModel(const ListBox& box, QObject* parent)
    : QAbstractListModel(parent), box_(box), rows_(box.count()) {}

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= box_.count()) return {};
    if (role == Qt::DisplayRole) return ToQt(box_.text(index.row()));
    if (role == Qt::SizeHintRole && itemSize_.isValid()) return itemSize_;
    return {};
}

void ListBoxModel::apply(const ListBox::Change& change) {
    const int rows = change.last - change.first + 1;
    switch (change.kind) {
        case ListBox::Change::Kind::Reset:
            beginResetModel();
            rows_ = box_.count();
            endResetModel();
            break;
        case ListBox::Change::Kind::Inserted:
            beginInsertRows({}, change.first, change.last);
            rows_ += rows;
            endInsertRows();
            break;
        case ListBox::Change::Kind::Removed:
            beginRemoveRows({}, change.first, change.last);
            rows_ -= rows;
            endRemoveRows();
            break;
        case ListBox::Change::Kind::Selection:
        case ListBox::Change::Kind::Current:
            break;
    }
}

ListBoxView::ListBoxView(ListBox& box, QWidget* parent)
    : QListView(parent), box_(box), model_(new ListBoxModel(box, this)) {
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollMode(ScrollPerPixel);
    // Drops belong to the window, whatever control they land on.
    setDragDropMode(NoDragDrop);
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
    BindFlags(this, box);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                takeSelection(selected, deselected);
            });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { takeCurrent(current); });
    connect(this, &QListView::doubleClicked, this, [&box] { box.doubleClick(); });
    Keep(this, box.observeChanges([this](const ListBox::Change& c) { applyChange(c); }));
    Keep(this, box.observe([this] { updateItemSize(); }));

    textWidth_ = widestText(0, box.count() - 1);
    updateItemSize();
    pushSelection();
    pushCurrent();
}

void ListBoxView::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    updateItemSize();
}

void ListBoxView::applyChange(const ListBox::Change& change) {
    using Kind = ListBox::Change::Kind;
    switch (change.kind) {
        case Kind::Selection:
            if (!syncing_) pushSelection();
            return;
        case Kind::Current:
            if (!syncing_) pushCurrent();
            return;
        case Kind::Reset:
            textWidth_ = widestText(0, box_.count() - 1);
            break;
        case Kind::Inserted:
            textWidth_ = std::max(textWidth_, widestText(change.first, change.last));
            break;
        case Kind::Removed:
            break;
    }
    // Qt moves its current item and selection by itself while rows come and go; what it
    // reports meanwhile is not the user's doing.
    syncing_ = true;
    model_->apply(change);
    syncing_ = false;
    updateItemSize();
    const bool insertedInside = change.kind == Kind::Inserted && change.last + 1 < box_.count();
    if (change.kind == Kind::Reset || insertedInside) pushSelection();
    pushCurrent();
}

// Clears the view's selection, then selects each run of selected entries: two calls that
// each compare against an empty selection, which keeps Qt's bookkeeping linear.
void ListBoxView::pushSelection() {
    syncing_ = true;
    QItemSelectionModel* selection = selectionModel();
    selection->clearSelection();
    QItemSelection runs;
    const int count = box_.count();
    for (int first = 0; first < count; ++first) {
        if (!box_.selected(first)) continue;
        int last = first;
        while (last + 1 < count && box_.selected(last + 1)) ++last;
        runs.append(QItemSelectionRange(model_->index(first), model_->index(last)));
        first = last;
    }
    if (!runs.isEmpty()) selection->select(runs, QItemSelectionModel::Select);
    syncing_ = false;
}

void ListBoxView::pushCurrent() {
    syncing_ = true;
    const int current = box_.currentIndex();
    const QModelIndex index = current == -1 ? QModelIndex() : model_->index(current);
    // Not QAbstractItemView::setCurrentIndex, which would select the entry as well.
    if (selectionModel()->currentIndex() != index)
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    syncing_ = false;
}

void ListBoxView::takeSelection(const QItemSelection& selected, const QItemSelection& deselected) {
    if (syncing_) return;
    syncing_ = true;
    for (const QItemSelectionRange& r : deselected)
        box_.setRangeSelected(r.top(), r.bottom(), false);
    for (const QItemSelectionRange& r : selected) box_.setRangeSelected(r.top(), r.bottom(), true);
    syncing_ = false;
}

void ListBoxView::takeCurrent(const QModelIndex& current) {
    if (syncing_) return;
    syncing_ = true;
    box_.setCurrentIndex(current.isValid() ? current.row() : -1);
    syncing_ = false;
}

// Measuring every entry would cost a text layout per row: the longest texts by bytes are
// measured instead, and among them is the widest one in all but contrived lists.
int ListBoxView::widestText(int first, int last) const {
    constexpr std::ptrdiff_t kMeasured = 8;
    if (first > last) return 0;
    const std::vector<std::string>& texts = box_.texts();
    std::vector<int> rows(static_cast<std::size_t>(last - first + 1));
    std::iota(rows.begin(), rows.end(), first);
    const auto longer = [&texts](int a, int b) {
        return texts[static_cast<std::size_t>(a)].size() >
               texts[static_cast<std::size_t>(b)].size();
    };
    if (std::ssize(rows) > kMeasured) {
        std::nth_element(rows.begin(), rows.begin() + kMeasured, rows.end(), longer);
        rows.resize(kMeasured);
    }
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (int row : rows)
        widest =
            std::max(widest, metrics.horizontalAdvance(ToQt(texts[static_cast<std::size_t>(row)])));
    return widest;
}

// Every row is as high as the style makes a line of text and as wide as the widest of: the
// list box's scroll extent, the widest entry seen, the visible area.
void ListBoxView::updateItemSize() {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("Ag");
    const QSize line = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this);
    const int margins = line.width() - fontMetrics().horizontalAdvance(option.text);
    const QSize size(std::max({box_.horizontalExtent(), textWidth_ + margins, viewport()->width()}),
                     line.height());
    if (model_->itemSize() == size) return;
    model_->setItemSize(size);
    scheduleDelayedItemsLayout();
}

}  // namespace zuk
