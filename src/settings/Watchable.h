#pragma once

#include "settings/Handler.h"

// A channel that also holds its current value. A new subscriber receives the current value
// once at once; every assignment delivers, equal or not.
template <typename T> class Watchable : public Handler<T> {
public:
    using typename Handler<T>::Function;

    explicit Watchable(T initial)
        : m_value(std::move(initial)) {}

    const T &value() const { return m_value; }
    void setValue(T value) {
        m_value = std::move(value);
        this->deliver(m_value);
    }

    // The current value goes to the handler even when no observer was given (and so
    // nothing was subscribed).
    void watch(ObserverKey observer, Function handler,
               std::optional<DeliveryQueue> queue = std::nullopt) override {
        if (!handler)
            return;
        const DeliveryQueue target = queue.value_or(DeliveryQueue::current());
        Handler<T>::watch(std::move(observer), handler, target);
        target.deliver([handler, value = m_value] { handler(value); });
    }

    void notify(const T &value) override { setValue(value); }
    // Delivers the current value again, as assigning it to itself would, without a copy.
    void republish() { this->deliver(m_value); }
    // Changes the value in place and delivers it: an assignment without copying a large value.
    template <typename Change> void modify(Change &&change) {
        change(m_value);
        this->deliver(m_value);
    }

private:
    T m_value;
};
