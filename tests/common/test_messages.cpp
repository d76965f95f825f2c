// One box per message per user command: a box identical in caption and text to one already shown
// during the command is not shown again; other boxes, other commands and dialogs' own commands are.
#include "common/Dialogs.h"
#include "support/seams.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

namespace {

using tallox::MessageAnswer;
using tallox::MessageCommand;

class MessagesTest : public SeamsTest {
protected:
    void say(const QString& caption, const QString& text)
    {
        tallox::showMessage({tallox::MessageIcon::Warning, caption, text, tallox::MessageButtons::Ok});
    }
};

TEST_F(MessagesTest, RepeatsWithinOneCommandAreShownOnce)
{
    {
        const MessageCommand command;
        say("Uwaga", "zero w wierszu 3");
        say("Uwaga", "zero w wierszu 3");
        say("Uwaga", "zero w wierszu 4");   // another text
        say("Błąd", "zero w wierszu 3");    // another caption
        {
            const MessageCommand inner;     // part of the same command
            say("Uwaga", "zero w wierszu 4");
        }
        say("Uwaga", "zero w wierszu 4");
    }
    EXPECT_EQ(boxes(), (std::vector<QString>{"Uwaga|zero w wierszu 3", "Uwaga|zero w wierszu 4",
                                             "Błąd|zero w wierszu 3"}));
    // The next command, and code outside any command, show it again.
    {
        const MessageCommand next;
        say("Uwaga", "zero w wierszu 3");
    }
    say("Uwaga", "zero w wierszu 3");
    say("Uwaga", "zero w wierszu 3");
    EXPECT_EQ(boxes().size(), 6u);
}

TEST_F(MessagesTest, ARepeatedQuestionGetsTheFirstAnswer)
{
    answers = {MessageAnswer::No};
    const MessageCommand command;
    const tallox::Message question{tallox::MessageIcon::Question, "Potwierdzenie", "Zastąpić?",
                                   tallox::MessageButtons::YesNo};
    EXPECT_EQ(tallox::showMessage(question), MessageAnswer::No);
    EXPECT_EQ(tallox::showMessage(question), MessageAnswer::No);  // no second answer was queued
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(MessagesTest, UserInputOpensACommandAndADialogsClicksAreCommandsOfTheirOwn)
{
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        say("Uwaga", "pusta kolumna");
        say("Uwaga", "pusta kolumna");
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(boxes().size(), 2u);  // once per click

    // A modal dialog opened by a command: each OK in it with a wrong entry is told again.
    QDialog dialog;
    QPushButton ok(&dialog);
    QObject::connect(&ok, &QPushButton::clicked, [&] { say("Błąd", "zła liczba"); });
    onModal = [&](QDialog&) {
        QTest::mouseClick(&ok, Qt::LeftButton);
        QTest::mouseClick(&ok, Qt::LeftButton);
        return 0;
    };
    {
        const MessageCommand opening;
        say("Błąd", "zła liczba");
        tallox::execModal(dialog);
        say("Błąd", "zła liczba");  // still the opening command, which has shown it
    }
    EXPECT_EQ(boxes().size(), 5u);
}

} // namespace
