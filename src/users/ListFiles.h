#pragma once
// The registry's list files: one entry a line, the most recently used first, at most
// kListLimit entries. Missing files read as empty; failed writes are silent.
#include <QString>
#include <QStringList>

namespace tallox::users {

inline constexpr int kListLimit = 100;

// True when the text holds a character other than a blank (code 32).
bool isNonBlank(const QString& text);

// The non-blank lines of a list file, in order (for pickers and the user menu).
QStringList readEntries(const QString& path);

// Puts entry first (when non-blank), drops its older copies and the file's blank lines.
void updateRecentFirst(const QString& path, const QString& entry);

// The user list's own variant: blank lines among the kept ones survive, except when the entry
// itself is empty (then they equal it and go).
void updateRecentFirstKeepingBlanks(const QString& path, const QString& entry);

// Writes the entries as the whole list, cut to the bound.
void writeEntries(const QString& path, const QStringList& entries);

// A user name is the name of a folder under the users' home folder: it must not leave it.
bool isSafeFolderName(const QString& name);

} // namespace tallox::users
