#pragma once
// The program folder: where the settings file, the users' lists and the program's texts live.
// Program entry decides it and changes into it before the main window reads the current folder.
#include <QString>
#include <QStringList>

namespace tallox {

struct ProgramFolderChoice {
    QString folder;         // absolute
    QString shippedFolder;  // <prefix>/share/tallox of an installed program; empty otherwise
    QString error;          // why no folder could be chosen (Polish); empty when chosen
};

// The folder given with --folder, when given; else, for a program installed under a prefix
// (<prefix>/bin/tallox beside a <prefix>/share/tallox folder), the user's data folder
// (dataLocation); else the current folder. Looks at the file system, changes nothing.
ProgramFolderChoice chooseProgramFolder(const QString& executablePath, const QString& folderOption,
                                        const QString& dataLocation, const QString& currentFolder);

// Creates the chosen folder when it is missing and copies into it the shipped files it does not
// hold yet (a file the user already has is never replaced). Returns why the folder cannot be used
// (Polish), or an empty text; a shipped file that could not be copied is named in `warnings`.
QString prepareProgramFolder(const ProgramFolderChoice& choice, QStringList& warnings);

// Program entry's step, once the application object exists: chooses the folder for this
// executable and the user's data location, prepares it and makes it the current folder.
// Returns why that failed (Polish), or an empty text.
QString enterProgramFolder(const QString& folderOption, QStringList& warnings);

} // namespace tallox
