#include "common/TextFile.h"

#include "common/FileAccess.h"
#include "common/TextDecoding.h"

namespace tallox {

namespace {
// Settings, lists and help texts are small; anything larger is no such file.
constexpr qint64 largestTextFile = 16 * 1024 * 1024;
} // namespace

QString decodeText(const QByteArray& bytes) { return decodeDataText(bytes).text; }

QStringList readTextLines(const QString& path)
{
    QByteArray bytes;
    QString error;
    if (!readRegularFile(path, largestTextFile, bytes, error))
        return {};
    QString text = decodeText(bytes);
    if (text.isEmpty())
        return {};
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

bool writeTextLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return replaceFileContent(path, bytes).isEmpty();
}

} // namespace tallox
