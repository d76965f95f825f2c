// The "Cofnij" and "Ponów" items over the window's commands, and the recovery file: kept while the
// program runs, left by a killed program, offered and restored by the next window.
#include "analyses/AnalysesPage.h"
#include "analyses/LinearizationPage.h"
#include "analyses/test_regression_fixture.h"
#include "app/DataPage.h"
#include "common/PanelStatusBar.h"
#include "support/fixture.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/Recovery.h"
#include "worksheet/TF1Book.h"
#include "worksheet/cells/SheetShape.h"
#include "worksheet/formats/SheetFile.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QUndoStack>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <tuple>

using namespace tallox;

namespace {

const char* kChildFolder = "TALLOX_RECOVERY_CHILD_FOLDER";

// A full sheet of numbers a rounding would change, with texts and a -0 among them.
void fillSheet(TF1Book& sheet)
{
    SheetCells cells;
    for (int r = 1; r <= sheetRows; ++r)
        for (int c = 1; c <= sheetColumns; ++c) {
            if ((r + c) % 7 == 0)
                cells.cells.push_back({r, c, SheetCell::Kind::Text, 0.0, QStringLiteral("pomiar %1;%2\t\"ż\"").arg(r).arg(c)});
            else
                cells.cells.push_back({r, c, SheetCell::Kind::Number,
                                       (r * 31 + c) % 11 == 0 ? -0.0 : std::ldexp(1.0 / 3.0 * r, c - 13) + 1e-16 * c, {}});
        }
    sheet.replaceCells(cells);
    sheet.enterText(1, 1, QStringLiteral("3,14159265358979"));
}

using CellKey = std::tuple<int, int, int, quint64, QString>;
std::vector<CellKey> cellsOf(const TF1Book& sheet)
{
    std::vector<CellKey> out;
    for (const SheetCell& c : sheet.sheetCells().cells) {
        quint64 bits = 0;
        std::memcpy(&bits, &c.number, sizeof bits);
        out.emplace_back(c.row, c.col, int(c.kind), bits, c.text);
    }
    std::sort(out.begin(), out.end());
    return out;
}

QStringList recoveryFiles(const QString& folder)
{
    return QDir(SheetRecovery::folder(folder)).entryList(QDir::Files | QDir::Hidden);
}

SheetRecovery& recoveryOf(TForm1& form)
{
    auto* recovery = form.findChild<SheetRecovery*>();
    if (!recovery)
        throw std::logic_error("no recovery");
    return *recovery;
}

class UndoRecoveryTest : public WindowTest {
protected:
    QString caption(const char* name) { return form().action(QLatin1String(name))->text(); }
    bool enabled(const char* name) { return form().action(QLatin1String(name))->isEnabled(); }
    void trigger(const char* name) { form().action(QLatin1String(name))->trigger(); }
};

// "LINEARYZUJ" writes the transform columns over earlier ones: one step that puts them back.
class LinearizationUndoTest : public RegressionPageTest {};

TEST_F(LinearizationUndoTest, TheTransformColumnsAreOneStep)
{
    TF1Book& sheet = *form().F1Book1;
    fillColumn(1, {1, 2, 4});
    fillColumn(2, {2, 8, 32});
    sheet.setCellText(5, transXColumn, QStringLiteral("stare"));
    sheet.setCellNumber(6, transYColumn, -0.0);
    plot();
    const int before = sheet.undoStack()->index();
    LinearizationPage& lin = *form().Analizy_TabSheet->linearizationPage;
    choose(lin.TransformacjaDanych_TakNie_ComboBox, 0);
    lin.Linearyzacja_Button->click();
    ASSERT_EQ(sheet.undoStack()->index(), before + 1);
    EXPECT_EQ(sheet.undoStack()->undoText(), QStringLiteral("linearyzacja / transformacja"));
    EXPECT_DOUBLE_EQ(sheet.CellNumber(2, transYColumn), std::log(8.0));
    form().action(QStringLiteral("Cofnij1"))->trigger();
    EXPECT_EQ(sheet.CellType(2, transYColumn), TF1Book::Empty);
    EXPECT_EQ(sheet.CellText(5, transXColumn), QStringLiteral("stare"));
    EXPECT_TRUE(std::signbit(sheet.CellNumber(6, transYColumn)));
    form().action(QStringLiteral("Ponow1"))->trigger();
    EXPECT_DOUBLE_EQ(sheet.CellNumber(2, transYColumn), std::log(8.0));
}

// Runs only as the child of KilledProgramLeavesAFileTheNextWindowRestores.
TEST(RecoveryChildProcess, FillsTheSheetAndWaitsToBeKilled)
{
    const QString folder = qEnvironmentVariable(kChildFolder);
    if (folder.isEmpty())
        GTEST_SKIP() << "run by the recovery test only";
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    TF1Book sheet;
    Kolorowanie_Kolumn(sheet);
    SheetRecovery recovery(sheet, folder);
    fillSheet(sheet);
    recovery.flush();
    std::printf("ready\n");
    std::fflush(stdout);
    QThread::sleep(60);
    FAIL() << "was not killed";
}

TEST_F(UndoRecoveryTest, TheItemsNameTheStepAndUndoRedoTheWindowsCommands)
{
    TF1Book& sheet = *form().F1Book1;
    for (const char* name : {"Cofnij1", "Cofnij2", "Ponow1", "Ponow2"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_EQ(caption("Cofnij1"), QStringLiteral("Cofnij"));
    EXPECT_EQ(caption("Ponow2"), QStringLiteral("Ponów"));
    EXPECT_EQ(form().action(QStringLiteral("Ponow1"))->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));

    sheet.enterText(1, 1, QStringLiteral("2,5"));
    sheet.enterText(2, 1, QStringLiteral("1.5"));  // a text: the dot
    EXPECT_EQ(caption("Cofnij1"), QStringLiteral("Cofnij: wpisanie"));
    EXPECT_EQ(caption("Cofnij2"), QStringLiteral("Cofnij: wpisanie"));
    trigger("Zamiekropkinaprzecinki2");
    EXPECT_EQ(sheet.CellType(2, 1), TF1Book::NumberCell);
    EXPECT_EQ(caption("Cofnij1"), QStringLiteral("Cofnij: kropki na przecinki"));

    answers.push_back(MessageAnswer::Yes);
    trigger("NoweDane1");
    EXPECT_EQ(sheet.CellType(1, 1), TF1Book::Empty);
    EXPECT_EQ(caption("Cofnij1"), QStringLiteral("Cofnij: nowe dane (tylko komórki)"));
    trigger("Cofnij1");
    EXPECT_EQ(sheet.CellNumber(1, 1), 2.5);
    EXPECT_EQ(sheet.CellNumber(2, 1), 1.5);
    EXPECT_EQ(sheet.CellFill(5, transXColumn), 0x8888FF);  // the layout is there
    EXPECT_EQ(sheet.ColumnHeading(transXColumn), QStringLiteral("Trans X"));
    EXPECT_EQ(caption("Ponow1"), QStringLiteral("Ponów: nowe dane (tylko komórki)"));
    EXPECT_TRUE(enabled("Ponow2"));
    trigger("Cofnij2");
    EXPECT_EQ(sheet.CellType(2, 1), TF1Book::TextCell);
    trigger("Ponow2");
    trigger("Ponow1");
    EXPECT_EQ(sheet.CellType(1, 1), TF1Book::Empty);
    EXPECT_FALSE(enabled("Ponow1"));

    trigger("Cofnij1");
    trigger("UsuWszystko1");  // a new change: nothing to redo any more
    EXPECT_EQ(caption("Cofnij1"), QStringLiteral("Cofnij: usunięcie wszystkich danych"));
    EXPECT_FALSE(enabled("Ponow1"));
    EXPECT_EQ(caption("Ponow1"), QStringLiteral("Ponów"));
}

TEST_F(UndoRecoveryTest, TheFileIsKeptWhileUnsavedAndGoesWithASaveOrAnEmptySheet)
{
    TF1Book& sheet = *form().F1Book1;
    EXPECT_TRUE(form().Dane_TabSheet->RecoveryBar->isHidden());
    EXPECT_FALSE(QDir(SheetRecovery::folder(folder())).exists());  // nothing until data come

    sheet.enterText(3, 2, QStringLiteral("7"));
    recoveryOf(form()).flush();
    ASSERT_EQ(recoveryFiles(folder()).size(), 1);
    ASSERT_TRUE(sheet.WriteFile(folder() + QStringLiteral("/dane.tlx"), SheetFileType::Tlx));
    recoveryOf(form()).flush();
    EXPECT_TRUE(recoveryFiles(folder()).isEmpty());
    sheet.enterText(3, 3, QStringLiteral("8"));
    recoveryOf(form()).flush();
    EXPECT_EQ(recoveryFiles(folder()).size(), 1);
    form().action(QStringLiteral("Cofnij1"))->trigger();  // back to the saved sheet
    recoveryOf(form()).flush();
    EXPECT_TRUE(recoveryFiles(folder()).isEmpty());
    sheet.enterText(4, 3, QStringLiteral("9"));
    trigger("UsuWszystko1");
    recoveryOf(form()).flush();
    EXPECT_TRUE(recoveryFiles(folder()).isEmpty());

    // Two more windows over one folder: a file each; closing with unsaved data keeps them, with
    // the change of the last 2 s in them.
    auto first = std::make_unique<TForm1>(Edition::Home);
    auto second = std::make_unique<TForm1>(Edition::Home);
    first->F1Book1->enterText(1, 1, QStringLiteral("1"));
    second->F1Book1->enterText(1, 1, QStringLiteral("2"));
    recoveryOf(*first).flush();
    const QString secondFile = recoveryOf(*second).filePath();
    EXPECT_FALSE(QFile::exists(secondFile));  // not yet: 2 s after the change
    first.reset();
    second.reset();
    EXPECT_EQ(recoveryFiles(folder()).size(), 2);
    const SheetLoadResult kept = readSheetFile(secondFile, QLocale());
    ASSERT_TRUE(kept.ok);
    ASSERT_EQ(kept.sheet.cells.size(), 1u);
    EXPECT_EQ(kept.sheet.cells.front().number, 2.0);
}

TEST_F(UndoRecoveryTest, KilledProgramLeavesAFileTheNextWindowRestores)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kChildFolder), folder());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=RecoveryChildProcess.*")});
    ASSERT_TRUE(child.waitForStarted());
    QByteArray out;
    while (!out.contains("ready\n") && child.waitForReadyRead(20000))
        out += child.readAllStandardOutput();
    ASSERT_TRUE(out.contains("ready\n")) << out.toStdString();
    ::kill(pid_t(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    ASSERT_EQ(recoveryFiles(folder()).size(), 1);

    TF1Book expected;
    Kolorowanie_Kolumn(expected);
    fillSheet(expected);

    DataPage& page = *form().Dane_TabSheet;
    ASSERT_FALSE(page.RecoveryBar->isHidden());
    EXPECT_TRUE(page.RecoveryBar_Label->text().contains(QRegularExpression(
        QStringLiteral("^Znaleziono niezapisane dane z poprzedniej sesji \\(\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d\\)\\.$"))))
        << page.RecoveryBar_Label->text().toStdString();
    ASSERT_TRUE(page.Przywroc_Button->isEnabled());
    page.Przywroc_Button->click();
    EXPECT_TRUE(page.RecoveryBar->isHidden());
    EXPECT_TRUE(cellsOf(*form().F1Book1) == cellsOf(expected));
    EXPECT_EQ(form().StatusBar1->panelText(0), QStringLiteral("odzyskane dane"));
    EXPECT_EQ(caption("Cofnij1"), QStringLiteral("Cofnij: odzyskane dane"));
    // The left file is now this window's own.
    recoveryOf(form()).flush();
    const QStringList files = recoveryFiles(folder());
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(files.front().contains(QString::number(QCoreApplication::applicationPid())));
}

TEST_F(UndoRecoveryTest, ADamagedFileIsOfferedAsDamagedAndCanBeDiscarded)
{
    TF1Book full;
    Kolorowanie_Kolumn(full);
    fillSheet(full);
    const QString whole = folder() + QStringLiteral("/whole.tlx");
    ASSERT_TRUE(writeSheetFile(whole, SheetFileType::Tlx, full.sheetCells(), QLocale()).ok);
    QFile wholeFile(whole);
    ASSERT_TRUE(wholeFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = wholeFile.readAll();
    const std::pair<const char*, QByteArray> damages[] = {
        {"not our format", QByteArray("\x00\x01garbage\xff\xfe", 11)},
        {"cut in the middle", bytes.left(bytes.size() / 2)},
        {"empty", QByteArray()},
    };
    QDir().mkpath(SheetRecovery::folder(folder()));
    for (const auto& [what, content] : damages) {
        SCOPED_TRACE(what);
        // A pid above any system's limit: a program that no longer runs.
        writeFile(QStringLiteral(".tallox-odzysk/arkusz-999999999-1.tlx"), content);
        TForm1 window(Edition::Home);
        DataPage& page = *window.Dane_TabSheet;
        ASSERT_FALSE(page.RecoveryBar->isHidden());
        EXPECT_TRUE(page.RecoveryBar_Label->text().endsWith(
            QStringLiteral("). Plik jest uszkodzony i nie można go odczytać.")));
        EXPECT_FALSE(page.Przywroc_Button->isEnabled());
        page.Odrzuc_Button->click();
        EXPECT_TRUE(page.RecoveryBar->isHidden());
        EXPECT_TRUE(recoveryFiles(folder()).isEmpty());
    }
}

} // namespace
