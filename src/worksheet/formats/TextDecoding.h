#pragma once
// Turning the bytes of a text data file into text: files come from this program (UTF-8), from
// spreadsheets and editors (UTF-8 with a byte-order mark, sometimes UTF-16) and from older
// Windows copies of the lab's tools (Windows-1250, the Central European code page).
#include <QByteArray>
#include <QString>
#include <optional>

namespace tallox {

// UTF-8 with or without BOM, UTF-16 with its BOM; anything else that is not valid UTF-8 is
// read as Windows-1250 (every byte maps to a character, so this never fails).
QString decodeDataText(const QByteArray& bytes);

// Strict UTF-8 (a leading BOM is skipped): nothing when the bytes are not valid UTF-8.
std::optional<QString> decodeUtf8Strict(const QByteArray& bytes);

// Windows-1250 bytes as text.
QString decodeWindows1250(const QByteArray& bytes);

} // namespace tallox
