// Analysis sets: saving the worksheet into "<name>_ana" folders and opening a set again.
#include "common/PanelStatusBar.h"
#include "common/TextFile.h"
#include "figures/FigureTable.h"
#include "records/AnalysisSets.h"
#include "support/fixture.h"
#include "users/UserRegistry.h"
#include "worksheet/TF1Book.h"

#include <QAction>
#include <QDir>
#include <QFile>

namespace {

using tallox::FileDialogAnswer;

class AnalysisSetsTest : public WindowTest {
protected:
    TForm1& f() { return form(Edition::Full); }
    void save(const QString& chosen)
    {
        fileAnswers.push_back({true, chosen, 1});
        f().analysisSets->ZachowajAnalizy_ButtonClick();
    }
    QStringList list(const QString& user)
    {
        return tallox::readTextLines(folder() + u'/' + user + u'/' + user + "_ana.ini");
    }
    QString native(const QString& path) { return QDir::toNativeSeparators(folder() + path); }
};

TEST_F(AnalysisSetsTest, SavingMakesTheFolderWritesTheWorksheetAndRecordsIt)
{
    QDir(folder()).mkpath("Nowak");
    QDir(folder()).mkpath("Lab.2");
    f().users->Operacja_Otwierania_Uzytkownika("Nowak");
    f().F1Book1->setCellNumber(1, 1, 2.5);
    save(folder() + "/pomiar.ana");
    EXPECT_EQ(fileRequests.back().name, "Save_Analizy");
    EXPECT_EQ(fileRequests.back().initialFolder, folder() + "/Nowak");
    EXPECT_TRUE(QFile::exists(folder() + "/pomiar_ana/worksheet.tlx"));
    EXPECT_EQ(boxes(), (std::vector<QString>{"Informacja|Nowy katalog analiz:  " + native("/pomiar")
                                             + "_ana  został utworzony prawidłowo!"}));
    EXPECT_EQ(list("Nowak"), QStringList{native("/pomiar_ana")});
    // The menu shows the set at once.
    EXPECT_TRUE(f().action("ListaUsersAnalysis_PopUp_N1")->isVisible());
    EXPECT_EQ(f().action("ListaUsersAnalysis_PopUp_N1")->text(), native("/pomiar_ana"));

    // Twice: the warning, the worksheet replaced, a second identical line.
    messages.clear();
    f().F1Book1->setCellNumber(1, 1, 7);
    save(folder() + "/pomiar.ana");
    EXPECT_EQ(boxes(), (std::vector<QString>{"Ostrzeżenie|Katalog analiz o podanej nazwie już istnieje !"}));
    EXPECT_EQ(list("Nowak"), (QStringList{native("/pomiar_ana"), native("/pomiar_ana")}));

    // A dotted parent folder keeps its dot.
    save(folder() + "/Lab.2/seria.1.ana");
    EXPECT_TRUE(QFileInfo(folder() + "/Lab.2/seria_ana").isDir());

    // A folder that cannot be made: a warning, nothing written, nothing recorded.
    messages.clear();
    save(folder() + "/brak/x.ana");
    EXPECT_EQ(boxes(), (std::vector<QString>{"Ostrzeżenie|Nie można utworzyć katalogu analiz: "
                                             + native("/brak/x_ana")}));
    EXPECT_EQ(list("Nowak").size(), 3);

    // Opening the set brings back what was saved second.
    f().F1Book1->setCellNumber(1, 1, 0);
    fileAnswers.push_back({true, folder() + "/pomiar_ana/worksheet.tlx", 1});
    f().analysisSets->Ladowanie_Analiz();
    EXPECT_EQ(f().F1Book1->CellNumber(1, 1), 7.0);
    EXPECT_EQ(f().StatusBar1->panelText(0), native("/pomiar_ana/worksheet.tlx"));
}

TEST_F(AnalysisSetsTest, WithoutAUserTheSetGoesToTheDefaultList)
{
    QDir(folder()).mkpath("default");
    save(folder() + "/wahadlo");
    EXPECT_TRUE(QFileInfo(folder() + "/wahadlo_ana").isDir());
    EXPECT_EQ(list("default"), QStringList{native("/wahadlo_ana")});
    EXPECT_TRUE(fileRequests.back().initialFolder.isEmpty());
}

TEST_F(AnalysisSetsTest, CancelledDialogsAndUnreadableFilesLeaveTheSheet)
{
    f().F1Book1->setCellNumber(1, 1, 3);
    f().figureTable().raiseCount();
    fileAnswers = {{}, {}};
    f().analysisSets->ZachowajAnalizy_ButtonClick();
    f().analysisSets->Ladowanie_Analiz();
    EXPECT_EQ(QDir(folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{});
    EXPECT_EQ(f().F1Book1->CellNumber(1, 1), 3.0);
    EXPECT_EQ(f().figureTable().count(), 0);
    EXPECT_TRUE(messages.empty());

    writeFile("zepsuty.tlx", QByteArray("\x01\x02 nie arkusz", 13));
    fileAnswers.push_back({true, folder() + "/zepsuty.tlx", 1});
    f().analysisSets->Ladowanie_Analiz();
    EXPECT_EQ(f().F1Book1->CellNumber(1, 1), 3.0);
    EXPECT_TRUE(f().StatusBar1->panelText(0).isEmpty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Błąd ładowania zbioru danych!");
    EXPECT_TRUE(messages[0].text.startsWith("Nie można odczytać pliku: "));

    // Dotted numbers: one warning however many cells hold them.
    messages.clear();
    writeFile("kropki.dat", "1.5\t2.5\r\n3.5\t4\r\n");
    fileAnswers.push_back({true, folder() + "/kropki.dat", 2});
    f().analysisSets->Ladowanie_Analiz();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "W ładowanych danych wykryto kropki - pomyśl ewentualnie o ich zamianie na przecinki !");
}

} // namespace
