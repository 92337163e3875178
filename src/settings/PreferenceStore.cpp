#include "settings/PreferenceStore.h"

#include "platform/DiagnosticLog.h"
#include "settings/PropertyListGuard.h"

#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

#include <plist/plist.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Property-list dates count seconds from 2001-01-01 00:00:00 UTC.
constexpr qint64 referenceDateMs = 978'307'200'000LL;

QString errnoText(int error) {
    return qt_error_string(error);
}

QByteArray keyBytes(const QString &key) {
    return key.toUtf8();
}

// rename() that never replaces an existing file; falls back to a check where the file system
// does not support RENAME_NOREPLACE.
int renameNoReplace(const QByteArray &from, const QByteArray &to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    struct stat st;
    if (::lstat(to.constData(), &st) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from.constData(), to.constData());
}

// Creates the folder and any missing parents, private to the user as XDG asks of
// $XDG_CONFIG_HOME. Returns the error, or 0.
int makeFolder(const QString &folder) {
    const QByteArray path = QFile::encodeName(folder);
    struct stat st;
    if (::stat(path.constData(), &st) == 0)
        return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    const QString parent = QFileInfo(folder).path();
    if (parent != folder) {
        if (const int error = makeFolder(parent))
            return error;
    }
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return errno;
    return 0;
}

bool writeAll(int fd, const char *data, size_t length) {
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        length -= size_t(written);
    }
    return true;
}

QString notARegularFile(mode_t mode) {
    const char *kind = S_ISDIR(mode)                    ? "a folder"
                       : S_ISFIFO(mode)                 ? "a FIFO"
                       : S_ISSOCK(mode)                 ? "a socket"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                                                        : "something else";
    return QStringLiteral("it is %1, not a regular file").arg(QLatin1String(kind));
}

// Where a write goes so that the path stays what it is: the path itself or, for a symbolic link
// (dotfile managers link the file to the copy in their repository), the file the link leads
// to. A link that leads nowhere or round in a circle gives an empty string and `problem`.
QString writeTarget(const QString &path, QString &problem) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char *resolved = ::realpath(name.constData(), nullptr);
    if (!resolved) {
        const int error = errno;
        problem = error == ENOENT || error == ENOTDIR
                      ? QStringLiteral("it is a symbolic link to %1, which does not exist")
                            .arg(QFile::symLinkTarget(path))
                  : error == ELOOP
                      ? QStringLiteral("it is a symbolic link that leads round in a circle")
                      : QStringLiteral("it is a symbolic link that cannot be followed (%1)")
                            .arg(errnoText(error));
        problem += QStringLiteral("; the link is left as it is");
        return {};
    }
    const QString target = QFile::decodeName(resolved);
    std::free(resolved);
    return target;
}

// libplist takes the strings of a binary file as they are, UTF-8 or not. Written out as XML,
// text that is not UTF-8 would make the next read of our own file fail, so such a file counts
// as damaged. Why the tree's XML form would not read back, or an empty string.
QString xmlFormProblem(plist_t root) {
    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root, &xml, &length);
    if (!xml)
        return QStringLiteral("it cannot be converted to XML");
    const QString problem = PropertyListGuard::problem(QByteArray(xml, qsizetype(length)));
    plist_to_xml_free(xml);
    return problem;
}

} // namespace

QString PreferenceStore::standardFilePath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    // XDG: a relative path is invalid and to be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/quillory/preferences.plist"));
}

PreferenceStore::PreferenceStore(QString filePath)
    : m_filePath(std::move(filePath))
    , m_root(plist_new_dict()) {}

PreferenceStore::~PreferenceStore() {
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
        m_wake.wakeAll();
    }
    if (m_writer.joinable())
        m_writer.join();
    for (const Change &change : m_unwritten) {
        if (change.node)
            plist_free(change.node);
    }
    plist_free(m_root);
}

void PreferenceStore::flush() {
    QMutexLocker lock(&m_mutex);
    // A watcher without an event loop hears of a failure on the writer thread, in the middle
    // of its write: waiting there would wait for itself.
    if (std::this_thread::get_id() == m_writer.get_id())
        return;
    while (m_pending || m_writing)
        m_idle.wait(&m_mutex);
}

std::optional<PreferenceStore::FileStamp> PreferenceStore::statPath(const QString &path) {
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return stampOf(st);
}

PreferenceStore::FileStamp PreferenceStore::stampOf(const struct stat &st) {
    FileStamp stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    stamp.changedNs = qint64(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
    return stamp;
}

// One stat() per access: reload when the file is not what we last read or wrote.
void PreferenceStore::refreshLocked() {
    const FileStamp current = statPath(m_filePath).value_or(FileStamp{});
    if (m_loaded && current == m_stamp)
        return;
    loadLocked();
    // Someone else wrote the file while ours was still to be written: our changes are made
    // again on theirs, and the two go to disk together.
    if (m_unwritten.empty())
        return;
    for (const Change &change : m_unwritten) {
        if (change.node)
            plist_dict_set_item(m_root, change.key.constData(), plist_copy(change.node));
        else if (plist_dict_get_item(m_root, change.key.constData()))
            plist_dict_remove_item(m_root, change.key.constData());
    }
    queueLocked();
}

// A crash between creating a temporary file and renaming it leaves the temporary behind.
// Only old ones are removed: a young one may belong to another process writing right now.
void PreferenceStore::removeStaleTemporariesLocked() {
    QString problem;
    const QString target = writeTarget(m_filePath, problem);
    if (target.isEmpty())
        return;
    const QFileInfo info(target);
    const QDateTime limit = QDateTime::currentDateTimeUtc().addSecs(-600);
    const QFileInfoList candidates = info.absoluteDir().entryInfoList(
        {QLatin1Char('.') + info.fileName() + QStringLiteral(".??????")},
        QDir::Files | QDir::Hidden);
    for (const QFileInfo &candidate : candidates) {
        if (candidate.lastModified().toUTC() < limit)
            QFile::remove(candidate.absoluteFilePath());
    }
}

void PreferenceStore::loadLocked() {
    if (!m_loaded)
        removeStaleTemporariesLocked();
    m_loaded = true;
    m_unreadable = false;
    m_stamp = FileStamp{};
    plist_free(m_root);
    m_root = plist_new_dict();

    // Only a regular file is opened: a FIFO would hold up the start until someone writes to
    // it, and a device may act on being opened.
    const QByteArray path = QFile::encodeName(m_filePath);
    struct stat st;
    if (::stat(path.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        m_stamp = stampOf(st);
        moveDamagedFileAsideLocked(m_stamp, notARegularFile(st.st_mode));
        return;
    }
    // Non-blocking all the same, for a FIFO put there since.
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return; // no file yet: an empty store
        m_stamp = statPath(m_filePath).value_or(FileStamp{});
        m_unreadable = m_stamp.exists;
        QLOG_ERROR("Could not read preferences file", m_filePath + QLatin1Char(':'),
                   errnoText(error));
        return;
    }

    QString problem;
    QByteArray bytes;
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        m_stamp = statPath(m_filePath).value_or(FileStamp{});
        m_unreadable = m_stamp.exists;
        QLOG_ERROR("Could not read preferences file", m_filePath + QLatin1Char(':'),
                   errnoText(error));
        return;
    }
    const FileStamp readStamp = stampOf(st);
    m_stamp = readStamp;
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        moveDamagedFileAsideLocked(readStamp, notARegularFile(st.st_mode));
        return;
    }

    if (st.st_size > PropertyListGuard::maxFileSize) {
        problem = QStringLiteral("the file is too large (%1 bytes)").arg(st.st_size);
    } else {
        char buffer[16384];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                const int error = errno;
                ::close(fd);
                m_unreadable = true;
                QLOG_ERROR("Could not read preferences file", m_filePath + QLatin1Char(':'),
                           errnoText(error));
                return;
            }
            if (got == 0)
                break;
            bytes.append(buffer, got);
            if (bytes.size() > PropertyListGuard::maxFileSize)
                break; // grew while we read; the guard below refuses it
        }
    }
    ::close(fd);

    if (problem.isEmpty())
        problem = PropertyListGuard::problem(bytes);
    if (problem.isEmpty()) {
        plist_t parsed = nullptr;
        if (PropertyListGuard::isBinary(bytes))
            plist_from_bin(bytes.constData(), uint32_t(bytes.size()), &parsed);
        else
            plist_from_xml(bytes.constData(), uint32_t(bytes.size()), &parsed);
        if (!parsed) {
            problem = QStringLiteral("not a property list");
        } else if (plist_get_node_type(parsed) != PLIST_DICT) {
            problem = QStringLiteral("the top level is not a dictionary");
            plist_free(parsed);
        } else if (const QString unwritable =
                       PropertyListGuard::isBinary(bytes) ? xmlFormProblem(parsed) : QString();
                   !unwritable.isEmpty()) {
            problem = QStringLiteral("its XML form would be damaged: ") + unwritable;
            plist_free(parsed);
        } else {
            plist_free(m_root);
            m_root = parsed;
            return;
        }
    }
    moveDamagedFileAsideLocked(readStamp, problem);
}

// Keeps the user's damaged file beside the new one instead of overwriting it.
void PreferenceStore::moveDamagedFileAsideLocked(const FileStamp &readStamp,
                                                 const QString &reason) {
    const std::optional<FileStamp> current = statPath(m_filePath);
    if (!current || current->device != readStamp.device || current->inode != readStamp.inode) {
        // Replaced while we read it: the next access reads the new file.
        QLOG_ERROR("Preferences file is damaged:", m_filePath, "(" + reason + ")",
                   "- it has been replaced meanwhile");
        return;
    }

    const QString base = m_filePath + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QByteArray from = QFile::encodeName(m_filePath);
    for (int n = 1; n <= 1000; ++n) {
        const QString target = n == 1 ? base : base + QLatin1Char('-') + QString::number(n);
        if (renameNoReplace(from, QFile::encodeName(target)) == 0) {
            m_stamp = statPath(m_filePath).value_or(FileStamp{});
            QLOG_ERROR("Preferences file is damaged:", m_filePath, "(" + reason + ");", "kept as",
                       target, "and starting with empty preferences");
            return;
        }
        if (errno != EEXIST) {
            const int error = errno;
            m_unreadable = true;
            QLOG_ERROR("Preferences file is damaged:", m_filePath, "(" + reason + ");",
                       "could not move it aside:", errnoText(error),
                       "- preferences will not be saved");
            return;
        }
    }
    m_unreadable = true;
    QLOG_ERROR("Preferences file is damaged:", m_filePath, "(" + reason + ");",
               "could not find a free name to move it aside - preferences will not be saved");
}

QString PreferenceStore::writeFailure(const QString &reason) const {
    QLOG_ERROR("Could not write preferences file", m_filePath + QLatin1Char(':'), reason,
               "- the previous file is left as it was");
    return reason;
}

std::optional<QByteArray> PreferenceStore::fileContentLocked(QString &failure, bool *refused) {
    if (m_unreadable) {
        failure =
            writeFailure(QStringLiteral("the existing file could not be read and is not replaced"));
        return std::nullopt;
    }
    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(m_root, &xml, &length);
    if (!xml) {
        failure = writeFailure(QStringLiteral("the preferences could not be converted to XML"));
        return std::nullopt;
    }
    QByteArray content(xml, qsizetype(length));
    plist_to_xml_free(xml);
    // A file the next start would set aside as damaged would lose every preference: it is
    // checked as that start will check it.
    if (const QString problem = PropertyListGuard::problem(content); !problem.isEmpty()) {
        if (refused)
            *refused = true;
        failure = writeFailure(QStringLiteral("it would not be read back: ") + problem);
        return std::nullopt;
    }
    return content;
}

void PreferenceStore::handOverLocked(QByteArray content) {
    m_pending = std::move(content);
    m_pendingSerial = m_serial;
    if (!m_writer.joinable())
        m_writer = std::thread(&PreferenceStore::writeLoop, this);
    m_wake.wakeAll();
}

QString PreferenceStore::queueLocked() {
    QString failure;
    if (std::optional<QByteArray> content = fileContentLocked(failure))
        handOverLocked(std::move(*content));
    return failure;
}

bool PreferenceStore::reportAndUnlock(QMutexLocker<QMutex> &lock, const QString &failure) {
    lock.unlock();
    if (failure.isEmpty())
        return true;
    writeFailedHandler.notify({m_filePath, failure});
    return false;
}

// Remembers a change until a file that holds it is in place, to make it again on a file
// someone else writes meanwhile. One entry per key: the newest change wins.
void PreferenceStore::recordLocked(const QByteArray &key, void *node) {
    const auto same = std::find_if(m_unwritten.begin(), m_unwritten.end(),
                                   [&key](const Change &change) { return change.key == key; });
    if (same != m_unwritten.end()) {
        if (same->node)
            plist_free(same->node);
        m_unwritten.erase(same);
    }
    m_unwritten.push_back({++m_serial, key, node ? plist_copy(node) : nullptr});
}

// The store's writer thread: writes the newest content, one file at a time, until the store
// ends and nothing is left to write.
void PreferenceStore::writeLoop() {
    QMutexLocker lock(&m_mutex);
    for (;;) {
        while (!m_pending && !m_stopping)
            m_wake.wait(&m_mutex);
        if (!m_pending)
            return;
        const QByteArray content = *std::exchange(m_pending, std::nullopt);
        const quint64 serial = m_pendingSerial;
        m_writing = true;
        lock.unlock();
        const Written written = writeFile(content);
        if (!written.failure.isEmpty())
            writeFailedHandler.notify({m_filePath, written.failure});
        lock.relock();
        if (written.failure.isEmpty()) {
            std::erase_if(m_unwritten, [serial](const Change &change) {
                if (change.serial > serial)
                    return false;
                if (change.node)
                    plist_free(change.node);
                return true;
            });
            if (written.stamp)
                m_stamp = *written.stamp;
        }
        m_writing = false;
        m_idle.wakeAll();
    }
}

PreferenceStore::Written PreferenceStore::writeFile(const QByteArray &content) const {
    const auto fail = [this](const QString &reason) { return Written{writeFailure(reason), {}}; };
    QString problem;
    const QString target = writeTarget(m_filePath, problem);
    if (target.isEmpty())
        return fail(problem);
    const QFileInfo info(target);
    const QString folder = info.absolutePath();
    if (const int error = makeFolder(folder))
        return fail(QStringLiteral("cannot create folder %1: %2").arg(folder, errnoText(error)));

    QByteArray temporary = QFile::encodeName(folder + QStringLiteral("/.") + info.fileName() +
                                             QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(errnoText(errno));

    const auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temporary.constData());
        return fail(errnoText(error));
    };
    struct stat st;
    if (::fchmod(fd, 0600) != 0 || !writeAll(fd, content.constData(), size_t(content.size())) ||
        ::fsync(fd) != 0 || ::fstat(fd, &st) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return fail(errnoText(error));
    }
    if (::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return fail(errnoText(error));
    }

    // The rename is durable only once the folder is synced. Some file systems refuse
    // fsync on a folder (EINVAL); the new file is in place all the same.
    const int folderFd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        if (::fsync(folderFd) != 0 && errno != EINVAL)
            QLOG_ERROR("Could not sync preferences folder", folder + QLatin1Char(':'),
                       errnoText(errno));
        ::close(folderFd);
    }

    // Remember the file as ours. The rename changed its ctime, so take the stamp again, unless
    // someone replaced it in the meantime; then the next access reloads.
    const std::optional<FileStamp> after = statPath(m_filePath);
    if (after && after->device == quint64(st.st_dev) && after->inode == quint64(st.st_ino))
        return Written{{}, after};
    return Written{{}, stampOf(st)};
}

void *PreferenceStore::nodeLocked(const QString &key) {
    refreshLocked();
    return plist_dict_get_item(m_root, keyBytes(key).constData());
}

bool PreferenceStore::setNode(const QString &key, void *node) {
    QMutexLocker lock(&m_mutex);
    refreshLocked();
    const QByteArray name = keyBytes(key);
    plist_t previous = plist_dict_get_item(m_root, name.constData());
    previous = previous ? plist_copy(previous) : nullptr;
    plist_dict_set_item(m_root, name.constData(), node);
    QString failure;
    bool refused = false;
    std::optional<QByteArray> content = fileContentLocked(failure, &refused);
    if (refused) {
        // The value is refused; the previous one stays, in memory as in the file.
        if (previous)
            plist_dict_set_item(m_root, name.constData(), previous);
        else
            plist_dict_remove_item(m_root, name.constData());
        return reportAndUnlock(lock, failure);
    }
    if (previous)
        plist_free(previous);
    recordLocked(name, node);
    if (content)
        handOverLocked(std::move(*content));
    return reportAndUnlock(lock, failure);
}

bool PreferenceStore::contains(const QString &key) {
    QMutexLocker lock(&m_mutex);
    return nodeLocked(key) != nullptr;
}

std::optional<QString> PreferenceStore::string(const QString &key) {
    QMutexLocker lock(&m_mutex);
    plist_t node = nodeLocked(key);
    if (!node || plist_get_node_type(node) != PLIST_STRING)
        return std::nullopt;
    uint64_t length = 0;
    const char *text = plist_get_string_ptr(node, &length);
    return QString::fromUtf8(text, qsizetype(length));
}

std::optional<qint64> PreferenceStore::integer(const QString &key) {
    QMutexLocker lock(&m_mutex);
    plist_t node = nodeLocked(key);
    if (!node || plist_get_node_type(node) != PLIST_UINT)
        return std::nullopt;
    uint64_t value = 0;
    plist_get_uint_val(node, &value);
    return qint64(value);
}

std::optional<bool> PreferenceStore::boolean(const QString &key) {
    QMutexLocker lock(&m_mutex);
    plist_t node = nodeLocked(key);
    if (!node || plist_get_node_type(node) != PLIST_BOOLEAN)
        return std::nullopt;
    uint8_t value = 0;
    plist_get_bool_val(node, &value);
    return value != 0;
}

std::optional<QDateTime> PreferenceStore::date(const QString &key) {
    QMutexLocker lock(&m_mutex);
    plist_t node = nodeLocked(key);
    if (!node || plist_get_node_type(node) != PLIST_DATE)
        return std::nullopt;
    int32_t seconds = 0;
    int32_t microseconds = 0;
    plist_get_date_val(node, &seconds, &microseconds);
    return QDateTime::fromMSecsSinceEpoch(
        referenceDateMs + qint64(seconds) * 1000 + microseconds / 1000, QTimeZone::utc());
}

std::optional<QByteArray> PreferenceStore::data(const QString &key) {
    QMutexLocker lock(&m_mutex);
    plist_t node = nodeLocked(key);
    if (!node || plist_get_node_type(node) != PLIST_DATA)
        return std::nullopt;
    uint64_t length = 0;
    const char *bytes = plist_get_data_ptr(node, &length);
    return QByteArray(bytes, qsizetype(length));
}

std::optional<QList<qint64>> PreferenceStore::integerArray(const QString &key) {
    const std::optional<QList<std::optional<qint64>>> entries = integerEntries(key);
    if (!entries)
        return std::nullopt;
    QList<qint64> values;
    values.reserve(entries->size());
    for (const std::optional<qint64> &entry : *entries) {
        if (!entry)
            return std::nullopt;
        values.append(*entry);
    }
    return values;
}

std::optional<QList<std::optional<qint64>>> PreferenceStore::integerEntries(const QString &key) {
    QMutexLocker lock(&m_mutex);
    plist_t node = nodeLocked(key);
    if (!node || plist_get_node_type(node) != PLIST_ARRAY)
        return std::nullopt;
    QList<std::optional<qint64>> values;
    const uint32_t count = plist_array_get_size(node);
    values.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        plist_t item = plist_array_get_item(node, i);
        if (!item || plist_get_node_type(item) != PLIST_UINT) {
            values.append(std::nullopt);
            continue;
        }
        uint64_t value = 0;
        plist_get_uint_val(item, &value);
        values.append(qint64(value));
    }
    return values;
}

bool PreferenceStore::setString(const QString &key, const QString &value) {
    return setNode(key, plist_new_string(value.toUtf8().constData()));
}

bool PreferenceStore::setInteger(const QString &key, qint64 value) {
    return setNode(key, plist_new_uint(uint64_t(value)));
}

bool PreferenceStore::setBool(const QString &key, bool value) {
    return setNode(key, plist_new_bool(value ? 1 : 0));
}

bool PreferenceStore::setDate(const QString &key, const QDateTime &value) {
    if (!value.isValid()) {
        QLOG_ERROR("Not storing preference", key, "- the date is invalid");
        return false;
    }
    const qint64 ms = value.toMSecsSinceEpoch() - referenceDateMs;
    // Whole seconds, rounded down, as the XML form keeps them.
    const qint64 seconds = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
    if (seconds < std::numeric_limits<int32_t>::min() ||
        seconds > std::numeric_limits<int32_t>::max()) {
        QLOG_ERROR("Not storing preference", key, "- the date is out of range:", value);
        return false;
    }
    return setNode(key, plist_new_date(int32_t(seconds), 0));
}

bool PreferenceStore::setData(const QString &key, const QByteArray &value) {
    return setNode(key, plist_new_data(value.constData(), uint64_t(value.size())));
}

bool PreferenceStore::setIntegerArray(const QString &key, const QList<qint64> &value) {
    plist_t array = plist_new_array();
    for (qint64 element : value)
        plist_array_append_item(array, plist_new_uint(uint64_t(element)));
    return setNode(key, array);
}

bool PreferenceStore::remove(const QString &key) {
    return remove(QStringList{key});
}

bool PreferenceStore::remove(const QStringList &keys) {
    QMutexLocker lock(&m_mutex);
    refreshLocked();
    bool changed = false;
    for (const QString &key : keys) {
        const QByteArray name = keyBytes(key);
        if (plist_dict_get_item(m_root, name.constData())) {
            plist_dict_remove_item(m_root, name.constData());
            recordLocked(name, nullptr);
            changed = true;
        }
    }
    return !changed || reportAndUnlock(lock, queueLocked());
}
