// The user registry as a lab teacher and a student use it, with real files in the test's
// folder (the program's folder and, unless moved, the users' home folder).
#include "common/PanelStatusBar.h"
#include "common/TextFile.h"
#include "records/AnalysisSets.h"
#include "worksheet/DataFiles.h"
#include "support/fixture.h"
#include "users/ListFiles.h"
#include "users/UserForms.h"
#include "users/UserRegistry.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace tallox::users;

QByteArray crlf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

class UsersTest : public WindowTest {
protected:
    TForm1& full() { return form(Edition::Full); }
    TForm7& f7() { return *full().Form7; }
    TForm8& f8() { return *full().Form8; }
    UserRegistry& users() { return *full().users; }
    QStringList lines(const QString& name) const
    {
        QFile file(folder() + u'/' + name);
        if (!file.open(QIODevice::ReadOnly))
            return {"<missing>"};
        QStringList read = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        read.removeLast();  // after the last line end
        return read;
    }
    void add(const QString& name)
    {
        f7().NazwaUsera_ComboBox->setEditText(name);
        users().DodajUsera_UsersButtonClick();
    }
    QStringList shownItems(const char* menu)
    {
        QStringList shown;
        for (int i = 1; i <= 9; ++i)
            if (QAction* item = full().action(QStringLiteral("%1_N%2").arg(QLatin1String(menu)).arg(i));
                item->isVisible())
                shown << item->text();
        return shown;
    }
};

TEST(ListFiles, RecentFirstUpdatesKeepOrDropBlanksAndStayWithinTheBound)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/list.ini";
    struct Case {
        QStringList before;
        QString entry;
        bool keepBlanks;
        QStringList after;
    };
    const Case cases[] = {
        {{"I rok Fizyka", "", "II rok Chemia"}, "II rok Chemia", false, {"II rok Chemia", "I rok Fizyka"}},
        {{"a", "   ", "b"}, "   ", false, {"a", "b"}},
        {{"a", "", "b", "c"}, "c", true, {"c", "a", "", "b"}},
        {{"a", "", "b"}, "", true, {"a", "b"}},
        {{}, "Nowak", true, {"Nowak"}},
        {{"a\tb"}, "x", false, {"x", "a\tb"}},
    };
    for (const Case& c : cases) {
        QFile::remove(path);
        if (!c.before.isEmpty()) {
            ASSERT_TRUE(tallox::writeTextLines(path, c.before));
        }
        if (c.keepBlanks)
            updateRecentFirstKeepingBlanks(path, c.entry);
        else
            updateRecentFirst(path, c.entry);
        EXPECT_EQ(tallox::readTextLines(path), c.after) << c.entry.toStdString();
    }
    QStringList many;
    for (int i = 0; i < 150; ++i)
        many << QString::number(i);
    tallox::writeTextLines(path, many);
    updateRecentFirst(path, "new");
    const QStringList bounded = tallox::readTextLines(path);
    EXPECT_EQ(bounded.size(), kListLimit);
    EXPECT_EQ(bounded.first(), "new");
    EXPECT_EQ(bounded.last(), "98");
    EXPECT_TRUE(isNonBlank("\t") && !isNonBlank("   ") && !isNonBlank(""));
}

TEST_F(UsersTest, AddingUsersCreatesFoldersAndRefusesBadNames)
{
    writeFile("users.ini", crlf({"Nowak", "", "Adamski"}));
    add("Kowalski");
    EXPECT_TRUE(QFileInfo(folder() + "/Kowalski").isDir());
    EXPECT_EQ(boxes(), (std::vector<QString>{
                           "Informacja|Katalog nowego Użytkownika  --Kowalski--  został pomyślnie utworzony !"}));
    EXPECT_GE(f7().NazwaUsera_ComboBox->findText("Kowalski"), 0);
    // Not in the user list until opened; the list loses its blank line.
    EXPECT_EQ(lines("users.ini"), (QStringList{"Nowak", "Adamski"}));
    EXPECT_EQ(f7().NazwaUsera_ComboBox->itemText(0), "Adamski");  // sorted
    EXPECT_TRUE(f7().DeleteUser_UsersButton->isEnabled());
    EXPECT_FALSE(f7().NewUser_Image->isHidden());

    const QString tryAgain = "Informacja|Wprowadź raz jeszcze inną nazwę Użytkownika !";
    const QString nameCaption = "Błąd Wprowadzonej nazwy Użytkownika !|";
    const QString outside = "../" + QFileInfo(folder()).fileName() + "-poza";
    const std::pair<QString, QString> refused[] = {
        {"Kowalski", "Ostrzeżenie|Użytkownik o podanej nazwie już istnieje !"},
        {"   ", nameCaption + "Nazwa Użytkownika nie może być nazwą pustą !"},
        {outside, nameCaption + "Nazwa Użytkownika nie może zawierać znaków / ani \\ ani być nazwą . lub .. !"},
        {"a/b", nameCaption + "Nazwa Użytkownika nie może zawierać znaków / ani \\ ani być nazwą . lub .. !"},
        {"..", nameCaption + "Nazwa Użytkownika nie może zawierać znaków / ani \\ ani być nazwą . lub .. !"},
    };
    QDir(folder()).mkdir("a");
    for (const auto& [name, first] : refused) {
        messages.clear();
        add(name);
        EXPECT_EQ(boxes(), (std::vector<QString>{first, tryAgain})) << name.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(folder() + u'/' + outside));
    EXPECT_FALSE(QFileInfo::exists(folder() + "/a/b"));
    messages.clear();
    add("Jan\tKos");
    EXPECT_TRUE(QFileInfo(folder() + "/Jan\tKos").isDir());
}

TEST_F(UsersTest, ModifyingWritesFiveLinesAndDeletingKeepsTheFolder)
{
    add("Kowalski");
    f7().NazwaUsera_ComboBox->setEditText("Kowalski");
    f7().ImieNazwisko_Edit->setText("Jan Kowalski");
    f7().RokKierunek_ComboBox->setEditText("I rok Fizyka");
    f7().NazwaGrupa_ComboBox->setEditText("G3");
    f7().EmailUsers_Edit->setText("jan@example.edu.pl");
    users().Modyfikacja_Wpisow_Uzytkownikow();
    EXPECT_EQ(lines("Kowalski/Kowalski.ini"),
              (QStringList{"Kowalski", "Jan Kowalski", "I rok Fizyka", "G3", "jan@example.edu.pl"}));
    EXPECT_EQ(lines("majors.ini"), QStringList{"I rok Fizyka"});
    EXPECT_EQ(f8().ImieNazwisko_Label->text(), "Jan Kowalski");
    EXPECT_FALSE(f7().ModyfikacjaWpisow_Imag->isHidden());

    // A name that no item equals: nothing deleted, the list not rewritten.
    full().users->Operacja_Otwierania_Uzytkownika("Kowalski");
    const QStringList before = lines("users.ini");
    f7().NazwaUsera_ComboBox->setEditText("Kowal");
    answers = {tallox::MessageAnswer::Yes};
    users().DeleteUser_UsersButtonClick();
    EXPECT_EQ(lines("users.ini"), before);
    EXPECT_EQ(f7().NazwaUsera_ComboBox->count(), 1);

    messages.clear();
    f7().NazwaUsera_ComboBox->setEditText("Kowalski");
    answers = {tallox::MessageAnswer::Yes};
    users().DeleteUser_UsersButtonClick();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2].text, "Czy jesteś pewien, że chesz usunąć wpisy o użytkowniku ? ");
    EXPECT_EQ(lines("users.ini"), QStringList{});
    EXPECT_EQ(f7().NazwaUsera_ComboBox->currentText(), "");
    EXPECT_EQ(f7().ImieNazwisko_Edit->text(), "");
    EXPECT_FALSE(f7().ModyfikujWpisy_UsersButton->isEnabled());
    EXPECT_FALSE(f7().DeleteUser_UsersButton->isEnabled());
    EXPECT_TRUE(QFile::exists(folder() + "/Kowalski/Kowalski.ini"));
    EXPECT_FALSE(full().action("OpenUsers_Menu")->isEnabled());

    // Modifying a user without a folder writes nothing.
    messages.clear();
    f7().NazwaUsera_ComboBox->setEditText("..");
    users().Modyfikacja_Wpisow_Uzytkownikow();
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_FALSE(QFile::exists(folder() + "/../...ini"));
}

TEST_F(UsersTest, OpeningAUserFillsTheMenusAndPointsTheDialogs)
{
    QStringList twelve;
    for (int i = 1; i <= 12; ++i)
        twelve << QStringLiteral("U%1").arg(i, 2, 10, QChar(u'0'));
    twelve.insert(3, "  ");
    writeFile("users.ini", crlf(twelve));
    QDir(folder()).mkdir("Nowak");
    writeFile("Nowak/Nowak_data.ini", crlf({"/tmp/a.tlx", "", "/tmp/b.tlx"}));
    full();
    EXPECT_TRUE(shownItems("ListaUsers_PopUp").isEmpty());
    EXPECT_FALSE(full().action("OpenUsers_ToolButton")->isEnabled());

    QAction* u2 = full().action("ListaUsers_PopUp_N2");
    u2->setText("Nowak");  // as if the list named him there
    u2->trigger();
    EXPECT_EQ(full().StatusBar1->panelText(1), "Nowak");
    EXPECT_EQ(full().StatusBar1->panelText(2), QDir::toNativeSeparators(folder() + "/Nowak"));
    EXPECT_EQ(lines("users.ini").mid(0, 5), (QStringList{"Nowak", "U01", "U02", "U03", "  "}));
    const QStringList menu = shownItems("ListaUsers_PopUp");
    EXPECT_EQ(menu.size(), 9);
    EXPECT_EQ(menu.first(), "Nowak");
    EXPECT_FALSE(menu.contains("  "));
    EXPECT_TRUE(full().action("OpenUsers_ToolButton")->isEnabled());
    EXPECT_EQ(shownItems("ListaUsersData_PopUp"), (QStringList{"/tmp/a.tlx", "", "/tmp/b.tlx"}));
    EXPECT_TRUE(shownItems("ListaUsersAnalysis_PopUp").isEmpty());
    // The analysis dialogs start in his folder, the data dialogs too.
    fileAnswers = {{}, {}};
    full().analysisSets->Ladowanie_Analiz();
    full().dataFiles->Ladowanie_Danych();
    EXPECT_EQ(fileRequests[0].initialFolder, folder() + "/Nowak");
    EXPECT_EQ(fileRequests[1].initialFolder, folder() + "/Nowak");

    // The open-user dialog marks the open user.
    users().fillOpenUserDialog();
    QComboBox* names = f8().OpenUsersNames_ComboBox;
    names->setCurrentIndex(names->findText("Nowak"));
    users().OpenUsersNames_ComboBoxChange();
    EXPECT_FALSE(f8().FolderUsera_Image->isHidden());
    names->setCurrentIndex(names->findText("U05"));
    users().OpenUsersNames_ComboBoxChange();
    EXPECT_TRUE(f8().FolderUsera_Image->isHidden());
    EXPECT_EQ(f8().UserDir_Label->text(), QDir::toNativeSeparators(folder() + "/U05"));
    users().OpenUser_OpenUsersButtonClick();
    EXPECT_EQ(full().StatusBar1->panelText(1), "U05");
}

TEST_F(UsersTest, ANewHomeFolderRewritesTheSettingsFileWithOneLine)
{
    writeFile("tallox2.ini", crlf({folder(), "stare", "linie"}));
    QDir(folder()).mkdir("dom");
    users().changeHomeFolder(folder() + "/dom");
    const QString shown = QDir::toNativeSeparators(folder() + "/dom");
    EXPECT_EQ(lines("tallox2.ini"), QStringList{shown});
    EXPECT_EQ(full().UsersHomeFolder, folder() + "/dom");
    EXPECT_EQ(f7().UserDir_Label->text(), shown);
    EXPECT_EQ(full().Form6->PathHomeUsers_Label->text(), shown);
    add("Kowalski");
    EXPECT_TRUE(QFileInfo(folder() + "/dom/Kowalski").isDir());
}

TEST_F(UsersTest, EditionsOfferOrHideTheRegistry)
{
    for (Edition edition : {Edition::Home, Edition::Full}) {
        SCOPED_TRACE(int(edition));
        const bool full = edition == Edition::Full;
        TForm1 window(edition);
        for (const char* name : {"UserID_MainMenu", "LoadAnalizy_MainMenu", "SaveAnalizy_MainMenu",
                                 "OpenUsers_ToolButton", "LoadProjects_ToolButton", "Ustawienia1"})
            EXPECT_EQ(window.action(QLatin1String(name))->isVisible(), full) << name;
        EXPECT_FALSE(window.action("NoweAnalizy_MainMenu")->isEnabled());
        EXPECT_EQ(window.windowTitle().endsWith("  Home Edition"), !full);
        auto* save = window.findChild<QPushButton*>("ZachowajAnalizy_Button");
        EXPECT_EQ(!save->isHidden() && save->isEnabled(), full);
        EXPECT_FALSE(window.findChild<QPushButton*>("NewProject_Button")->isEnabled());
        auto* pages = window.findChild<QWidget*>("settingsPages");
        EXPECT_EQ(!pages->isHidden(), full);
    }
}

} // namespace
