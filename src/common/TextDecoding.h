#pragma once
// Turning the bytes of a text data file into text: files come from this program (UTF-8), from
// spreadsheets and editors (UTF-8 with a byte-order mark, sometimes UTF-16) and from older
// Windows copies of the lab's tools (Windows-1250, the Central European code page).
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

namespace tallox {

// Decoded text, and how many bytes were not valid UTF-8 and became U+FFFD.
struct DecodedText {
    QString text;
    int invalidBytes = 0;
};

// UTF-16 with its BOM; UTF-8 with or without BOM when the bytes hold at least one valid
// multi-byte sequence (each invalid byte then becomes U+FFFD and is counted); bytes that are
// no UTF-8 at all are Windows-1250 (every byte maps to a character, so this never fails).
// A leading BOM is dropped.
DecodedText decodeDataText(const QByteArray& bytes);

// True when the text holds a control character other than tab, CR and LF: no text file does,
// the bytes are an image, a program, an archive.
bool holdsControlCharacters(QStringView text);

// True when the text is nothing but blanks, tabs and line ends (or nothing).
bool holdsOnlyBlanks(QStringView text);

// Strict UTF-8 (a leading BOM is skipped): nothing when the bytes are not valid UTF-8.
std::optional<QString> decodeUtf8Strict(const QByteArray& bytes);

// Windows-1250 bytes as text.
QString decodeWindows1250(const QByteArray& bytes);

} // namespace tallox
