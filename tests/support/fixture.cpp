#include "support/fixture.h"

void WindowTest::TearDown()
{
    form_.reset();
    SeamsTest::TearDown();
}

TForm1& WindowTest::form(Edition edition)
{
    if (!form_)
        form_ = std::make_unique<TForm1>(edition);
    return *form_;
}
