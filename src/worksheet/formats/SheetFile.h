#pragma once
// The worksheet's data files as the grid loads and saves them: the format recognised from the
// file's content on reading, chosen by a type code on writing; failures as Polish sentences.
#include "worksheet/formats/SheetBounds.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace tallox {

// Type codes of writeSheetFile, as the save dialog's entries use them.
enum SheetFileType : int {
    tlxFileType = 1,  // the program's own format (.tlx)
    tsvFileType = 3,  // tab-separated text (.dat)
    xlsFileType = 4,  // Excel 97-2003 workbook (.xls)
};

// Files larger than this are refused before reading: no worksheet file comes near it.
inline constexpr qint64 largestSheetFile = 64 * 1024 * 1024;

// Recognises the format from the bytes: a .tlx header line, the compound-file signature of an
// .xls workbook, else tab-separated text in the given locale (the worksheet's). Cells outside
// the sheet are left out and reported through `truncated`.
SheetLoadResult readSheetBytes(const QByteArray& bytes, const QLocale& locale);

// readSheetBytes on a file's content, or a reason why the file could not be read.
SheetLoadResult readSheetFile(const QString& path, const QLocale& locale);

// The plain-text reader (readTextData) on a file's content, or a reason why it could not be read.
SheetLoadResult readTextDataFile(const QString& path);

// The file's bytes for a type code; empty for an unknown code or when the writer fails.
QByteArray sheetFileBytes(int typeCode, const SheetCells& sheet, const QLocale& locale);

// Writes the cells to the path in the format of the type code, through a temporary file in the
// same folder renamed over the target on success: a failed write leaves an existing file whole.
SheetWriteResult writeSheetFile(const QString& path, int typeCode, const SheetCells& sheet,
                                const QLocale& locale);

} // namespace tallox
