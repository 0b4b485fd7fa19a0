#include "platform/qt/list_box_view.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyledItemDelegate>
#include <algorithm>
#include <numeric>
#include <vector>

#include "platform/qt/bindings.h"

namespace zuk {
namespace {

// Applies the selection commands of Qt's view to the list box's flags and keeps no ranges of
// its own. A command with "Current" replaces the part of the selection still being made (a
// Shift range, a drag) and so starts again from the flags that were set before it began.
class FlagSelectionModel : public QItemSelectionModel {
  public:
    FlagSelectionModel(ListBox& box, QAbstractItemModel* model, QObject* parent)
        : QItemSelectionModel(model, parent), box_(box) {}

    void select(const QModelIndex& index, SelectionFlags command) override {
        select(QItemSelection(index, index), command);
    }

    void select(const QItemSelection& selection, SelectionFlags command) override {
        if (command == NoUpdate) return;
        const int count = box_.count();
        if (command & Clear) {
            before_.assign(static_cast<std::size_t>(count), 0);
        } else if (!(command & Current) || std::ssize(before_) != count) {
            before_.resize(static_cast<std::size_t>(count));
            for (int i = 0; i < count; ++i) before_[static_cast<std::size_t>(i)] = box_.selected(i);
        }
        std::vector<char> next = before_;
        for (const QItemSelectionRange& range : selection) {
            if (!range.isValid()) continue;
            for (int i = std::max(range.top(), 0); i <= std::min(range.bottom(), count - 1); ++i) {
                char& flag = next[static_cast<std::size_t>(i)];
                if (command & Toggle) {
                    flag = !before_[static_cast<std::size_t>(i)];
                } else if (command & Select) {
                    flag = 1;
                } else if (command & Deselect) {
                    flag = 0;
                }
            }
        }
        box_.setAllSelected(
            [&next](int i, bool) { return next[static_cast<std::size_t>(i)] != 0; });
    }

  private:
    ListBox& box_;
    std::vector<char> before_;  // the flags before the selection being made
};

// Paints a row from the list box: the highlight when its flag is set, the text on one line,
// the focus frame on the current entry.
class EntryDelegate : public QStyledItemDelegate {
  public:
    EntryDelegate(const ListBox& box, QObject* parent) : QStyledItemDelegate(parent), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = index.row() < box_.count() && box_.selected(index.row());
        const QPalette::ColorGroup group =
            !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
            : option.state & QStyle::State_Active   ? QPalette::Active
                                                    : QPalette::Inactive;
        if (selected)
            painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
        const int margin =
            style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
        const QFontMetrics& metrics = option.fontMetrics;
        const int baseline =
            option.rect.top() + (option.rect.height() - metrics.height()) / 2 + metrics.ascent();
        painter->drawText(QPoint(option.rect.left() + margin, baseline), index.data().toString());
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor =
                option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
        }
    }

  private:
    const ListBox& box_;
};

}  // namespace

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
    QItemSelectionModel* standard = selectionModel();
    setSelectionModel(new FlagSelectionModel(box, model_, this));
    delete standard;
    setItemDelegate(new EntryDelegate(box, this));
    setUniformItemSizes(true);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollMode(ScrollPerPixel);
    // Drops belong to the window, whatever control they land on.
    setDragDropMode(NoDragDrop);
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
    BindFlags(this, box);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { takeCurrent(current); });
    connect(this, &QListView::doubleClicked, this, [&box] { box.doubleClick(); });
    Keep(this, box.observeChanges([this](const ListBox::Change& c) { applyChange(c); }));
    Keep(this, box.observe([this] { updateItemSize(); }));

    textWidth_ = widestText(0, box.count() - 1);
    updateItemSize();
    pushCurrent();
}

// Qt decides a mouse press and release from its own selection model, which holds nothing
// here; the same rules, asked of the flags.
QItemSelectionModel::SelectionFlags ListBoxView::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const {
    using Flags = QItemSelectionModel::SelectionFlags;
    const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
    if (!mouse || selectionMode() != ExtendedSelection)
        return QListView::selectionCommand(index, event);
    const bool shift = mouse->modifiers() & Qt::ShiftModifier;
    const bool ctrl = mouse->modifiers() & Qt::ControlModifier;
    const bool right = mouse->button() == Qt::RightButton;
    const bool selected = index.isValid() && box_.selected(index.row());
    const Flags rows = QItemSelectionModel::Rows;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if ((shift || ctrl) && right) return QItemSelectionModel::NoUpdate;
            // A press on a selected entry selects it alone on release (it may start a drag).
            if (!shift && !ctrl && selected) return QItemSelectionModel::NoUpdate;
            if (!index.isValid())
                return right || shift || ctrl ? QItemSelectionModel::NoUpdate
                                              : QItemSelectionModel::Clear;
            if (ctrl && !shift) return ctrlDrag_ | rows;
            break;
        case QEvent::MouseMove:
            if (ctrl) return ctrlDrag_ | QItemSelectionModel::Current | rows;
            break;
        case QEvent::MouseButtonRelease: {
            const bool onPressed = index.isValid() && index == pressed_ && selected;
            if ((onPressed || !index.isValid()) && state() != DragSelectingState && !shift &&
                !ctrl && (!right || !index.isValid()))
                return QItemSelectionModel::ClearAndSelect | rows;
            return QItemSelectionModel::NoUpdate;
        }
        default:
            break;
    }
    return QListView::selectionCommand(index, event);
}

void ListBoxView::mousePressEvent(QMouseEvent* event) {
    pressed_ = indexAt(event->position().toPoint());
    ctrlDrag_ = pressed_.isValid() && box_.selected(pressed_.row()) ? QItemSelectionModel::Deselect
                                                                    : QItemSelectionModel::Select;
    QListView::mousePressEvent(event);
}

void ListBoxView::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    updateItemSize();
}

void ListBoxView::applyChange(const ListBox::Change& change) {
    using Kind = ListBox::Change::Kind;
    switch (change.kind) {
        case Kind::Selection:
            viewport()->update();
            return;
        case Kind::Current:
            if (!syncing_) pushCurrent();
            return;
        case Kind::Reset:
            // A reset follows a clear or the removal of entries: the widest entry can only
            // have narrowed, and the old width (a little spare room to scroll) saves measuring.
            if (box_.empty()) textWidth_ = 0;
            break;
        case Kind::Inserted:
            textWidth_ = std::max(textWidth_, widestText(change.first, change.last));
            break;
        case Kind::Removed:
            break;
    }
    // Qt moves its current item by itself while rows come and go; what it reports meanwhile
    // is not the user's doing.
    syncing_ = true;
    model_->apply(change);
    syncing_ = false;
    updateItemSize();
    pushCurrent();
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
    const auto bytes = [&texts](int row) { return texts[static_cast<std::size_t>(row)].size(); };
    if (std::ssize(rows) > kMeasured) {
        std::nth_element(rows.begin(), rows.begin() + kMeasured, rows.end(),
                         [&bytes](int a, int b) { return bytes(a) > bytes(b); });
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
