#pragma once
// The program's command line: tallox [--folder FOLDER] [FILE], --help, --version. It is read
// before the application object exists, so that --help, --version and a wrong option need no
// display.
#include <QString>
#include <QStringList>

namespace tallox {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString file;    // the data file to load once the window is up, absolute; empty: none
    QString folder;  // the program folder given with --folder, absolute; empty: not given
    QString output;  // what Help and Version print on stdout, Error on stderr

    // 0 after Help and Version, 2 after a wrong command line.
    int exitCode() const { return action == Action::Error ? 2 : 0; }
};

// Reads the arguments (the program's name first). Qt's own options (-platform, -style, ...) are
// left to the application object. Relative paths are taken against currentFolder: the program
// later changes into its program folder.
CommandLine parseCommandLine(const QStringList& arguments, const QString& currentFolder);

} // namespace tallox
