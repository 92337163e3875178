#pragma once

#include "settings/Handler.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QWaitCondition>

#include <optional>
#include <thread>
#include <vector>

struct stat;

// The per-user preferences: a dictionary kept in an XML property list file. Values keep their
// property-list types; a reader that finds another type than it expects treats the key as
// absent. The whole file stays in memory, so keys and types this program does not know
// survive a rewrite. A write changes the value in memory at once, for every reader, and hands
// the file to a thread of the store's own, which writes it atomically (temporary file, fsync,
// rename): the caller never waits for the disk, and a burst of writes makes a few file writes
// of the newest values. A symbolic link at the path is written through and stays a link.
// A file changed by someone else is reloaded before the next access, with the changes not yet
// written made again on it. A damaged file, or anything but a regular file at the path, is
// moved aside to "<name>.damaged-<date>-<time>" and the store starts empty. All members are
// safe to call from any thread.
class PreferenceStore {
public:
    // Where the user's store lives: $XDG_CONFIG_HOME/quillory/preferences.plist.
    static QString standardFilePath();

    explicit PreferenceStore(QString filePath);
    // Writes what is still to be written, and waits for it.
    ~PreferenceStore();
    PreferenceStore(const PreferenceStore &) = delete;
    PreferenceStore &operator=(const PreferenceStore &) = delete;

    QString filePath() const { return m_filePath; }

    // A write that did not reach the file: which file, and why.
    struct WriteFailure {
        QString filePath;
        QString reason;
    };
    // Told of every failed write, after the store's lock is released, so a handler may read it.
    // A write that fails on the store's thread is told from there: a watcher hears of it on the
    // thread it watched from, through that thread's event loop.
    Handler<WriteFailure> writeFailedHandler;

    // Waits until every value set so far is in the file, or its write has failed (and been
    // told to writeFailedHandler). On the writer thread itself (a watcher without an event
    // loop) it returns at once.
    void flush();

    bool contains(const QString &key);
    std::optional<QString> string(const QString &key);
    std::optional<qint64> integer(const QString &key);
    std::optional<bool> boolean(const QString &key);
    // Dates are kept to the second, as the XML form holds them.
    std::optional<QDateTime> date(const QString &key);
    std::optional<QByteArray> data(const QString &key);
    // An array whose elements are all integers; an array holding anything else is another type.
    std::optional<QList<qint64>> integerArray(const QString &key);
    // An array read entry by entry: an entry that is not an integer is none, the others keep
    // their places.
    std::optional<QList<std::optional<qint64>>> integerEntries(const QString &key);

    // Each writer returns true once the value is in memory and the file is on its way to the
    // disk; a write that fails there is told to writeFailedHandler. It returns false when the
    // file is known not to take the value: it exists but could not be read. The value is kept
    // in memory all the same, so the running program goes on with it, and the next write that
    // succeeds carries it. A value with which the file would be one the next start refuses to
    // read (larger than PropertyListGuard::maxFileSize, say) is refused instead, false too:
    // the previous value stays, in memory and in the file.
    // libplist keeps strings NUL-terminated: a string is stored up to its first NUL character.
    bool setString(const QString &key, const QString &value);
    bool setInteger(const QString &key, qint64 value);
    bool setBool(const QString &key, bool value);
    // Stored to the whole second. Fails (stores nothing) for an invalid date or one outside
    // 1932-12-13 .. 2069-01-19, the range libplist 2.2 can hold.
    bool setDate(const QString &key, const QDateTime &value);
    bool setData(const QString &key, const QByteArray &value);
    bool setIntegerArray(const QString &key, const QList<qint64> &value);
    bool remove(const QString &key);
    // Several keys in one write, so that no reader sees some of them gone and others not.
    bool remove(const QStringList &keys);

private:
    // What stat() says about the file; a difference means someone else changed it.
    struct FileStamp {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const FileStamp &) const = default;
    };

    static std::optional<FileStamp> statPath(const QString &path);
    static FileStamp stampOf(const struct stat &st);

    // A change the file may not hold yet.
    struct Change {
        quint64 serial;
        QByteArray key;
        void *node; // plist_t, a copy of the value; nullptr for a removal
    };
    // What came of one file write.
    struct Written {
        QString failure;                // empty when the file was written
        std::optional<FileStamp> stamp; // the new file's, while it stands at the path
    };

    void refreshLocked();
    void loadLocked();
    void removeStaleTemporariesLocked();
    void moveDamagedFileAsideLocked(const FileStamp &readStamp, const QString &reason);
    void *nodeLocked(const QString &key);
    bool setNode(const QString &key, void *node);
    void recordLocked(const QByteArray &key, void *node);
    // The file the tree makes, or nothing with `failure` set (and logged); `refused` tells a
    // file the next start would not read.
    std::optional<QByteArray> fileContentLocked(QString &failure, bool *refused = nullptr);
    // Gives the writer thread the content for the changes made so far.
    void handOverLocked(QByteArray content);
    // Both of the above: why the file cannot be written, or an empty string.
    QString queueLocked();
    // Lets go of the lock, then tells writeFailedHandler of a failure; true when there is none.
    bool reportAndUnlock(QMutexLocker<QMutex> &lock, const QString &failure);
    QString writeFailure(const QString &reason) const;
    // The writer thread's part: one file write, without the lock.
    Written writeFile(const QByteArray &content) const;
    void writeLoop();

    const QString m_filePath;
    QMutex m_mutex;
    void *m_root = nullptr; // plist_t, a dictionary
    bool m_loaded = false;
    FileStamp m_stamp;
    // The file exists but could not be read: never replace what we could not read.
    bool m_unreadable = false;

    // In the order made, one per key; dropped once a file holding them is in place.
    std::vector<Change> m_unwritten;
    quint64 m_serial = 0;                // the last change's
    std::optional<QByteArray> m_pending; // the newest file content the writer has not taken
    quint64 m_pendingSerial = 0;         // the last change it holds
    bool m_writing = false;
    bool m_stopping = false;
    QWaitCondition m_wake; // for the writer: content to write, or the end
    QWaitCondition m_idle; // for flush(): a write is done
    std::thread m_writer;  // started by the first write
};
