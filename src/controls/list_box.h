#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/control.h"

namespace zuk {

// A list box of texts with a selected flag per entry and a current index (the entry with the
// focus frame, -1 for none). Indices and counts are 16-bit in the original design: a list
// holds at most kMaxEntries entries, and adds beyond that are refused.
class ListBox : public Control {
  public:
    static constexpr int kMaxEntries = 32767;

    // What changed, for views: entries first..last (inclusive) inserted, removed, or their
    // selection changed; Reset means entries were removed anywhere (or all of them), so that
    // indices and flags may have changed throughout.
    struct Change {
        enum class Kind { Reset, Inserted, Removed, Selection, Current } kind;
        int first = 0;
        int last = -1;
    };

    Handler onDoubleClick;
    Handler onClick;

    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    bool full() const { return count() >= kMaxEntries; }
    const std::string& text(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    const std::vector<std::string>& texts() const { return items_; }

    // Appends; false (and nothing added) when the list is full.
    bool add(std::string text);
    // Appends as many as fit, in order; gives the number added.
    int addMany(std::vector<std::string> texts);
    void insert(int index, std::string text);
    void remove(int index);
    void clear();
    // Removes every entry for which test(index) holds, walking from the last index down (the
    // test may look at the entry's text and flags at that index). One notification.
    void removeIf(const std::function<bool(int)>& test);

    bool selected(int i) const { return selected_.at(static_cast<std::size_t>(i)) != 0; }
    void setSelected(int i, bool on);
    // Sets every flag to f(index, old flag), with one notification.
    void setAllSelected(const std::function<bool(int, bool)>& f);
    // The lowest selected index, or -1.
    int firstSelected() const;

    int currentIndex() const { return current_; }
    void setCurrentIndex(int i);

    void doubleClick() const { run(onDoubleClick); }

    // The width in pixels the entries may be scrolled sideways over (0: no horizontal scroll).
    int horizontalExtent() const { return horizontalExtent_; }
    void setHorizontalExtent(int pixels) { assign(horizontalExtent_, pixels); }

    [[nodiscard]] Subscription observeChanges(std::function<void(const Change&)> fn) {
        return changes_.add(std::move(fn));
    }

  private:
    void notify(Change::Kind kind, int first, int last) const {
        changes_.notify({kind, first, last});
    }
    void clampCurrent();

    std::vector<std::string> items_;
    std::vector<char> selected_;
    int current_ = -1;
    int horizontalExtent_ = 0;
    Observers<const Change&> changes_;
};

}  // namespace zuk
