#include "worksheet/formats/zip/ZipPackage.h"

#include <QBuffer>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>
#include <zlib.h>

namespace tallox::zip {

bool looksLikeZip(const QByteArray& bytes)
{
    return bytes.startsWith(QByteArrayLiteral("PK\x03\x04"));
}

QString damagedPackageReason(const QString& what)
{
    return QStringLiteral("Plik ") + what + QStringLiteral(" jest uszkodzony.");
}

struct ZipReader::Impl {
    QByteArray bytes;
    QBuffer buffer;
    QuaZip zip;
    QuaZipFile file;
    Impl(const QByteArray& b) : bytes(b), buffer(&bytes), zip(&buffer), file(&zip) {}
};

ZipReader::ZipReader(const QByteArray& bytes) : d(std::make_unique<Impl>(bytes))
{
    // A central directory that lists fewer entries than its end record counts is damaged: the
    // parts past the damage would look missing rather than the archive broken.
    // Counted by walking the directory, without building a list of names a crafted archive
    // could make huge.
    if (!d->zip.open(QuaZip::mdUnzip))
        return;
    int listed = 0;
    for (bool more = d->zip.goToFirstFile(); more; more = d->zip.goToNextFile())
        ++listed;
    if (listed != d->zip.getEntriesCount() || d->zip.getZipError() != UNZ_OK)
        d->zip.close();
}

ZipReader::~ZipReader()
{
    if (d->file.isOpen())
        d->file.close();
    d->zip.close();
}

bool ZipReader::isOpen() const { return d->zip.isOpen(); }

bool ZipReader::contains(const QString& name) const
{
    return isOpen() && !d->file.isOpen() && d->zip.setCurrentFile(name, QuaZip::csSensitive);
}

QIODevice* ZipReader::open(const QString& name, QString& error)
{
    if (d->file.isOpen())
        d->file.close();
    if (!isOpen() || !d->zip.setCurrentFile(name, QuaZip::csSensitive)) {
        error = QStringLiteral("W pliku brakuje części ") + name + u'.';
        return nullptr;
    }
    if (!d->file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Nie można rozpakować części ") + name + u'.';
        return nullptr;
    }
    return &d->file;
}

bool ZipReader::closePart(QString& error)
{
    if (!d->file.isOpen())
        return true;
    const QString name = d->file.getActualFileName();
    d->file.close();
    if (d->file.getZipError() != UNZ_OK) {
        error = QStringLiteral("Nie można rozpakować części ") + name + u'.';
        return false;
    }
    return true;
}

bool ZipReader::read(const QString& name, qint64 maxBytes, QByteArray& bytes, QString& error)
{
    QIODevice* device = open(name, error);
    if (!device)
        return false;
    bytes.clear();
    // The size the archive claims may lie: the bound holds for what is actually inflated.
    char chunk[16384];
    for (;;) {
        const qint64 got = device->read(chunk, sizeof chunk);
        if (got < 0 || d->file.getZipError() != UNZ_OK) {
            error = QStringLiteral("Nie można rozpakować części ") + name + u'.';
            d->file.close();
            return false;
        }
        if (got == 0)
            break;
        if (bytes.size() + got > maxBytes) {
            error = QStringLiteral("Część ") + name
                    + QStringLiteral(" jest większa, niż może być w arkuszu danych.");
            d->file.close();
            return false;
        }
        bytes.append(chunk, got);
    }
    d->file.close();
    // A part whose checksum does not match its content is damaged.
    if (d->file.getZipError() != UNZ_OK) {
        error = QStringLiteral("Nie można rozpakować części ") + name + u'.';
        return false;
    }
    return true;
}

QByteArray writeZip(const std::vector<ZipPart>& parts)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    // The buffer can seek back, so sizes go into the local headers: readers that stream an
    // OpenDocument's first part (mimetype) find it plain at its fixed place.
    zip.setDataDescriptorWritingEnabled(false);
    if (!zip.open(QuaZip::mdCreate))
        return {};
    for (const ZipPart& part : parts) {
        QuaZipFile file(&zip);
        QuaZipNewInfo info(part.name);
        info.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                            | QFileDevice::ReadOther);
        const int method = part.stored ? 0 : Z_DEFLATED;
        // The fastest deflate: a sheet's XML is a few hundred kilobytes at most and a save must
        // feel instant; the stronger levels win a few percent of size for several times the time.
        const int level = part.stored ? 0 : Z_BEST_SPEED;
        if (!file.open(QIODevice::WriteOnly, info, nullptr, 0, method, level))
            return {};
        if (file.write(part.bytes) != part.bytes.size())
            return {};
        file.close();
        if (file.getZipError() != ZIP_OK)
            return {};
    }
    zip.close();
    if (zip.getZipError() != ZIP_OK)
        return {};
    return bytes;
}

} // namespace tallox::zip
