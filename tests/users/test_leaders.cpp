// Leaders and exercises: the pickers filled from their list files, the leader dialog's
// commands, the exercise description of the full edition.
#include "figures/ExercisePanel.h"
#include "figures/FiguresPage.h"
#include "common/TextFile.h"
#include "support/fixture.h"
#include "users/Leaders.h"

#include <QComboBox>
#include <QLabel>
#include <QDateEdit>
#include <QFile>
#include <QPushButton>

namespace {

using tallox::MessageAnswer;

class LeadersTest : public WindowTest {
protected:
    TForm9& f9() { return *form(Edition::Full).Form9; }
    QComboBox* leaderPicker() { return form(Edition::Full).Wykresy_TabSheet->exercisePanel().Prowadzacy_ComboBox; }
    QStringList items(QComboBox* picker)
    {
        QStringList texts;
        for (int i = 0; i < picker->count(); ++i)
            texts << picker->itemText(i);
        return texts;
    }
};

TEST_F(LeadersTest, PickersAreFilledOnceAtStartWithEveryLine)
{
    writeFile("liders.ini", "Nowak\r\n\r\nKowalska\r\n");
    writeFile("classes.ini", "Wahadło - 1\r\nSprężyna - 2\r\n");
    TForm1& f = form(Edition::Full);
    tallox::ExercisePanel& exercise = f.Wykresy_TabSheet->exercisePanel();
    EXPECT_EQ(items(exercise.Prowadzacy_ComboBox), (QStringList{"Nowak", "", "Kowalska"}));
    f.leaders->Operacja_Classes();
    EXPECT_EQ(items(exercise.NazwaCwiczenia_ComboBox),
              (QStringList{"Wahadło - 1", "Sprężyna - 2", "Wahadło - 1", "Sprężyna - 2"}));
    EXPECT_EQ(exercise.StartData_DateTimePicker->date(), QDate(2004, 11, 30));
    EXPECT_EQ(exercise.Ocena_ComboBox->currentText(), "prawidłowo");
    // Disabled until a figure exists.
    EXPECT_FALSE(exercise.Prowadzacy_ComboBox->isEnabled());
    QFile::remove(folder() + "/classes.ini");
    f.leaders->Operacja_Classes();
    EXPECT_EQ(exercise.NazwaCwiczenia_ComboBox->count(), 4);
}

TEST_F(LeadersTest, SettingsButtonsEnableOneCommandAndTheCommandsKeepTheFiles)
{
    TForm1& f = form(Edition::Full);
    const std::tuple<void (tallox::users::LeaderRegistry::*)(), bool, bool, bool> buttons[] = {
        {&tallox::users::LeaderRegistry::BitBtn15Click, true, false, false},
        {&tallox::users::LeaderRegistry::BitBtn16Click, false, true, false},
        {&tallox::users::LeaderRegistry::BitBtn17Click, false, false, true}};
    for (const auto& [click, add, modify, remove] : buttons) {
        (f.leaders->*click)();
        EXPECT_EQ(f9().DodajLidera_LiderButton->isEnabled(), add);
        EXPECT_EQ(f9().ModyfikujWpisy_LiderButton->isEnabled(), modify);
        EXPECT_EQ(f9().UsunLidera_LiderButton->isEnabled(), remove);
    }
    f9().hide();

    auto fields = [&](const QString& name, const QString& room) {
        f9().ComboBox1->setEditText(name);
        f9().ComboBox2->setEditText("Anna " + name);
        f9().ComboBox3->setEditText(room);
        f9().ComboBox4->setEditText("anna@example.edu.pl");
        f9().ComboBox5->setEditText("123");
    };
    fields("Nowak", "Z1 / 12");
    f.leaders->addLeader();
    fields("Kowalska", "Z2 / 7");
    f.leaders->addLeader();
    EXPECT_EQ(tallox::readTextLines(folder() + "/liders.ini"), (QStringList{"Kowalska", "Nowak"}));
    EXPECT_EQ(tallox::readTextLines(folder() + "/liders/Nowak.ini"),
              (QStringList{"Nowak", "Anna Nowak", "Z1 / 12", "anna@example.edu.pl", "123"}));
    EXPECT_EQ(items(leaderPicker()), (QStringList{"Kowalska", "Nowak"}));

    messages.clear();
    for (const char* refused : {"Nowak", "  ", "../x"})
        fields(refused, ""), f.leaders->addLeader();
    EXPECT_EQ(messages.size(), 6u);
    EXPECT_EQ(messages[0].text, "Lider o podanej nazwie już istnieje !");
    EXPECT_FALSE(QFile::exists(folder() + "/x.ini"));

    fields("Nowak", "Z9 / 1");
    f.leaders->modifyLeader();
    EXPECT_EQ(tallox::readTextLines(folder() + "/liders/Nowak.ini").at(2), "Z9 / 1");
    EXPECT_EQ(tallox::readTextLines(folder() + "/liders.ini").first(), "Nowak");
    f9().ComboBox3->setEditText("");
    f.leaders->showLeader("Nowak");
    EXPECT_EQ(f9().ComboBox3->currentText(), "Z9 / 1");

    f9().ComboBox1->setEditText("Nowak");
    answers = {MessageAnswer::No, MessageAnswer::Yes};
    f.leaders->deleteLeader();
    EXPECT_EQ(items(leaderPicker()).size(), 2);
    f9().ComboBox1->setEditText("Nowak");
    f.leaders->deleteLeader();
    EXPECT_EQ(items(leaderPicker()), QStringList{"Kowalska"});
    EXPECT_EQ(tallox::readTextLines(folder() + "/liders.ini"), QStringList{"Kowalska"});

    f9().Label16->linkActivated(QString());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].startsWith("https://"));
}

} // namespace
