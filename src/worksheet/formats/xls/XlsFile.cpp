#include "worksheet/formats/xls/XlsFile.h"

#include "worksheet/formats/xls/BiffReader.h"
#include "worksheet/formats/xls/BiffWriter.h"
#include "worksheet/formats/xls/CompoundFile.h"

namespace tallox::xls {

namespace {

QString compoundErrorText(CompoundError error)
{
    switch (error) {
    case CompoundError::NotCompoundFile:
        return QStringLiteral("Plik nie jest skoroszytem Excela.");
    case CompoundError::StreamMissing:
        return QStringLiteral("Plik nie zawiera skoroszytu Excela.");
    default:
        return QStringLiteral("Plik jest uszkodzony lub nie jest skoroszytem Excela.");
    }
}

QString biffErrorText(BiffError error)
{
    switch (error) {
    case BiffError::OldVersion:
        return QStringLiteral("Skoroszyt zapisano w formacie starszym niż Excel 97 - zapisz go ponownie "
                              "jako skoroszyt Excel 97-2003.");
    case BiffError::Encrypted:
        return QStringLiteral("Skoroszyt jest chroniony hasłem - nie można odczytać jego danych.");
    case BiffError::NoWorksheet:
        return QStringLiteral("Skoroszyt nie zawiera arkusza z danymi.");
    default:
        return QStringLiteral("Plik jest uszkodzony lub nie jest skoroszytem Excela.");
    }
}

} // namespace

bool looksLikeXls(const QByteArray& head)
{
    static const char signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    return head.startsWith(QByteArray::fromRawData(signature, 8));
}

XlsReadResult readXls(const QByteArray& bytes)
{
    XlsReadResult result;
    // Excel 97 and later name the stream "Workbook"; Excel 5 and 95 named it "Book".
    const CompoundStream stream =
        readRootStream(bytes, {QStringLiteral("Workbook"), QStringLiteral("Book")});
    if (stream.error != CompoundError::None) {
        result.error = compoundErrorText(stream.error);
        return result;
    }
    BiffReadResult biff = readWorkbookStream(stream.data);
    if (biff.error != BiffError::None) {
        result.error = biffErrorText(biff.error);
        return result;
    }
    result.ok = true;
    result.sheet = std::move(biff.sheet);
    result.outsideSheet = biff.outsideSheet;
    return result;
}

QByteArray writeXls(const SheetCells& sheet)
{
    return writeSingleStreamFile(QStringLiteral("Workbook"), writeWorkbookStream(sheet));
}

QString truncatedTextCell(const SheetCells& sheet) { return firstTruncatedText(sheet); }

} // namespace tallox::xls
