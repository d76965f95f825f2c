#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tallox {

namespace {
// <prefix>/share/tallox when the executable is <prefix>/bin/<name> and that folder exists.
QString shippedFolderOf(const QString& executablePath)
{
    const QFileInfo executable(executablePath);
    const QString real = executable.canonicalFilePath();
    const QDir bin = QFileInfo(real.isEmpty() ? executable.absoluteFilePath() : real).dir();
    if (bin.dirName() != QLatin1String("bin"))
        return {};
    const QString shipped = QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/tallox")));
    return QFileInfo(shipped).isDir() ? shipped : QString();
}
} // namespace

ProgramFolderChoice chooseProgramFolder(const QString& executablePath, const QString& folderOption,
                                        const QString& dataLocation, const QString& currentFolder)
{
    ProgramFolderChoice choice;
    choice.shippedFolder = shippedFolderOf(executablePath);
    if (!folderOption.isEmpty())
        choice.folder = QDir::cleanPath(QDir(currentFolder).absoluteFilePath(folderOption));
    else if (choice.shippedFolder.isEmpty())
        choice.folder = QDir::cleanPath(currentFolder);
    else if (dataLocation.isEmpty())
        choice.error = QStringLiteral("nie można ustalić folderu danych użytkownika (czy zmienna "
                                      "HOME jest ustawiona?); folder programu można podać opcją "
                                      "--folder.");
    else
        choice.folder = QDir::cleanPath(dataLocation);
    return choice;
}

QString prepareProgramFolder(const ProgramFolderChoice& choice, QStringList& warnings)
{
    if (!choice.error.isEmpty())
        return choice.error;
    const QString shown = QDir::toNativeSeparators(choice.folder);
    const QFileInfo info(choice.folder);
    if (info.exists() && !info.isDir())
        return QStringLiteral("%1 istnieje i nie jest folderem.").arg(shown);
    if (!QDir().mkpath(choice.folder))
        return QStringLiteral("nie można utworzyć folderu programu %1.").arg(shown);
    if (!QFileInfo(choice.folder).isWritable())
        warnings << QStringLiteral("w folderze programu %1 nie można zapisywać; ustawienia nie "
                                   "zostaną zachowane.").arg(shown);
    if (choice.shippedFolder.isEmpty())
        return {};
    const QDir shipped(choice.shippedFolder);
    for (const QString& name : shipped.entryList(QDir::Files | QDir::Readable)) {
        const QString target = choice.folder + u'/' + name;
        // exists() follows links: a dangling link counts as taken, so it is not replaced either.
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        if (!QFile::copy(shipped.filePath(name), target))
            warnings << QStringLiteral("nie można skopiować pliku %1 do folderu programu %2.")
                            .arg(name, shown);
    }
    return {};
}

QString enterProgramFolder(const QString& folderOption, QStringList& warnings)
{
    const ProgramFolderChoice choice = chooseProgramFolder(
        QCoreApplication::applicationFilePath(), folderOption,
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), QDir::currentPath());
    const QString error = prepareProgramFolder(choice, warnings);
    if (!error.isEmpty())
        return error;
    if (!QDir::setCurrent(choice.folder))
        return QStringLiteral("nie można przejść do folderu programu %1.")
            .arg(QDir::toNativeSeparators(choice.folder));
    return {};
}

} // namespace tallox
