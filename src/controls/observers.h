#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace zuk {

// Unsubscribes on destruction, so a view that dies before its model stops listening.
class Subscription {
  public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel) : cancel_(std::move(cancel)) {}
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    Subscription(Subscription&& other) noexcept : cancel_(std::exchange(other.cancel_, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            cancel_ = std::exchange(other.cancel_, {});
        }
        return *this;
    }
    ~Subscription() { reset(); }
    void reset() {
        if (cancel_) std::exchange(cancel_, {})();
    }

  private:
    std::function<void()> cancel_;
};

// The observers of one model (views). Logic handlers are not observers: each control has
// exactly one handler, set by the window that owns it. A subscription may outlive the model
// (views and models die in either order): cancelling it then does nothing.
template <class... Args>
class Observers {
  public:
    Observers() = default;
    Observers(const Observers&) = delete;
    Observers& operator=(const Observers&) = delete;

    [[nodiscard]] Subscription add(std::function<void(Args...)> fn) {
        const std::size_t id = ++lastId_;
        entries_->push_back({id, std::move(fn)});
        return Subscription([weak = std::weak_ptr<std::vector<Entry>>(entries_), id] {
            if (const auto entries = weak.lock())
                std::erase_if(*entries, [id](const Entry& e) { return e.id == id; });
        });
    }

    void notify(Args... args) const {
        if (entries_->empty()) return;
        // Copy: an observer may subscribe or unsubscribe while being notified.
        const auto snapshot = *entries_;
        for (const auto& e : snapshot) e.fn(args...);
    }

  private:
    struct Entry {
        std::size_t id;
        std::function<void(Args...)> fn;
    };
    std::shared_ptr<std::vector<Entry>> entries_ = std::make_shared<std::vector<Entry>>();
    std::size_t lastId_ = 0;
};

}  // namespace zuk
