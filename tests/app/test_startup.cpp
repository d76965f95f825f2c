// What start-up leaves behind: folders, the settings file, the window and its forms.
#include "app/OtherForms.h"
#include "users/Leaders.h"
#include "users/UserForms.h"
#include "app/TForm12.h"
#include "app/TForm13.h"
#include "app/TForm2.h"
#include "app/TextFileDialog.h"
#include "chart/Chart.h"
#include "common/PanelStatusBar.h"
#include "support/fixture.h"
#include "worksheet/TF1Book.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolButton>

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using StartupTest = WindowTest;

TEST_F(StartupTest, FirstRunCreatesTheSettingsFileWithTheProgramFolder)
{
    TForm1& f = form();
    EXPECT_EQ(QDir(f.ProgramFolder).canonicalPath(), QDir(folder()).canonicalPath());
    EXPECT_EQ(f.UsersHomeFolder, f.ProgramFolder);
    EXPECT_EQ(readBytes(folder() + "/tallox2.ini"),
              QDir::toNativeSeparators(f.ProgramFolder).toUtf8() + "\r\n");
}

TEST_F(StartupTest, OnlyTheFirstLineOfTheSettingsFileCountsAndTheFileStaysAsItWas)
{
    const QByteArray settings = "/home/lab/uzytkownicy\r\ndruga linia\r\ntrzecia\r\n";
    writeFile("tallox2.ini", settings);
    EXPECT_EQ(form().UsersHomeFolder, QStringLiteral("/home/lab/uzytkownicy"));
    EXPECT_EQ(readBytes(folder() + "/tallox2.ini"), settings);
}

TEST_F(StartupTest, AnEmptyFirstLineGivesAnEmptyUsersFolder)
{
    writeFile("tallox2.ini", "\r\n/inny\r\n");
    EXPECT_EQ(form().UsersHomeFolder, QString());
}

TEST_F(StartupTest, HistoryAndNewsTextsAreReadLineByLine)
{
    writeFile("Tallox_Hist.txt", "L1\r\nL2\r\nL3\r\n");
    writeFile("Tallox_Info.txt", "Nowo\x9c\xe6: \xb3\xb9ka\n");  // Windows-1250, from an old copy
    TForm1& f = form();
    EXPECT_EQ(f.Form3->Label1->text(), QStringLiteral("\nL1\nL2\nL3"));
    EXPECT_EQ(f.Form4->Label1->text(), QStringLiteral("\nNowość: łąka"));
}

TEST_F(StartupTest, MissingTextFilesLeaveTheLabelsEmpty)
{
    TForm1& f = form();
    EXPECT_EQ(f.Form3->Label1->text(), QString());
    EXPECT_EQ(f.Form4->Label1->text(), QString());
}

TEST_F(StartupTest, MainWindowShowsItsPagesAndAnEmptySheet)
{
    TForm1& f = form();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("  Tallox PL 2.0 beta  Home Edition"));
    EXPECT_EQ(f.size(), QSize(958, 699));
    ASSERT_EQ(f.PageControl1->count(), 4);
    EXPECT_EQ(f.PageControl1->tabText(0), QStringLiteral("Dane"));
    EXPECT_EQ(f.PageControl1->tabText(1), QStringLiteral("Wykresy"));
    EXPECT_EQ(f.PageControl1->tabText(2), QStringLiteral("Analizy"));
    EXPECT_EQ(f.PageControl1->tabText(3), QStringLiteral("Opcje i ustawienia programu"));
    EXPECT_EQ(f.F1Book1->MaxRow(), 200);
    EXPECT_EQ(f.F1Book1->MaxCol(), 26);
    EXPECT_EQ(f.F1Book1->ColumnHeading(26), QStringLiteral("Trans niep Y"));
    EXPECT_EQ(f.F1Book1->ShowTabs(), 0);
    EXPECT_FALSE(f.F1Book1->AllowEditHeaders());
    EXPECT_EQ(f.F1Book1->CellType(1, 1), TF1Book::Empty);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(f.StatusBar1->panelText(i), QString());
    EXPECT_EQ(f.StatusBar1->panel(0)->width(), 400);
    EXPECT_EQ(f.StatusBar1->panel(1)->width(), 130);
    EXPECT_TRUE(f.StatusBar1->panel(0)->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(f.StatusBar1->panel(2)->alignment() & Qt::AlignLeft);
}

TEST_F(StartupTest, EveryChartSeriesStartsEmptyAndSwitchedOff)
{
    TForm1& f = form();
    for (int i = 0; i < tallox::Chart::seriesCount; ++i) {
        EXPECT_EQ(f.Chart1->series(i).count(), 0);
        EXPECT_FALSE(f.Chart1->series(i).isActive());
    }
}

TEST_F(StartupTest, FormsExistWithTheirCaptions)
{
    TForm1& f = form();
    const std::pair<QWidget*, const char*> forms[] = {
        {f.Form2, "  Informacje o Programie Tallox PL 2.0"},
        {f.Form3, "  Historia Programu Tallox PL 2.0"},
        {f.Form4, "  Informacje o wersji programu"},
        {f.Form6, "  Lokalizacja plików analiz Użytkowników"},
        {f.Form7, "  Użytkownik  (User ID)"},
        {f.Form8, "  Otwórz Użytkownika"},
        {f.Form9, "  Lider"},
        {f.Form12, "    Ważne"},
        {f.Form13, "    Zasłużeni dla Rozwoju Programu i   Alpha -Testerzy"},
        {f.Form14, "Parametry Osi"},
        {f.Form15, "Form15"},
    };
    for (const auto& [widget, caption] : forms) {
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->windowTitle(), QString::fromUtf8(caption));
        EXPECT_EQ(widget->parent(), &f);
        EXPECT_FALSE(widget->isVisible());
    }
    EXPECT_EQ(f.Form14->XAxisTitle_Edit->text(), QStringLiteral("Opis osi X-ów"));
    EXPECT_EQ(f.Form12->Edition1_Label->text(), QStringLiteral("    Home Edition"));
    EXPECT_EQ(f.Form12->Edition2_Label->text(), QStringLiteral("    Home Edition"));
}

TEST_F(StartupTest, HomeEditionHidesTheRegistryAndAnalysisSets)
{
    TForm1& f = form(Edition::Home);
    for (const char* hidden :
         {"OpenUsers_ToolButton", "LoadData_ToolButton", "LoadProjects_ToolButton",
          "UserID_MainMenu", "NoweAnalizy_MainMenu", "LoadAnalizy_MainMenu",
          "SaveAnalizy_MainMenu", "Help_ToolButton", "Podgldwydruku1", "Analizy1", "Wykres1"})
        EXPECT_FALSE(f.action(QLatin1String(hidden))->isVisible()) << hidden;
    EXPECT_TRUE(f.action(QStringLiteral("LodaHomePro_ToolButton"))->isVisible());
    for (int i = 1; i <= 9; ++i)
        EXPECT_FALSE(f.action(QStringLiteral("ListaUsers_PopUp_N%1").arg(i))->isVisible());
    const auto* newData = find<QPushButton>("NewDane_Button");
    EXPECT_EQ(newData->x(), 125);
    EXPECT_EQ(newData->width(), 113);
    EXPECT_FALSE(find<QPushButton>("LoadProjects_Button")->isVisibleTo(&f));
    EXPECT_FALSE(find<QPushButton>("NewProject_Button")->isEnabled());
}

TEST_F(StartupTest, FullEditionKeepsTheEntryPoints)
{
    TForm1& f = form(Edition::Full);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("  Tallox PL 2.0 beta"));
    EXPECT_TRUE(f.action(QStringLiteral("UserID_MainMenu"))->isVisible());
    EXPECT_TRUE(f.action(QStringLiteral("LoadProjects_ToolButton"))->isVisible());
}

TEST_F(StartupTest, ChartTakesThePageWidthLessTheFigureInputs)
{
    TForm1& f = form();
    f.show();
    f.PageControl1->resize(800, 500);
    EXPECT_EQ(f.Chart1->width(), 520);
    f.resize(1200, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.Chart1->width(), f.PageControl1->width() - 280);
}

TEST_F(StartupTest, SaveButtonFollowsTheRightEdge)
{
    TForm1& f = form();
    f.show();
    QCoreApplication::processEvents();
    auto* save = find<QPushButton>("SaveData_Button");
    EXPECT_EQ(save->x(), 275);
    f.resize(f.width() + 100, f.height());
    QCoreApplication::processEvents();
    EXPECT_EQ(save->x(), 375);
}

TEST_F(StartupTest, HintOfAControlAppearsInTheHintLine)
{
    TForm1& f = form();
    QAction* copy = f.action(QStringLiteral("CopyData_ToolButton"));
    copy->showStatusText(find<QToolButton>("CopyData_ToolButton"));
    EXPECT_EQ(f.StatusBar2->text(), QStringLiteral("Kopiuj Dane do schowka"));
    QStatusTipEvent tip(QStringLiteral("Usuniecie danych z arkusza i edycja nowych danych"));
    QCoreApplication::sendEvent(find<QPushButton>("NewDane_Button"), &tip);
    EXPECT_EQ(f.StatusBar2->text(),
              QStringLiteral("Usuniecie danych z arkusza i edycja nowych danych"));
    EXPECT_EQ(f.StatusBar1->panelText(0), QString());
}

TEST_F(StartupTest, MenusHoldTheirItemsInOrder)
{
    TForm1& f = form();
    QStringList items;
    for (QAction* a : find<QMenu>("Edycja1")->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(items, (QStringList{"Cofnij1", "Ponow1", "-", "Kopiuj1", "Wytnij1", "W1", "-", "Zamiekropkinaprzecinki2", "-",
                                  "ZaznaczWszystko1", "UsuWszystko1", "-", "KopiujWykres1"}));
    EXPECT_EQ(f.action("Kopiuj1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(f.action("KopiujWykres1")->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C));
    EXPECT_EQ(f.action("ClearAll1")->statusTip(),
              QStringLiteral("Wykresy i Analizy pozostaja bez zmian"));
    EXPECT_TRUE(f.action("Siatkapionowa1")->isChecked());
    EXPECT_FALSE(f.action("Pokazwynikiregresji1")->isEnabled());
}

} // namespace
