#pragma once

#include "settings/DeliveryQueue.h"
#include "settings/SerialQueue.h"
#include "settings/WeakRef.h"

#include <optional>
#include <vector>

// A channel that delivers values of one type to its observers. Each subscription remembers
// the queue (thread with an event loop) it was made on: a delivery on that queue calls the
// handler at once, a delivery from elsewhere is posted there. Observers are held weakly and
// dropped once destroyed; there is no unsubscribe.
template <typename T> class Handler {
public:
    using Function = std::function<void(const T &)>;

    Handler()
        : synchronizingQueue("handler-operations") {}
    virtual ~Handler() = default;
    Handler(const Handler &) = delete;
    Handler &operator=(const Handler &) = delete;

    // Without an observer nothing is subscribed. Without a queue, the current one is taken.
    virtual void watch(ObserverKey observer, Function handler,
                       std::optional<DeliveryQueue> queue = std::nullopt) {
        if (observer.isNull() || !handler)
            return;
        const DeliveryQueue target = queue.value_or(DeliveryQueue::current());
        WeakRef<T> ref{observer, [target, handler, observer](const T &value) {
                           if (target.isCurrentOrNone()) {
                               handler(value);
                               return;
                           }
                           // The observer is looked at again when the posted call runs: it
                           // may be gone by then.
                           target.async([handler, value, observer] {
                               if (observer.isAlive())
                                   handler(value);
                           });
                       }};
        synchronizingQueue.sync([&] { watchers.push_back(std::move(ref)); });
    }

    // For channels without a value.
    void
    watch(ObserverKey observer, std::function<void()> handler,
          std::optional<DeliveryQueue> queue = std::nullopt) requires std::is_same_v<T, Nothing> {
        if (!handler)
            return;
        watch(std::move(observer), Function([handler](const Nothing &) { handler(); }), queue);
    }

    virtual void notify(const T &value) { deliver(value); }
    void notify() requires std::is_same_v<T, Nothing> { notify(Nothing{}); }

    std::size_t watcherCount() {
        return synchronizingQueue.sync([this] { return watchers.size(); });
    }

protected:
    void deliver(const T &value) {
        // Prune and snapshot under the lock, call outside it: a handler may subscribe to or
        // deliver through this very channel.
        const std::vector<WeakRef<T>> snapshot = synchronizingQueue.sync([this] {
            std::erase_if(watchers, [](const WeakRef<T> &ref) { return !ref.key.isAlive(); });
            return watchers;
        });
        for (const WeakRef<T> &ref : snapshot)
            ref.val(value);
    }

    std::vector<WeakRef<T>> watchers;
    SerialQueue synchronizingQueue;
};
