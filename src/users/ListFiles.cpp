#include "users/ListFiles.h"

#include "common/TextFile.h"

namespace tallox::users {

namespace {
// The new entry first, then the kept lines that differ from it, within the bound.
void rewrite(const QString& path, const QString& entry, const QStringList& kept)
{
    QStringList lines;
    if (isNonBlank(entry))
        lines << entry;
    for (const QString& line : kept) {
        if (lines.size() >= kListLimit)
            break;
        if (line != entry)
            lines << line;
    }
    writeTextLines(path, lines);
}
} // namespace

bool isNonBlank(const QString& text)
{
    for (QChar c : text)
        if (c != u' ')
            return true;
    return false;
}

QStringList readEntries(const QString& path)
{
    QStringList entries;
    for (const QString& line : readTextLines(path))
        if (isNonBlank(line))
            entries << line;
    return entries;
}

void updateRecentFirst(const QString& path, const QString& entry)
{
    rewrite(path, entry, readEntries(path).mid(0, kListLimit));
}

void updateRecentFirstKeepingBlanks(const QString& path, const QString& entry)
{
    rewrite(path, entry, readTextLines(path).mid(0, kListLimit));
}

void writeEntries(const QString& path, const QStringList& entries)
{
    writeTextLines(path, entries.mid(0, kListLimit));
}

bool isSafeFolderName(const QString& name)
{
    return !name.contains(u'/') && !name.contains(u'\\') && name != QLatin1String(".")
           && name != QLatin1String("..");
}

} // namespace tallox::users
