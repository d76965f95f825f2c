#include "worksheet/formats/SheetFile.h"

#include "common/FileAccess.h"
#include "worksheet/formats/CsvFormat.h"
#include "worksheet/formats/TextDataReader.h"
#include "worksheet/formats/TlxFormat.h"
#include "worksheet/formats/TsvFormat.h"
#include "worksheet/formats/xls/XlsFile.h"
#include "worksheet/formats/zip/OdsFile.h"
#include "worksheet/formats/zip/XlsxFile.h"

#include <QFileInfo>

#include <algorithm>

namespace tallox {

namespace {

constexpr char compoundSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr qsizetype compoundSignatureSize = sizeof compoundSignature - 1;

SheetLoadResult failure(const QString& why)
{
    SheetLoadResult result;
    result.error = why;
    return result;
}

bool holdsNoData(const QByteArray& bytes)
{
    const qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    return std::all_of(bytes.begin() + start, bytes.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

// The spreadsheet readers (.xls, .xlsx, .ods) report cells beyond the sheet alike.
template <typename WorkbookRead>
SheetLoadResult workbookLoad(WorkbookRead read, const QString& damaged)
{
    SheetLoadResult result;
    const bool outsideSheet = read.outsideSheet;
    static_cast<SheetReadResult&>(result) = std::move(read);
    if (!result.ok) {
        result.sheet = {};
        if (result.error.isEmpty())
            result.error = damaged;
        return result;
    }
    // The reader leaves out what lies beyond row 200 or column Z and says whether there was any.
    result.truncated = dropCellsOutsideSheet(result.sheet) || outsideSheet;
    makeCellsStorable(result.sheet);
    return result;
}

bool isKnownType(SheetFileType type)
{
    switch (type) {
    case SheetFileType::Tlx:
    case SheetFileType::Tsv:
    case SheetFileType::Xls:
    case SheetFileType::Xlsx:
    case SheetFileType::Ods:
    case SheetFileType::Csv:
        return true;
    }
    return false;
}

bool hasSuffix(const QString& fileName, QLatin1String suffix)
{
    return QFileInfo(fileName).suffix().compare(suffix, Qt::CaseInsensitive) == 0;
}

// An OpenDocument package names its type in a first, uncompressed part called "mimetype".
bool looksLikeOds(const QByteArray& bytes)
{
    return bytes.mid(30, 8) == "mimetype"
           && bytes.mid(38, 46) == "application/vnd.oasis.opendocument.spreadsheet";
}

} // namespace

SheetFileType detectSheetFileType(const QByteArray& bytes, const QString& fileName)
{
    if (looksLikeTlx(bytes))
        return SheetFileType::Tlx;
    if (bytes.startsWith(QByteArrayView(compoundSignature, compoundSignatureSize)))
        return SheetFileType::Xls;
    if (zip::looksLikeZip(bytes)) {
        if (hasSuffix(fileName, QLatin1String("ods")) || looksLikeOds(bytes))
            return SheetFileType::Ods;
        return SheetFileType::Xlsx;
    }
    if (hasSuffix(fileName, QLatin1String("tlx")))
        return SheetFileType::Tlx;
    if (hasSuffix(fileName, QLatin1String("xls")))
        return SheetFileType::Xls;
    if (hasSuffix(fileName, QLatin1String("xlsx")))
        return SheetFileType::Xlsx;
    if (hasSuffix(fileName, QLatin1String("ods")))
        return SheetFileType::Ods;
    if (hasSuffix(fileName, QLatin1String("csv")))
        return SheetFileType::Csv;
    if (!bytes.isEmpty() && bytes.size() < compoundSignatureSize
        && QByteArrayView(compoundSignature, compoundSignatureSize).startsWith(bytes))
        return SheetFileType::Xls;
    return SheetFileType::Tsv;
}

SheetLoadResult readSheetBytes(const QByteArray& bytes, const QLocale& locale, const QString& fileName)
{
    if (holdsNoData(bytes))
        return failure(noDataReason());
    const SheetFileType type = detectSheetFileType(bytes, fileName);
    SheetLoadResult result;
    switch (type) {
    case SheetFileType::Tlx: result = readTlx(bytes); break;
    case SheetFileType::Xls:
        result = workbookLoad(xls::readXls(bytes),
                              QStringLiteral("Plik skoroszytu Excela jest uszkodzony."));
        break;
    case SheetFileType::Xlsx:
        result = workbookLoad(xlsx::readXlsx(bytes), zip::damagedPackageReason(
                                                         QStringLiteral("skoroszytu Excela (.xlsx)")));
        break;
    case SheetFileType::Ods:
        result = workbookLoad(ods::readOds(bytes), zip::damagedPackageReason(
                                                       QStringLiteral("arkusza OpenDocument (.ods)")));
        break;
    case SheetFileType::Tsv: result = readTsv(bytes, locale); break;
    case SheetFileType::Csv: result = readCsv(bytes, locale); break;
    }
    result.type = type;
    refuseWithoutCells(result);
    return result;
}

SheetLoadResult readSheetFile(const QString& path, const QLocale& locale)
{
    QByteArray bytes;
    QString error;
    if (!readRegularFile(path, largestSheetFile, bytes, error))
        return failure(error);
    return readSheetBytes(bytes, locale, QFileInfo(path).fileName());
}

SheetLoadResult readTextDataFile(const QString& path)
{
    QByteArray bytes;
    QString error;
    if (!readRegularFile(path, largestSheetFile, bytes, error))
        return failure(error);
    // A worksheet file picked through a text entry is still read as what it is, never as numbers
    // found among its bytes. The locale only matters for a tab-separated CSV field.
    const QString name = QFileInfo(path).fileName();
    if (!holdsNoData(bytes) && detectSheetFileType(bytes, name) != SheetFileType::Tsv)
        return readSheetBytes(bytes, QLocale::c(), name);
    return readTextData(bytes);
}

QByteArray sheetFileBytes(SheetFileType type, const SheetCells& sheet, const QLocale& locale)
{
    switch (type) {
    case SheetFileType::Tlx: return writeTlx(sheet);
    case SheetFileType::Tsv: return writeTsv(sheet, locale);
    case SheetFileType::Xls: return xls::writeXls(sheet);
    case SheetFileType::Xlsx: return xlsx::writeXlsx(sheet);
    case SheetFileType::Ods: return ods::writeOds(sheet);
    case SheetFileType::Csv: return writeCsv(sheet, locale);
    }
    return {};
}

SheetWriteResult writeSheetFile(const QString& path, SheetFileType type, const SheetCells& sheet,
                                const QLocale& locale)
{
    SheetWriteResult result;
    if (!isKnownType(type)) {
        result.error = QStringLiteral("Nieznany rodzaj pliku danych (kod %1).").arg(int(type));
        return result;
    }
    // Every format writes at least a header or a signature, except the text formats given an
    // empty sheet; an empty result anywhere else means the writer failed.
    const QByteArray bytes = sheetFileBytes(type, sheet, locale);
    if (bytes.isEmpty() && type != SheetFileType::Tsv && type != SheetFileType::Csv) {
        result.error = QStringLiteral("Nie można zapisać arkusza w wybranym formacie.");
        return result;
    }
    result.error = replaceFileContent(path, bytes);
    result.ok = result.error.isEmpty();
    if (!result.ok)
        return result;

    // The first text, in row order, that the format could not hold whole (only .xls limits them).
    if (type == SheetFileType::Xls)
        result.truncatedCell = xls::truncatedTextCell(sheet);
    return result;
}

} // namespace tallox
