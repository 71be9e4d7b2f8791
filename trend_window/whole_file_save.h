#pragma once

#include <QByteArray>
#include <QString>

namespace trend_window {

// Replaces the file at `path` with `bytes` once all of them are on disk; on failure the old
// file stays as it was, nothing half written is left, and `reason` says why.
bool SaveWholeFile(const QString& path, const QByteArray& bytes, QString& reason);

}  // namespace trend_window
