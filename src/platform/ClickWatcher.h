#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

// Reports every pointer button press on the screen, over any program's window, without
// grabbing the pointer: XInput 2 raw events, selected on the root window while watching.
// Off X11 it reports nothing.
class ClickWatcher : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit ClickWatcher(QObject *parent = nullptr);
    ~ClickWatcher() override;

    void start();
    void stop();

Q_SIGNALS:
    void pressed();

protected:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    void select(bool on);

    int m_opcode = -1;
    bool m_watching = false;
};
