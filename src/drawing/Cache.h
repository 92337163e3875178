#pragma once

#include <unordered_map>

// A small keyed store that lives as long as its owner; the drawing model keeps one shape list
// per screen in it.
template <typename Key, typename Value> class Cache {
public:
    std::unordered_map<Key, Value> data;
};
