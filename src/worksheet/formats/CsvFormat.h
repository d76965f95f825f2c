#pragma once
// Comma-separated values (.csv) as spreadsheet programs and data loggers write them (RFC 4180
// quoting). The separator decides how numbers are written: ";" goes with a decimal comma (Polish
// spreadsheets), "," with a decimal point (English ones, loggers), a tab with the worksheet's own
// convention.
#include "worksheet/formats/SheetBounds.h"

#include <QByteArray>
#include <QLocale>

namespace tallox {

// Reads UTF-8 (with or without BOM) or Windows-1250 text. The separator is the first ";", ","
// or tab found outside quotes; a field is a number when the whole of it reads as one with the
// separator's decimal mark, otherwise a text.
SheetLoadResult readCsv(const QByteArray& bytes, const QLocale& locale);

// Writes in the locale's convention: ";" and a decimal comma when the locale writes a decimal
// comma, "," and a decimal point otherwise; texts quoted when they need it.
QByteArray writeCsv(const SheetCells& sheet, const QLocale& locale);

} // namespace tallox
