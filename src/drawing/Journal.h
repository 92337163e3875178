#pragma once

#include "drawing/DrawingFile.h"

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>
#include <unordered_map>

class DrawingViewModel;
class QThread;

// Keeps what is drawn on disk as it is drawn, so that a crash, a kill or a display that goes
// away loses nothing: a drawing file (every screen, board and page; not fading ink, not the
// zoom's shapes) rewritten a moment after each change. The main thread only puts the document
// together from shapes it encoded once; a thread of the journal's own writes it atomically
// (temporary file, fsync, rename), and a burst of changes makes one write of the newest.
//
// The presenter's own quit removes it, or keeps it aside for the next start when the
// presenter keeps drawings. Any other end (a signal, the display gone, a crash) leaves it, and
// the next start brings it back.
class Journal : public QObject {
    Q_OBJECT
public:
    // $XDG_STATE_HOME/quillory/journal.quillory
    static QString standardFilePath();
    // How long after a change the journal is written.
    static constexpr int writeDelay = 250; // ms

    Journal(DrawingViewModel &model, QString filePath, QObject *parent = nullptr);
    // Writes what is drawn and waits for it: the end of a session, not the presenter's quit.
    ~Journal() override;

    QString filePath() const { return m_filePath; }
    // Where a quit that keeps the drawings leaves them for the next start.
    QString keptFilePath() const;

    // What the start found.
    struct Recovery {
        int shapes = 0;
        // The previous run ended without the presenter's quit.
        bool unclean = false;
        // A journal that could not be read was moved here; why it could not.
        QString setAsidePath, error;
    };
    // Brings back what an earlier run left (its journal, or the drawings its quit kept), then
    // follows the model. A journal that cannot be read is moved aside.
    Recovery recover();
    // The presenter's quit: the journal goes, or with `keep` stays for the next start.
    void close(bool keep);
    // Writes what is drawn now and waits until it is on disk.
    void writeNow();

private:
    class Writer;
    void schedule();
    void write(bool wait);
    QJsonObject encoded(const std::shared_ptr<Renderable> &shape);

    DrawingViewModel &m_model;
    const QString m_filePath;
    QTimer m_delay;
    bool m_following = false;
    bool m_closed = false;
    QThread *m_thread;
    Writer *m_writer;
    std::shared_ptr<std::atomic<quint64>> m_latest;
    // Each shape's object, made once: a finished shape never changes. The shape is held, so
    // that its address stands for no other while it is here.
    std::unordered_map<const Renderable *, std::pair<std::shared_ptr<Renderable>, QJsonObject>>
        m_encoded;
};
