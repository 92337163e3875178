#include "platform/NewFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Renames `from` to `to` unless `to` exists; false, with errno set (EEXIST when it does), if not.
bool renameExclusive(const QByteArray &from, const QByteArray &to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A filesystem (some network and FUSE ones) or a kernel that cannot refuse a rename: an empty
    // file claims the name first, and the written one replaces it.
    const int claim = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (claim < 0)
        return false;
    ::close(claim);
    if (::rename(from.constData(), to.constData()) == 0)
        return true;
    const int error = errno;
    ::unlink(to.constData());
    errno = error;
    return false;
}

} // namespace

namespace NewFile {

QString write(const QString &folder, const QString &base, const QString &suffix,
              const QByteArray &data, QString *error) {
    const QDir dir(folder);
    // Written whole under a hidden name of its own first (QSaveFile: unseen until committed),
    // then renamed.
    const QString part = dir.filePath(
        QStringLiteral(".%1.part").arg(QRandomGenerator::global()->generate64(), 0, 36));
    QSaveFile file(part);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(part, file.errorString());
        return {};
    }
    const QByteArray from = QFile::encodeName(part);
    for (int n = 1;; ++n) {
        const QString path = dir.filePath(
            n == 1 ? base + suffix
                   : QStringLiteral("%1 (%2)%3").arg(base, QString::number(n), suffix));
        if (renameExclusive(from, QFile::encodeName(path)))
            return path;
        if (errno != EEXIST) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(path,
                                                      QString::fromLocal8Bit(std::strerror(errno)));
            QFile::remove(part);
            return {};
        }
    }
}

} // namespace NewFile
