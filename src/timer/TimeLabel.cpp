#include "timer/TimeLabel.h"

#include "timer/TimerSettings.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace {

class AccessibleTimeLabel : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleTimeLabel(TimeLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    TimeLabel *label() const { return static_cast<TimeLabel *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description || t == QAccessible::Value)
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return label()->reading(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return QVariant(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("TimeLabel") && object && object->isWidgetType())
        return new AccessibleTimeLabel(static_cast<TimeLabel *>(object));
    return nullptr;
}

} // namespace

TimeLabel::TimeLabel(QWidget *parent)
    : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
    //% "Time left"
    setAccessibleName(qtTrId("timer.time.accessible"));
    setReading(0);
}

void TimeLabel::setReading(qint64 seconds) {
    m_seconds = seconds;
    setText(TimerSettings::timeText(seconds));
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, seconds);
        QAccessible::updateAccessibility(&event);
    }
}
