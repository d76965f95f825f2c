#pragma once
// Reading and replacing whole files safely: a read takes regular files only (a pipe or a device
// would block or never end), a write never leaves the old file half replaced.
#include <QByteArray>
#include <QString>

namespace tallox {

// The whole content of a regular file of at most `limit` bytes. On failure `error` says why in
// Polish; pipes, devices and sockets are refused before they are opened.
bool readRegularFile(const QString& path, qint64 limit, QByteArray& bytes, QString& error);

// Replaces the file's content with the bytes: written to a temporary file in the same folder,
// flushed and checked (a full disk shows itself only when the buffer is written), then renamed
// over the target. Empty on success, else a Polish reason; the old file is then untouched.
QString replaceFileContent(const QString& path, const QByteArray& bytes);

} // namespace tallox
