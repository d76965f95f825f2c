#pragma once
// The compound file that wraps an Excel 97–2003 workbook: a small FAT file system inside one file.
// Reading follows sector chains through the FAT (and the MiniFAT for small streams); every chain is
// bounded by the file's own size and stops on a cycle, so a damaged file can only be refused.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tallox::xls {

enum class CompoundError {
    None,
    NotCompoundFile,  // no compound-file signature, or too short for a header
    Damaged,          // header, FAT, directory or a chain does not hold together
    StreamMissing,    // a sound container without any of the requested streams
};

struct CompoundStream {
    CompoundError error = CompoundError::None;
    QByteArray data;  // the stream's bytes when error == None
};

// Reads the first stream of the root storage whose name matches one of `names` (case-insensitive,
// earlier names preferred). Streams inside sub-storages (embedded objects) are not considered.
CompoundStream readRootStream(const QByteArray& file, const QStringList& names);

// A version-3 compound file holding one stream named `name` in the root storage. The stream is
// zero-padded to keep it above the mini-stream cutoff, so no MiniFAT is needed.
QByteArray writeSingleStreamFile(const QString& name, const QByteArray& stream);

} // namespace tallox::xls
