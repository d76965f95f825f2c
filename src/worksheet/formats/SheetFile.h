#pragma once
// The worksheet's data files as the grid loads and saves them: the format recognised on reading
// by one rule (detectSheetFileType), chosen by its type on writing; failures as Polish sentences.
#include "worksheet/formats/SheetBounds.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace tallox {

// Files larger than this are refused before reading: no worksheet file comes near it.
inline constexpr qint64 largestSheetFile = 64 * 1024 * 1024;

// The format a file is read as. A signature at the start decides first (the .tlx header line,
// the compound-file signature of an .xls workbook, a zip archive: .ods when so named or when its
// mimetype part says so, .xlsx otherwise); then the name (".tlx", ".xls", ".xlsx", ".ods",
// ".csv", any case); then a file so short that it is only the start of the compound-file
// signature is a cut workbook; anything else is tab-separated text.
SheetFileType detectSheetFileType(const QByteArray& bytes, const QString& fileName);

// Reads the bytes as the format detectSheetFileType names, in the given locale (the
// worksheet's) for tab-separated text. A file holding nothing but blanks and line ends is
// refused (noDataReason). Cells outside the sheet are left out and reported through `truncated`.
SheetLoadResult readSheetBytes(const QByteArray& bytes, const QLocale& locale,
                               const QString& fileName = {});

// readSheetBytes on a regular file's content, or a reason why the file could not be read.
SheetLoadResult readSheetFile(const QString& path, const QLocale& locale);

// The plain-text reader (readTextData) on a regular file's content, or a reason. A file that
// detectSheetFileType takes for any other format (.tlx, .xls, .xlsx, .ods, .csv) is read as that
// format instead.
SheetLoadResult readTextDataFile(const QString& path);

// The file's bytes in the format; empty when the writer fails.
QByteArray sheetFileBytes(SheetFileType type, const SheetCells& sheet, const QLocale& locale);

// Writes the cells to the path in the format, through a temporary file in the same folder
// renamed over the target only when every byte was written: a failed write leaves an existing
// file whole. A text cut to fit the format is named in `truncatedCell` (the first one, "A1").
SheetWriteResult writeSheetFile(const QString& path, SheetFileType type, const SheetCells& sheet,
                                const QLocale& locale);

} // namespace tallox
