#pragma once

#include <mutex>
#include <string>

// A labelled serial section: work passed to sync() runs one caller at a time and the caller
// waits for it. It guards short bookkeeping only; no callbacks run inside it.
class SerialQueue {
public:
    explicit SerialQueue(std::string label)
        : m_label(std::move(label)) {}

    const std::string &label() const { return m_label; }

    template <typename Work> auto sync(Work &&work) {
        std::lock_guard lock(m_mutex);
        return work();
    }

private:
    std::string m_label;
    std::mutex m_mutex;
};
