#pragma once

#include <QObject>
#include <QString>

#include <functional>

// One Quillory per session, and a remote control for it. The running instance owns a name on
// the session bus and takes actions by name ("activate", "pen", …); a second launch or
// `quillory --action NAME` hands its request over and exits. Desktops whose shortcut settings
// cannot reach an X11 key grab (Wayland sessions) bind their own shortcuts to the latter.
class InstanceChannel : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.quillory.Quillory")
public:
    static const QString serviceName;
    static const QString objectPath;

    enum class Listen { listening, alreadyRunning, noBus };
    enum class Result { done, nothingRunning, unknownAction, noBus };

    explicit InstanceChannel(QObject *parent = nullptr);

    // Owns the name and serves actions through `handler`, which answers false for a name it
    // does not know.
    Listen listen(std::function<bool(const QString &)> handler);

    // Sends one action to the running instance.
    static Result send(const QString &action, QString *message = nullptr);

public Q_SLOTS:
    bool Action(const QString &name);

private:
    std::function<bool(const QString &)> m_handler;
};
