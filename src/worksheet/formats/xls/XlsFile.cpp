#include "worksheet/formats/xls/XlsFile.h"

namespace tallox::xls {

bool looksLikeXls(const QByteArray& head)
{
    static const char signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    return head.startsWith(QByteArray::fromRawData(signature, 8));
}

SheetReadResult readXls(const QByteArray&)
{
    return {false, {}, QStringLiteral("Format Excela nie jest jeszcze obsługiwany.")};
}

QByteArray writeXls(const SheetCells&) { return {}; }

} // namespace tallox::xls
