#include "app/CommandLine.h"
#include "app/ProgramFolder.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TalloxApplication.h"

#include <QDir>
#include <cstdio>

namespace {
void printTo(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}
} // namespace

int main(int argc, char** argv)
{
    // Read before the application object: --help, --version and a wrong option need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const tallox::CommandLine command = tallox::parseCommandLine(arguments, QDir::currentPath());
    if (command.action != tallox::CommandLine::Action::Run) {
        printTo(command.action == tallox::CommandLine::Action::Error ? stderr : stdout,
                command.output);
        return command.exitCode();
    }

    TalloxApplication app(argc, argv);
    // The main window reads its program folder from the current folder.
    QStringList warnings;
    const QString error = tallox::enterProgramFolder(command.folder, warnings);
    for (const QString& warning : warnings)
        printTo(stderr, QStringLiteral("tallox: ") + warning + u'\n');
    if (!error.isEmpty()) {
        printTo(stderr, QStringLiteral("tallox: ") + error + u'\n');
        return 1;
    }

    TForm1 mainWindow;
    tallox::startMainWindow(mainWindow, command.file);
    return app.exec();
}
