#pragma once

#include "settings/Handler.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <optional>

struct stat;

// The per-user preferences: a dictionary kept in an XML property list file. Values keep their
// property-list types; a reader that finds another type than it expects treats the key as
// absent. The whole file stays in memory, so keys and types this program does not know
// survive a rewrite. Every write goes to disk at once, atomically (temporary file, fsync,
// rename). A file changed by someone else is reloaded before the next access. A damaged file,
// or anything but a regular file at the path, is moved aside to "<name>.damaged-<date>-<time>"
// and the store starts empty. All members are safe to call from any thread.
class PreferenceStore {
public:
    // Where the user's store lives: $XDG_CONFIG_HOME/quillory/preferences.plist.
    static QString standardFilePath();

    explicit PreferenceStore(QString filePath);
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
    Handler<WriteFailure> writeFailedHandler;

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

    // Each writer returns false when the file could not be written; the value is kept in
    // memory all the same, so the running program goes on with it.
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

    void refreshLocked();
    void loadLocked();
    void removeStaleTemporariesLocked();
    void moveDamagedFileAsideLocked(const FileStamp &readStamp, const QString &reason);
    void *nodeLocked(const QString &key);
    bool setNode(const QString &key, void *node);
    // Writes the file and lets go of the lock; a failure goes to writeFailedHandler.
    bool writeAndUnlock(QMutexLocker<QMutex> &lock);
    // Why the file could not be written, or an empty string when it was.
    QString writeLocked();

    const QString m_filePath;
    QMutex m_mutex;
    void *m_root = nullptr; // plist_t, a dictionary
    bool m_loaded = false;
    FileStamp m_stamp;
    // The file exists but could not be read: never replace what we could not read.
    bool m_unreadable = false;
};
