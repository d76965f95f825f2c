#include "common/FileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tallox {

namespace {

const QString notRegular = QStringLiteral("To nie jest zwykły plik.");

// Free bytes for an ordinary user on the file system holding the folder; -1 when unknown.
qint64 freeBytes(const QString& folder, bool* readOnly = nullptr)
{
    struct statvfs info {};
    if (statvfs(QFile::encodeName(folder).constData(), &info) != 0)
        return -1;
    if (readOnly)
        *readOnly = (info.f_flag & ST_RDONLY) != 0;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}

QString tooLarge() { return QStringLiteral("Plik jest zbyt duży, by mógł być plikiem danych arkusza."); }

} // namespace

bool readRegularFile(const QString& path, qint64 limit, QByteArray& bytes, QString& error)
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
    if (!info.isFile()) {
        error = notRegular;
        return false;
    }
    // Opened without waiting, so that a pipe put in the file's place meanwhile cannot block the
    // open; what was opened is checked again before anything is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno == EACCES || errno == EPERM
                    ? QStringLiteral("Nie można otworzyć pliku: brak uprawnień do odczytu.")
                    : QStringLiteral("Nie można otworzyć pliku.");
        return false;
    }
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        error = notRegular;
        return false;
    }
    if (status.st_size > limit) {
        ::close(fd);
        error = tooLarge();
        return false;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = QStringLiteral("Nie można otworzyć pliku.");
        return false;
    }
    // At most one byte past the limit: a file growing while it is read is still bounded.
    bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("Nie można odczytać pliku.");
        return false;
    }
    if (bytes.size() > limit) {
        error = tooLarge();
        return false;
    }
    return true;
}

QString replaceFileContent(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    const QString folderPath = target.absolutePath();
    const QFileInfo folder(folderPath);
    if (!folder.exists() || !folder.isDir())
        return QStringLiteral("Nie można zapisać pliku: folder docelowy nie istnieje.");
    if (target.isDir())
        return QStringLiteral("Nie można zapisać pliku: pod tą nazwą istnieje folder.");
    if (target.exists() && !target.isFile())
        return notRegular;
    bool readOnly = false;
    const qint64 freeBefore = freeBytes(folderPath, &readOnly);
    if (readOnly)
        return QStringLiteral("Nie można zapisać pliku: system plików tylko do odczytu.");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.error() == QFileDevice::PermissionsError || !folder.isWritable()
                   ? QStringLiteral("Nie można zapisać pliku: brak uprawnień do zapisu w tym folderze.")
                   : QStringLiteral("Nie można zapisać pliku.");
    }
    // Small writes only fill Qt's buffer: the disk answers at the flush, so both are checked
    // before the temporary file may replace the old one.
    const bool written = file.write(bytes) == bytes.size() && file.flush()
                         && file.error() == QFileDevice::NoError;
    if (!written)
        file.cancelWriting();  // the temporary file is removed, the target never touched
    if (!written || !file.commit()) {
        if (freeBefore >= 0 && freeBefore < bytes.size() + 4096)
            return QStringLiteral("Nie można zapisać pliku: na dysku brakuje wolnego miejsca.");
        return QStringLiteral("Nie można zapisać pliku (czy na dysku jest wolne miejsce?).");
    }
    return {};
}

} // namespace tallox
