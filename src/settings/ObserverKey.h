#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <variant>

// A weak reference to "any object": a QObject (widgets, controllers) or an object owned by
// shared pointers (models). It never keeps its object alive.
class ObserverKey {
public:
    ObserverKey() = default;
    ObserverKey(const QObject *object) {
        if (object)
            m_ref = QPointer<QObject>(const_cast<QObject *>(object));
    }
    template <typename T> ObserverKey(const std::shared_ptr<T> &object) {
        if (object)
            m_ref = std::weak_ptr<const void>(std::static_pointer_cast<const void>(object));
    }

    bool isNull() const { return std::holds_alternative<std::monostate>(m_ref); }
    bool isAlive() const {
        if (const auto *qt = std::get_if<QPointer<QObject>>(&m_ref))
            return !qt->isNull();
        if (const auto *shared = std::get_if<std::weak_ptr<const void>>(&m_ref))
            return !shared->expired();
        return false;
    }

private:
    std::variant<std::monostate, QPointer<QObject>, std::weak_ptr<const void>> m_ref;
};
