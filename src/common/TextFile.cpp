#include "common/TextFile.h"

#include "worksheet/formats/TextDecoding.h"

#include <QFile>
#include <QSaveFile>

namespace tallox {
QString decodeText(const QByteArray& bytes) { return decodeDataText(bytes); }

QStringList readTextLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = decodeText(file.readAll());
    if (text.isEmpty())
        return {};
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

bool writeTextLines(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return file.write(bytes) == bytes.size() && file.commit();
}

} // namespace tallox
