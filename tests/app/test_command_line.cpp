// Program entry: the command line, the choice and preparation of the program folder, and a data
// file named on the command line loaded once the main window is up.
#include "app/CommandLine.h"
#include "app/ProgramFolder.h"
#include "app/Startup.h"
#include "common/PanelStatusBar.h"
#include "support/fixture.h"
#include "tallox_version.h"
#include "worksheet/TF1Book.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using tallox::CommandLine;
using Action = CommandLine::Action;

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

TEST(CommandLineTest, ArgumentsGiveTheActionTheFileAndTheFolder)
{
    const QString here = QStringLiteral("/home/student/lab");
    struct Case {
        QStringList arguments;
        Action action;
        QString file, folder;  // expected, absolute
        QString outputPart;    // a part of what is printed
    };
    const Case cases[] = {
        {{}, Action::Run, {}, {}, {}},
        {{"dane.tlx"}, Action::Run, here + "/dane.tlx", {}, {}},
        {{"/srv/pomiary/seria.dat"}, Action::Run, "/srv/pomiary/seria.dat", {}, {}},
        {{"--folder", "moje", "../wyniki.xls"}, Action::Run, "/home/student/wyniki.xls", here + "/moje", {}},
        {{"--folder=/var/tallox"}, Action::Run, {}, "/var/tallox", {}},
        // Qt's own options are the application object's business, not wrong options.
        {{"-platform", "offscreen", "-style=fusion", "--reverse", "-qmljsdebugger=port:1", "a.tlx"},
         Action::Run, here + "/a.tlx", {}, {}},
        {{"--", "-minus.tlx"}, Action::Run, here + "/-minus.tlx", {}, {}},
        {{"--version"}, Action::Version, {}, {}, "Tallox " TALLOX_VERSION "\n"},
        {{"-v", "dane.tlx"}, Action::Version, {}, {}, "Tallox " TALLOX_VERSION "\n"},
        {{"--help"}, Action::Help, {}, {}, "--folder <folder>"},
        {{"-h"}, Action::Help, {}, {}, "-v, --version"},
        {{"--bogus"}, Action::Error, {}, {}, "tallox: nieznana opcja: --bogus\n"},
        {{"-x", "a.tlx"}, Action::Error, {}, {}, "nieznana opcja: -x"},
        {{"a.tlx", "b.tlx"}, Action::Error, {}, {}, "tylko jeden plik"},
        {{"--folder"}, Action::Error, {}, {}, "opcja --folder wymaga nazwy folderu"},
        {{"--folder", ""}, Action::Error, {}, {}, "opcja --folder wymaga nazwy folderu"},
    };
    // A program started with no arguments at all, not even its name.
    EXPECT_EQ(tallox::parseCommandLine({}, here).action, Action::Run);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CommandLine line =
            tallox::parseCommandLine(QStringList{"/usr/bin/tallox"} + c.arguments, here);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.file, c.file);
        EXPECT_EQ(line.folder, c.folder);
        EXPECT_TRUE(line.output.contains(c.outputPart)) << line.output.toStdString();
        EXPECT_EQ(line.exitCode(), c.action == Action::Error ? 2 : 0);
        if (c.action == Action::Error) {
            EXPECT_TRUE(line.output.endsWith("Opcje programu wyświetla: tallox --help\n"));
        }
        if (c.action == Action::Version) {
            EXPECT_TRUE(QRegularExpression("^Tallox \\d+\\.\\d+\\.\\d+\n$").match(line.output).hasMatch());
        }
    }
}

TEST(ProgramFolderTest, TheOptionThenAnInstalledCopysDataFolderThenTheCurrentFolder)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString r = root.path();
    writeBytes(r + "/usr/bin/tallox", "program");
    writeBytes(r + "/usr/share/tallox/Tallox_Hist.txt", "historia");
    writeBytes(r + "/build/tallox", "program");
    writeBytes(r + "/opt/bin/tallox", "program");  // bin/, but nothing shipped beside it
    QDir().mkpath(r + "/local/bin");
    ASSERT_TRUE(QFile::link(r + "/usr/bin/tallox", r + "/local/bin/tallox"));
    const QString data = r + "/home/.local/share/Tallox", here = r + "/cwd";
    const QString shipped = r + "/usr/share/tallox";
    struct Case {
        const char* executable;
        QString option, dataLocation;
        QString folder, shippedFolder;  // expected
        bool error;
    };
    const Case cases[] = {
        {"/usr/bin/tallox", {}, data, data, shipped, false},
        {"/local/bin/tallox", {}, data, data, shipped, false},  // a link to an installed copy
        {"/usr/bin/tallox", "moje", data, here + "/moje", shipped, false},
        {"/build/tallox", {}, data, here, {}, false},
        {"/opt/bin/tallox", {}, data, here, {}, false},
        {"/build/tallox", r + "/inny/", data, r + "/inny", {}, false},
        {"/usr/bin/tallox", {}, {}, {}, shipped, true},  // no home: no data folder
        {"/build/tallox", {}, {}, here, {}, false},       // ...which a build folder does not need
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.executable) + " " + c.option.toStdString());
        const tallox::ProgramFolderChoice choice =
            tallox::chooseProgramFolder(r + c.executable, c.option, c.dataLocation, here);
        EXPECT_EQ(choice.folder, c.folder);
        EXPECT_EQ(choice.shippedFolder, c.shippedFolder);
        EXPECT_EQ(!choice.error.isEmpty(), c.error) << choice.error.toStdString();
    }
}

TEST(ProgramFolderTest, PreparingCreatesTheFolderAndCopiesOnlyWhatIsMissing)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString r = root.path();
    writeBytes(r + "/share/Tallox_Hist.txt", "historia nowa");
    writeBytes(r + "/share/Tallox_Info.txt", "nowości");
    QStringList warnings;

    // First start: the folder is made, the texts are copied.
    EXPECT_EQ(tallox::prepareProgramFolder({r + "/dane/Tallox", r + "/share", {}}, warnings), QString());
    EXPECT_EQ(readBytes(r + "/dane/Tallox/Tallox_Hist.txt"), QByteArray("historia nowa"));
    EXPECT_EQ(readBytes(r + "/dane/Tallox/Tallox_Info.txt"), "nowości");

    // A user's own text stays; only the missing one comes back.
    writeBytes(r + "/dane/Tallox/Tallox_Hist.txt", "moje notatki");
    QFile::remove(r + "/dane/Tallox/Tallox_Info.txt");
    EXPECT_EQ(tallox::prepareProgramFolder({r + "/dane/Tallox", r + "/share", {}}, warnings), QString());
    EXPECT_EQ(readBytes(r + "/dane/Tallox/Tallox_Hist.txt"), QByteArray("moje notatki"));
    EXPECT_EQ(readBytes(r + "/dane/Tallox/Tallox_Info.txt"), "nowości");

    // Not installed: the folder only.
    EXPECT_EQ(tallox::prepareProgramFolder({r + "/pusty", {}, {}}, warnings), QString());
    EXPECT_TRUE(QDir(r + "/pusty").isEmpty());
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();

    // A file where the folder should be, and a choice that failed, are errors.
    writeBytes(r + "/plik", "x");
    EXPECT_EQ(tallox::prepareProgramFolder({r + "/plik", {}, {}}, warnings),
              QDir::toNativeSeparators(r + "/plik") + " istnieje i nie jest folderem.");
    EXPECT_EQ(tallox::prepareProgramFolder({{}, r + "/share", "brak folderu"}, warnings), "brak folderu");
    EXPECT_EQ(readBytes(r + "/plik"), "x");
}

class CommandLineFileTest : public WindowTest {
protected:
    // Starts the program as program entry does, with the file named on the command line, and
    // returns what the user sees before the event loop has run.
    void start(const QString& name)
    {
        tallox::startMainWindow(form(), folder() + u'/' + name);
        EXPECT_EQ(modalShown, std::vector<QString>{"Form12"});
        EXPECT_TRUE(form().isVisible());
        // Nothing is read before the window is up: its boxes come over it.
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(form().F1Book1->CellType(1, 1), TF1Book::Empty);
        QCoreApplication::processEvents();
    }
};

TEST_F(CommandLineFileTest, TheFileIsLoadedAsLoadDataLoadsIt)
{
    // Tab-separated text under a name that says nothing: the content decides.
    writeFile("wahadlo.pomiar", "1,5\t2.5\r\n3\t\r\n");
    start("wahadlo.pomiar");
    TF1Book& sheet = *form().F1Book1;
    EXPECT_EQ(sheet.CellType(1, 1), TF1Book::NumberCell);
    EXPECT_EQ(sheet.CellNumber(1, 1), 1.5);
    EXPECT_EQ(sheet.CellText(1, 2), QStringLiteral("2.5"));
    EXPECT_EQ(sheet.CellNumber(2, 1), 3.0);
    EXPECT_EQ(form().StatusBar1->panelText(0),
              QDir::toNativeSeparators(folder() + "/wahadlo.pomiar"));
    EXPECT_EQ(boxes(), std::vector<QString>{
                           "Ostrzeżenie ładowania zbioru danych!|W ładowanych danych wykryto "
                           "kropki - pomyśl ewentualnie o ich zamianie na przecinki !"});
}

TEST_F(CommandLineFileTest, AFileThatCannotBeReadShowsTheLoadFailureAndLeavesTheSheetEmpty)
{
    writeFile("zepsuty.tlx", "Tallox worksheet 1\r\n1\t1\tn\t2\r\n");  // no end line
    for (const QString name : {"zepsuty.tlx", "brak.tlx"}) {
        messages.clear();
        modalShown.clear();
        start(name);
        ASSERT_EQ(messages.size(), 1u);
        const QString lead = "Nie można odczytać pliku: " + QDir::toNativeSeparators(folder() + u'/' + name) + u'\n';
        EXPECT_EQ(messages[0].caption, QStringLiteral("Błąd ładowania zbioru danych!"));
        EXPECT_TRUE(messages[0].text.startsWith(lead)) << messages[0].text.toStdString();
        EXPECT_GT(messages[0].text.size(), lead.size());  // and the reason
        EXPECT_EQ(form().F1Book1->CellType(1, 1), TF1Book::Empty);
        EXPECT_EQ(form().StatusBar1->panelText(0), QString());
    }
}

} // namespace
