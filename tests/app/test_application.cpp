// The application object: a failure inside a handler is reported and the program goes on.
#include "app/TalloxApplication.h"
#include "support/fixture.h"

#include <QCoreApplication>
#include <QEvent>
#include <clocale>
#include <cstdio>
#include <stdexcept>

namespace {

using ApplicationTest = WindowTest;

// A handler that fails the first time it runs.
class FailingOnce : public QObject {
public:
    int runs = 0;

protected:
    void customEvent(QEvent*) override
    {
        if (++runs == 1)
            throw std::runtime_error("Nie udało się");
    }
};

TEST_F(ApplicationTest, AnExceptionInAHandlerIsShownAndTheProgramGoesOn)
{
    FailingOnce handler;
    QEvent first(QEvent::User), second(QEvent::User);
    QCoreApplication::sendEvent(&handler, &first);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Tallox"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Nie udało się"));
    EXPECT_EQ(messages[0].icon, tallox::MessageIcon::Critical);
    QCoreApplication::sendEvent(&handler, &second);
    EXPECT_EQ(handler.runs, 2);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(ApplicationTest, NumbersInTheCLibraryStayLocaleFree)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", 1.5);
    EXPECT_STREQ(text, "1.50");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

} // namespace
