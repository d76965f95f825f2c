#pragma once
// The program's small text files (settings, lists, help texts): read whole as lines, written
// whole with CR LF line ends in UTF-8.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tallox {

// Decodes bytes as UTF-8 (a BOM is dropped; UTF-16 with its BOM too) or, when they are not valid
// UTF-8, as Windows-1250, the code page of files written by older Windows copies.
QString decodeText(const QByteArray& bytes);

// The file's lines, LF or CR LF ended; a missing or unreadable file reads as no lines.
QStringList readTextLines(const QString& path);

// Writes the lines, each ended by CR LF, replacing the file only when the whole write succeeded.
bool writeTextLines(const QString& path, const QStringList& lines);

} // namespace tallox
