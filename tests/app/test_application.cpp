// The application object: a failure inside a handler is reported and the program goes on.
#include "app/TalloxApplication.h"
#include "support/fixture.h"

#include <QPushButton>
#include <QTest>
#include <clocale>
#include <cstdio>
#include <stdexcept>

namespace {

using ApplicationTest = WindowTest;

TEST_F(ApplicationTest, AnExceptionInAHandlerIsShownAndTheProgramGoesOn)
{
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        if (++clicks == 1)
            throw std::runtime_error("Nie udało się");
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Tallox"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Nie udało się"));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ApplicationTest, NumbersInTheCLibraryStayLocaleFree)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", 1.5);
    EXPECT_STREQ(text, "1.50");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

} // namespace
