#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the event loop on SIGTERM, SIGINT and SIGHUP (a session logging out, Ctrl+C in a
// terminal, a closed terminal), so that Quillory quits the ordinary way: its shortcuts
// released, its windows gone. The handler only writes a byte to a socket; the quitting
// happens in the event loop.
class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

private:
    static void handle(int signal);
    static inline int s_fds[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};
