#pragma once

#include <functional>
#include <map>
#include <memory>

namespace zqf {

// Lets views watch a model without the model knowing them. A subscription ends
// when its handle goes, and a handle outliving its model is harmless.
class Subscription {
  public:
    Subscription() = default;
    Subscription(std::weak_ptr<std::map<int, std::function<void()>>> list, int id)
        : list_(std::move(list)), id_(id) {}
    Subscription(Subscription&& other) noexcept { *this = std::move(other); }
    Subscription& operator=(Subscription&& other) noexcept {
        reset();
        list_ = std::move(other.list_);
        id_ = other.id_;
        other.list_.reset();
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { reset(); }

    void reset() {
        if (const auto list = list_.lock()) {
            list->erase(id_);
        }
        list_.reset();
    }

  private:
    std::weak_ptr<std::map<int, std::function<void()>>> list_;
    int id_ = 0;
};

class Observable {
  public:
    [[nodiscard]] Subscription subscribe(std::function<void()> observer) {
        const int id = next_id_++;
        observers_->emplace(id, std::move(observer));
        return {observers_, id};
    }

  protected:
    void notify() const {
        // A copy, so an observer may subscribe or unsubscribe while being told.
        const auto observers = *observers_;
        for (const auto& [id, observer] : observers) {
            observer();
        }
    }

  private:
    std::shared_ptr<std::map<int, std::function<void()>>> observers_ =
        std::make_shared<std::map<int, std::function<void()>>>();
    int next_id_ = 1;
};

} // namespace zqf
