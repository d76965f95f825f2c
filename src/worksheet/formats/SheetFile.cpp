#include "worksheet/formats/SheetFile.h"

#include "common/FileAccess.h"
#include "worksheet/formats/TextDataReader.h"
#include "worksheet/formats/TlxFormat.h"
#include "worksheet/formats/TsvFormat.h"
#include "worksheet/formats/xls/XlsFile.h"

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

SheetLoadResult readXlsBytes(const QByteArray& bytes)
{
    SheetLoadResult result;
    xls::XlsReadResult read = xls::readXls(bytes);
    const bool outsideSheet = read.outsideSheet;
    static_cast<SheetReadResult&>(result) = std::move(read);
    if (!result.ok) {
        result.sheet = {};
        if (result.error.isEmpty())
            result.error = QStringLiteral("Plik skoroszytu Excela jest uszkodzony.");
        return result;
    }
    // The reader leaves out what lies beyond row 200 or column Z and says whether there was any.
    result.truncated = dropCellsOutsideSheet(result.sheet) || outsideSheet;
    makeCellsStorable(result.sheet);
    return result;
}

} // namespace

SheetFileType detectSheetFileType(const QByteArray& bytes, const QString& fileName)
{
    if (looksLikeTlx(bytes))
        return SheetFileType::Tlx;
    if (bytes.startsWith(QByteArrayView(compoundSignature, compoundSignatureSize)))
        return SheetFileType::Xls;
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("tlx"), Qt::CaseInsensitive) == 0)
        return SheetFileType::Tlx;
    if (suffix.compare(QLatin1String("xls"), Qt::CaseInsensitive) == 0)
        return SheetFileType::Xls;
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
    case SheetFileType::Xls: result = readXlsBytes(bytes); break;
    case SheetFileType::Tsv: result = readTsv(bytes, locale); break;
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
    // found among its bytes.
    const QString name = QFileInfo(path).fileName();
    if (!holdsNoData(bytes) && detectSheetFileType(bytes, name) != SheetFileType::Tsv)
        return readSheetBytes(bytes, QLocale::c(), name);  // no locale in .tlx or .xls
    return readTextData(bytes);
}

QByteArray sheetFileBytes(SheetFileType type, const SheetCells& sheet, const QLocale& locale)
{
    switch (type) {
    case SheetFileType::Tlx: return writeTlx(sheet);
    case SheetFileType::Tsv: return writeTsv(sheet, locale);
    case SheetFileType::Xls: return xls::writeXls(sheet);
    }
    return {};
}

SheetWriteResult writeSheetFile(const QString& path, SheetFileType type, const SheetCells& sheet,
                                const QLocale& locale)
{
    SheetWriteResult result;
    if (type != SheetFileType::Tlx && type != SheetFileType::Tsv && type != SheetFileType::Xls) {
        result.error = QStringLiteral("Nieznany rodzaj pliku danych (kod %1).").arg(int(type));
        return result;
    }
    // Every format writes at least a header or a signature, except a tab-separated empty sheet;
    // an empty result anywhere else means the writer failed.
    const QByteArray bytes = sheetFileBytes(type, sheet, locale);
    if (bytes.isEmpty() && type != SheetFileType::Tsv) {
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
