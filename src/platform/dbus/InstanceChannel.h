#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

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

    // What the running instance does for a name: `action` runs once the sender has its answer,
    // and `answer` goes back to the sender with it (a report of the instance's state; empty for
    // most actions).
    struct Served {
        std::function<void()> action;
        QString answer;
    };
    // What a name stands for; none for a name it does not know.
    using Lookup = std::function<std::optional<Served>(const QString &)>;

    explicit InstanceChannel(QObject *parent = nullptr);

    // Owns the name and serves the actions `lookup` finds. The sender is answered as soon as
    // the action is known and the action runs after that, so that one that opens a dialog (a
    // save that asks for a folder) does not keep it waiting.
    Listen listen(Lookup lookup);

    // Sends one action to the running instance; `answer` receives what it answered.
    static Result send(const QString &action, QString *message = nullptr,
                       QString *answer = nullptr);

    // What the running instance does with a file (`quillory --export PATH`, `--open PATH`):
    // empty when done, or why not.
    using FileRequest = std::function<QString(const QString &path)>;
    void setFileRequests(FileRequest exportTo, FileRequest open);
    // Hands a file to the running instance by `method` ("Export" or "Open") and waits until it
    // is done; `message` receives why not.
    static Result sendFile(const QString &method, const QString &path, QString *message);

public Q_SLOTS:
    // Whether the name is known, and the answer (empty for most actions).
    bool Action(const QString &name, QString &answer);
    QString Export(const QString &path);
    QString Open(const QString &path);

private:
    Lookup m_lookup;
    FileRequest m_export, m_open;
};
