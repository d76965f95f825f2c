#pragma once
// The program's small text files (settings, lists, help texts): read whole as lines, written
// whole with CR LF line ends in UTF-8.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tallox {

// Decodes bytes as UTF-8 (a BOM is dropped; UTF-16 with its BOM too), a byte that is not valid
// UTF-8 becoming U+FFFD, or - when the bytes hold no UTF-8 multi-byte character at all - as
// Windows-1250, the code page of files written by older Windows copies.
QString decodeText(const QByteArray& bytes);

// The file's lines, LF or CR LF ended; a missing or unreadable file, or one that is not a
// regular file (a pipe would block), reads as no lines.
QStringList readTextLines(const QString& path);

// Writes the lines, each ended by CR LF, through a temporary file renamed over the old one only
// when every byte reached the disk: a failure (a full disk) leaves the old file whole.
bool writeTextLines(const QString& path, const QStringList& lines);

} // namespace tallox
