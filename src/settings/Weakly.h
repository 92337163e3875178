#pragma once

#include <QObject>
#include <QPointer>

#include <exception>
#include <memory>
#include <type_traits>

// The object a bound handler refers to no longer exists.
class WatcherError : public std::exception {
public:
    enum Kind { nilSelf };
    explicit WatcherError(Kind kind = nilSelf)
        : m_kind(kind) {}
    Kind kind() const { return m_kind; }
    const char *what() const noexcept override { return "WatcherError.nilSelf"; }

private:
    Kind m_kind;
};

// weakly(object, &Class::method) binds a method to an object held weakly. Called after the
// object is gone, a handler without a result does nothing; one with a result throws
// WatcherError::nilSelf.
template <typename Class, typename Result, typename... Args>
requires std::is_base_of_v<QObject, Class>
auto weakly(Class *object, Result (Class::*method)(Args...)) {
    return [ref = QPointer<Class>(object), method](Args... args) -> Result {
        Class *target = ref.data();
        if constexpr (std::is_void_v<Result>) {
            if (target)
                (target->*method)(std::forward<Args>(args)...);
        } else {
            if (!target)
                throw WatcherError(WatcherError::nilSelf);
            return (target->*method)(std::forward<Args>(args)...);
        }
    };
}

template <typename Class, typename Result, typename... Args>
auto weakly(const std::shared_ptr<Class> &object, Result (Class::*method)(Args...)) {
    return [ref = std::weak_ptr<Class>(object), method](Args... args) -> Result {
        const std::shared_ptr<Class> target = ref.lock();
        if constexpr (std::is_void_v<Result>) {
            if (target)
                ((*target).*method)(std::forward<Args>(args)...);
        } else {
            if (!target)
                throw WatcherError(WatcherError::nilSelf);
            return ((*target).*method)(std::forward<Args>(args)...);
        }
    };
}
