#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Remembers a folder across runs: its path and its identity (filesystem and inode). A bookmark
// cannot be resolved when nothing stands at the path any more; it is stale when another folder
// stands there now (one removed and made again, a different disk mounted), not when the same
// disk comes back under another device number. A filesystem without an id (FUSE, NFS) is told
// by the path and the inode alone.
namespace FolderBookmark {

// The bookmark data of an existing folder; nothing (and `error` set) when it is not one.
std::optional<QByteArray> create(const QString &folder, QString *error = nullptr);

struct Resolved {
    QString path; // empty when the bookmark cannot be resolved
    bool stale = false;
    QString error; // why it cannot be resolved
};
Resolved resolve(const QByteArray &data);

} // namespace FolderBookmark
