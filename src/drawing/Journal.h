#pragma once

#include "drawing/DrawingFile.h"

#include <QByteArray>
#include <QJsonArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>

class DrawingViewModel;
class QThread;

// Keeps what is drawn on disk as it is drawn, so that a crash, a kill or a display that goes
// away loses nothing: every screen, board and page (not fading ink, not the zoom's shapes), a
// moment after each change. The file is a drawing file (docs/drawing-file.md) on its first
// line, then a line for each change since: the shapes added to a list, or a list as it now is.
// A shape is encoded once, when it is first kept, so a change costs what changed, not what is
// drawn; once the changes outgrow the first line, the whole file is written again. A thread
// of the journal's own writes (appends, synced to the disk within two seconds; a rewrite
// atomically), so the main thread never waits on the disk.
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
    // Writes what changed now and waits until the system has it: safe from a crash.
    void writeNow();
    // … and until it is on the disk: safe from a power cut.
    void sync();

    // The document a journal's text holds: its first line, with the changes after it made.
    // A last line cut short (the end came while it was written) is left out.
    static std::optional<DrawingDocument> read(const QByteArray &text, QString *error);

private:
    class Writer;
    // A shape list by the screen's name, the surface and the page.
    using ListKey = std::tuple<QString, int, int>;

    void schedule();
    // Hands the writer what changed since the last write (or everything); `wait`: until it is
    // on disk.
    void write(bool wait, bool whole = false);
    const QByteArray &encoded(const std::shared_ptr<Renderable> &shape);
    QByteArray spliced(const QByteArray &json, const std::vector<const Drawings *> &lists);

    DrawingViewModel &m_model;
    const QString m_filePath;
    QTimer m_delay;
    bool m_following = false;
    bool m_closed = false;
    QThread *m_thread;
    Writer *m_writer;
    // Set on a quit that removes the journal: whatever is still queued is let go.
    std::shared_ptr<std::atomic<bool>> m_dropped;
    // What the file holds, list by list, and how much was added since it was last whole.
    // (By address: a shape written stays encoded, and so alive, until the next whole write.)
    using Written = std::vector<const Renderable *>;
    std::map<ListKey, Written> m_written;
    qsizetype m_wholeBytes = 0, m_addedBytes = 0;
    // The page each board shows, as written.
    QJsonArray m_shownPages;
    bool m_hasFile = false;
    // Each shape's JSON text, made once: a finished shape never changes. The shape is held, so
    // that its address stands for no other while it is here.
    std::unordered_map<const Renderable *, std::pair<std::shared_ptr<Renderable>, QByteArray>>
        m_encoded;
};
