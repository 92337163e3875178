#pragma once

#include <QByteArray>
#include <QString>

// New files that never take the place of another one, not even of one that another thread or
// program makes under the same name at the same moment.
namespace NewFile {

// Writes `data` into `folder` as `base` + `suffix`, or, when that name is taken, as
// `base` (2) `suffix`, (3) …: the first free one. The file shows up whole under its name, or not
// at all (where a filesystem cannot refuse a rename, an empty file holds the name for the moment
// of the rename). Returns its path; empty, with `error` set, when it cannot be written.
QString write(const QString &folder, const QString &base, const QString &suffix,
              const QByteArray &data, QString *error = nullptr);

} // namespace NewFile
