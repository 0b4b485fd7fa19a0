#include "controls/list_box.h"

#include <algorithm>
#include <iterator>

namespace zuk {

bool ListBox::add(std::string text) {
    if (full()) return false;
    items_.push_back(std::move(text));
    selected_.push_back(0);
    notify(Change::Kind::Inserted, count() - 1, count() - 1);
    return true;
}

int ListBox::addMany(std::vector<std::string> texts) {
    const int room = kMaxEntries - count();
    const int n = std::min(room, static_cast<int>(texts.size()));
    if (n <= 0) return 0;
    const int first = count();
    items_.insert(items_.end(), std::make_move_iterator(texts.begin()),
                  std::make_move_iterator(texts.begin() + n));
    selected_.resize(items_.size(), 0);
    notify(Change::Kind::Inserted, first, count() - 1);
    return n;
}

void ListBox::insert(int index, std::string text) {
    if (full() || index < 0 || index > count()) return;
    items_.insert(items_.begin() + index, std::move(text));
    selected_.insert(selected_.begin() + index, 0);
    if (current_ >= index) ++current_;
    notify(Change::Kind::Inserted, index, index);
}

void ListBox::remove(int index) {
    if (index < 0 || index >= count()) return;
    items_.erase(items_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (current_ > index) --current_;
    clampCurrent();
    notify(Change::Kind::Removed, index, index);
}

void ListBox::clear() {
    if (items_.empty()) return;
    items_.clear();
    selected_.clear();
    current_ = -1;
    notify(Change::Kind::Reset, 0, -1);
}

void ListBox::removeIf(const std::function<bool(int)>& test) {
    // Decide every index first (from the last down, as the commands describe), then compact
    // once: removing entries one by one would be quadratic on a full list.
    std::vector<char> doomed(items_.size(), 0);
    bool any = false;
    for (int i = count() - 1; i >= 0; --i) {
        doomed[static_cast<std::size_t>(i)] = test(i) ? 1 : 0;
        any = any || doomed[static_cast<std::size_t>(i)];
    }
    if (!any) return;
    std::size_t out = 0;
    int newCurrent = -1;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (doomed[i]) continue;
        if (static_cast<int>(i) == current_) newCurrent = static_cast<int>(out);
        // Entries before the first removed one stay where they are: moving a string onto
        // itself would empty it.
        if (out != i) {
            items_[out] = std::move(items_[i]);
            selected_[out] = selected_[i];
        }
        ++out;
    }
    items_.resize(out);
    selected_.resize(out);
    current_ = newCurrent != -1 ? newCurrent : std::min(current_, count() - 1);
    notify(Change::Kind::Reset, 0, -1);
}

void ListBox::setSelected(int i, bool on) {
    if (i < 0 || i >= count()) return;
    char& flag = selected_[static_cast<std::size_t>(i)];
    if ((flag != 0) == on) return;
    flag = on ? 1 : 0;
    notify(Change::Kind::Selection, i, i);
}

void ListBox::setAllSelected(const std::function<bool(int, bool)>& f) {
    if (items_.empty()) return;
    for (std::size_t i = 0; i < selected_.size(); ++i)
        selected_[i] = f(static_cast<int>(i), selected_[i] != 0) ? 1 : 0;
    notify(Change::Kind::Selection, 0, count() - 1);
}

int ListBox::firstSelected() const {
    const auto it = std::find(selected_.begin(), selected_.end(), 1);
    return it == selected_.end() ? -1 : static_cast<int>(it - selected_.begin());
}

void ListBox::setCurrentIndex(int i) {
    if (i < -1 || i >= count() || i == current_) return;
    current_ = i;
    notify(Change::Kind::Current, i, i);
}

void ListBox::clampCurrent() {
    if (current_ >= count()) current_ = count() - 1;
}

}  // namespace zuk
