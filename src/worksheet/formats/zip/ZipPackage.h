#pragma once
// Spreadsheet packages (.xlsx, .ods) are zip archives of XML parts. This is the one place that
// opens or builds such an archive; the readers bound every part they take from it, so a crafted
// file cannot make them read or hold more than a worksheet could need.
#include "worksheet/cells/SheetCells.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;

namespace tallox::zip {

// A workbook reader's outcome: the cells inside the sheet, and whether the first worksheet held
// non-empty cells beyond row 200 or column Z (left out).
struct WorkbookReadResult : SheetReadResult {
    bool outsideSheet = false;
};

// True when the bytes start as a zip archive does (a local file header).
bool looksLikeZip(const QByteArray& bytes);

// A zip archive held in memory, opened for reading its parts by name.
class ZipReader {
public:
    explicit ZipReader(const QByteArray& bytes);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // False when the bytes are no readable zip archive (its central directory is missing or cut).
    bool isOpen() const;
    bool contains(const QString& name) const;

    // The part's uncompressed bytes. False, with a Polish reason in `error`, when the part is
    // missing, damaged, or longer than maxBytes once uncompressed (reading stops there).
    bool read(const QString& name, qint64 maxBytes, QByteArray& bytes, QString& error);

    // The part as a stream for QXmlStreamReader, valid until the next open() or read() or the
    // reader's end; nullptr with a reason when it is missing or damaged. The caller bounds what it
    // takes through the device's pos(), and may stop early.
    QIODevice* open(const QString& name, QString& error);

    // Ends the reading of the part open() gave. False, with a Polish reason, when the part was
    // read to its end and its checksum does not match what was read (a damaged stored part
    // still inflates, so only the checksum tells). A part left before its end is not checked.
    bool closePart(QString& error);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// One part of an archive to write. A stored part is not compressed (an OpenDocument's mimetype).
struct ZipPart {
    QString name;
    QByteArray bytes;
    bool stored = false;
};

// The archive of the parts in the given order; empty when the archive could not be built.
QByteArray writeZip(const std::vector<ZipPart>& parts);

// Why a package was refused: "Plik <what> jest uszkodzony." and the like, the same for both
// formats. `what` names the format in the genitive, e.g. "skoroszytu Excela".
QString damagedPackageReason(const QString& what);

} // namespace tallox::zip
