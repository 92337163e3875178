#pragma once

#include "settings/ObserverKey.h"

#include <functional>

// The payload of a channel that carries no value.
struct Nothing {
    friend bool operator==(Nothing, Nothing) { return true; }
};

// One subscription: the observer, held weakly, and the function that delivers a value to
// the subscriber's handler on the subscriber's queue.
template <typename T> struct WeakRef {
    ObserverKey key;
    std::function<void(const T &)> val;
};
