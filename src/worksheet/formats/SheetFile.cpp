#include "worksheet/formats/SheetFile.h"

#include "worksheet/formats/TextDataReader.h"
#include "worksheet/formats/TlxFormat.h"
#include "worksheet/formats/TsvFormat.h"
#include "worksheet/formats/xls/XlsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tallox {

namespace {

SheetLoadResult failure(const QString& why)
{
    SheetLoadResult result;
    result.error = why;
    return result;
}

// The whole file, or a reason why it cannot be had.
bool readWholeFile(const QString& path, QByteArray& bytes, QString& error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        error = QStringLiteral("Nie można otworzyć pliku: plik nie istnieje.");
        return false;
    }
    if (info.isDir()) {
        error = QStringLiteral("Nie można otworzyć pliku: wskazana ścieżka jest folderem.");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.error() == QFileDevice::PermissionsError
                    ? QStringLiteral("Nie można otworzyć pliku: brak uprawnień do odczytu.")
                    : QStringLiteral("Nie można otworzyć pliku.");
        return false;
    }
    if (file.size() > largestSheetFile) {
        error = QStringLiteral("Plik jest zbyt duży, by mógł być plikiem danych arkusza.");
        return false;
    }
    // Read at most one byte past the limit: a device that reports no size is still bounded.
    bytes = file.read(largestSheetFile + 1);
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("Nie można odczytać pliku.");
        return false;
    }
    if (bytes.size() > largestSheetFile) {
        error = QStringLiteral("Plik jest zbyt duży, by mógł być plikiem danych arkusza.");
        return false;
    }
    return true;
}

} // namespace

SheetLoadResult readSheetBytes(const QByteArray& bytes, const QLocale& locale)
{
    if (looksLikeTlx(bytes))
        return readTlx(bytes);
    if (xls::looksLikeXls(bytes)) {
        SheetLoadResult result;
        xls::XlsReadResult read = xls::readXls(bytes);
        static_cast<SheetReadResult&>(result) = std::move(read);
        if (result.ok)
            result.truncated = read.outsideSheet;
        else
            result.sheet = {};
        return result;
    }
    return readTsv(bytes, locale);
}

SheetLoadResult readSheetFile(const QString& path, const QLocale& locale)
{
    QByteArray bytes;
    QString error;
    if (!readWholeFile(path, bytes, error))
        return failure(error);
    return readSheetBytes(bytes, locale);
}

SheetLoadResult readTextDataFile(const QString& path)
{
    QByteArray bytes;
    QString error;
    if (!readWholeFile(path, bytes, error))
        return failure(error);
    return readTextData(bytes);
}

QByteArray sheetFileBytes(int typeCode, const SheetCells& sheet, const QLocale& locale)
{
    switch (typeCode) {
    case tlxFileType: return writeTlx(sheet);
    case tsvFileType: return writeTsv(sheet, locale);
    case xlsFileType: return xls::writeXls(sheet);
    default: return {};
    }
}

SheetWriteResult writeSheetFile(const QString& path, int typeCode, const SheetCells& sheet,
                                const QLocale& locale)
{
    SheetWriteResult result;
    if (typeCode != tlxFileType && typeCode != tsvFileType && typeCode != xlsFileType) {
        result.error = QStringLiteral("Nieznany rodzaj pliku danych (kod %1).").arg(typeCode);
        return result;
    }
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists() || !folder.isDir()) {
        result.error = QStringLiteral("Nie można zapisać pliku: folder docelowy nie istnieje.");
        return result;
    }
    if (target.isDir()) {
        result.error = QStringLiteral("Nie można zapisać pliku: pod tą nazwą istnieje folder.");
        return result;
    }

    // Every format writes at least a header or a signature, except a tab-separated empty sheet;
    // an empty result anywhere else means the writer failed.
    const QByteArray bytes = sheetFileBytes(typeCode, sheet, locale);
    if (bytes.isEmpty() && typeCode != tsvFileType) {
        result.error = QStringLiteral("Nie można zapisać arkusza w wybranym formacie.");
        return result;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.error() == QFileDevice::PermissionsError || !folder.isWritable()
                           ? QStringLiteral("Nie można zapisać pliku: brak uprawnień do zapisu w tym folderze.")
                           : QStringLiteral("Nie można zapisać pliku.");
        return result;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        result.error = QStringLiteral("Nie można zapisać pliku (czy na dysku jest wolne miejsce?).");
        return result;
    }
    result.ok = true;
    if (typeCode == xlsFileType)
        result.truncatedCell = xls::truncatedTextCell(sheet);
    return result;
}

} // namespace tallox
