#include "worksheet/formats/SheetBounds.h"

#include "common/TextDecoding.h"

#include <algorithm>
#include <cmath>

namespace tallox {

QString outsideSheetWarning()
{
    return QStringLiteral("Plik zawiera dane poza arkuszem (200 wierszy, 26 kolumn) - wczytano tylko "
                          "dane mieszczące się w arkuszu.");
}

QStringList loadWarnings(const SheetLoadResult& result)
{
    QStringList warnings;
    if (result.truncated)
        warnings << outsideSheetWarning();
    if (result.invalidBytes > 0)
        warnings << QStringLiteral("Plik zawiera bajty, które nie są poprawnym tekstem UTF-8 (%1); "
                                   "zastąpiono je znakiem \uFFFD.")
                        .arg(result.invalidBytes);
    if (result.notNumbers > 0)
        warnings << QStringLiteral("Pominięto fragmenty pliku, które nie są liczbami (%1); ich "
                                   "komórki pozostały puste.")
                        .arg(result.notNumbers);
    return warnings;
}

QString noDataReason() { return QStringLiteral("Plik nie zawiera danych."); }

QString binaryFileReason()
{
    return QStringLiteral("Plik nie jest plikiem danych tekstowych (zawiera dane binarne).");
}

bool decodeTextFile(const QByteArray& bytes, SheetLoadResult& result, QString& text)
{
    DecodedText decoded = decodeDataText(bytes);
    if (holdsControlCharacters(decoded.text)) {
        result.error = binaryFileReason();
        return false;
    }
    if (holdsOnlyBlanks(decoded.text)) {
        result.error = noDataReason();
        return false;
    }
    result.invalidBytes = decoded.invalidBytes;
    text = std::move(decoded.text);
    return true;
}

void refuseWithoutCells(SheetLoadResult& result)
{
    if (!result.ok || !result.sheet.cells.empty())
        return;
    result.ok = false;
    result.error = result.truncated ? QStringLiteral("Plik zawiera dane tylko poza arkuszem (%1 wierszy, %2 kolumn).")
                                          .arg(sheetRows)
                                          .arg(sheetColumns)
                                    : noDataReason();
    result.truncated = false;
}

void makeCellsStorable(SheetCells& sheet)
{
    for (SheetCell& cell : sheet.cells) {
        if (cell.kind == SheetCell::Kind::Number && !std::isfinite(cell.number)) {
            cell.kind = SheetCell::Kind::Text;
            cell.number = 0.0;
            cell.text = QStringLiteral("#NUM!");
        } else if (cell.kind == SheetCell::Kind::Text) {
            cell.text.replace(QChar(u'\0'), QChar::ReplacementCharacter);
        }
    }
}

bool dropCellsOutsideSheet(SheetCells& sheet)
{
    auto outside = [](const SheetCell& c) { return !insideSheet(c.row, c.col); };
    auto first = std::remove_if(sheet.cells.begin(), sheet.cells.end(), outside);
    const bool dropped = first != sheet.cells.end();
    sheet.cells.erase(first, sheet.cells.end());
    return dropped;
}

} // namespace tallox
