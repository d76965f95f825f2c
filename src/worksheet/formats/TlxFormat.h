#pragma once
// The program's own worksheet format, .tlx: UTF-8 text, one line per non-empty cell, readable by
// a person and by a script. The grammar, the escapes and the version rule are in
// docs/file-formats.md.
#include "worksheet/formats/SheetBounds.h"

#include <QByteArray>

namespace tallox {

// The first line's words before the version number.
inline constexpr char tlxSignature[] = "Tallox worksheet ";
// The version this program writes and the highest it reads.
inline constexpr int tlxVersion = 1;

// True when the bytes (after an optional UTF-8 byte-order mark) begin with the signature.
bool looksLikeTlx(const QByteArray& bytes);

// Reads a whole .tlx file. Any damaged line fails the whole read with a Polish reason naming
// the line; cells beyond the sheet are left out and reported through `truncated`.
SheetLoadResult readTlx(const QByteArray& bytes);

// Writes the cells inside the sheet, row by row, numbers in their shortest exact form.
QByteArray writeTlx(const SheetCells& sheet);

} // namespace tallox
