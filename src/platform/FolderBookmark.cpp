#include "platform/FolderBookmark.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>
#include <sys/statfs.h>

#include <cerrno>
#include <cstring>

namespace {

struct Identity {
    quint64 device = 0;
    quint64 filesystem = 0; // statfs's id, which survives mounting the disk again
    quint64 inode = 0;
};

std::optional<Identity> folderIdentity(const QString &path, QString *error) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (error)
            *error =
                QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return std::nullopt;
    }
    if (!S_ISDIR(st.st_mode)) {
        if (error)
            *error = QStringLiteral("%1: not a folder").arg(path);
        return std::nullopt;
    }
    struct statfs fs {};
    if (::statfs(QFile::encodeName(path).constData(), &fs) != 0) {
        if (error)
            *error =
                QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return std::nullopt;
    }
    quint32 fsid[2];
    static_assert(sizeof fsid == sizeof fs.f_fsid);
    std::memcpy(fsid, &fs.f_fsid, sizeof fsid);
    return Identity{quint64(st.st_dev), quint64(fsid[0]) << 32 | fsid[1], quint64(st.st_ino)};
}

} // namespace

namespace FolderBookmark {

// The data is a small JSON object; the numbers are kept as strings, since JSON numbers are
// doubles and an inode may not fit into one. The device number is written for older versions,
// which read only that; bookmarks they wrote have no "filesystem".
std::optional<QByteArray> create(const QString &folder, QString *error) {
    const QString path = QDir(folder).absolutePath();
    const std::optional<Identity> identity = folderIdentity(path, error);
    if (!identity)
        return std::nullopt;
    const QJsonObject object{{QStringLiteral("path"), path},
                             {QStringLiteral("device"), QString::number(identity->device)},
                             {QStringLiteral("filesystem"), QString::number(identity->filesystem)},
                             {QStringLiteral("inode"), QString::number(identity->inode)}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

Resolved resolve(const QByteArray &data) {
    Resolved result;
    QJsonParseError parseError;
    const QJsonObject object = QJsonDocument::fromJson(data, &parseError).object();
    const QString path = object.value(QStringLiteral("path")).toString();
    bool deviceOk = false, inodeOk = false;
    const quint64 device = object.value(QStringLiteral("device")).toString().toULongLong(&deviceOk);
    const quint64 inode = object.value(QStringLiteral("inode")).toString().toULongLong(&inodeOk);
    // Bookmarks of older versions carry no filesystem id.
    const QJsonValue filesystemValue = object.value(QStringLiteral("filesystem"));
    const bool old = filesystemValue.isUndefined();
    bool filesystemOk = old;
    const quint64 filesystem = old ? 0 : filesystemValue.toString().toULongLong(&filesystemOk);
    if (!QDir::isAbsolutePath(path) || !deviceOk || !inodeOk || !filesystemOk) {
        result.error = QStringLiteral("The folder bookmark is damaged");
        return result;
    }
    const std::optional<Identity> now = folderIdentity(path, &result.error);
    if (!now)
        return result;
    result.path = path;
    // A disk mounted again, or after another one, may get another device number but keeps its
    // filesystem id. Some filesystems have no id and report 0 (FUSE ones, NFS on many kernels);
    // their device number changes with each mount too, so for them the path and the inode
    // alone tell the folder. Bookmarks of older versions go by the device, which is all they
    // have.
    const bool idKnown = filesystem != 0 && now->filesystem != 0;
    const bool sameFilesystem =
        old ? now->device == device : !idKnown || now->filesystem == filesystem;
    result.stale = !sameFilesystem || now->inode != inode;
    return result;
}

} // namespace FolderBookmark
