#pragma once

#include "Problem.h"

#include <QByteArray>
#include <QString>

namespace korvane {

// Files the user names, written and read with care: a write replaces the file only when
// every byte is on disk (the previous file stays whole on any failure), and only a
// regular file is written over or read, so that a device, a FIFO or a symlink to one is
// never replaced by a file nor waited on for ever.

// Why `path` may not be written over: it exists and is not a regular file (after
// following symlinks). Nothing when it may.
Problem NotARegularTarget(const QString& path, const QString& shownName,
                          const QString& failing = QStringLiteral("无法写入"));

// Writes `bytes` to `path` through a temporary file in its folder, unbuffered and
// checked, then renames it into place. A failure says `failing` ("无法保存") and
// `shownName`.
Problem WriteFileWhole(const QString& path, const QByteArray& bytes, const QString& shownName,
                       const QString& failing = QStringLiteral("无法写入"));

// Whether `path` may be opened for reading: it is a regular file (after following
// symlinks). Nothing when it may.
Problem NotARegularSource(const QString& path, const QString& shownName);

} // namespace korvane
