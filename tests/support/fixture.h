#pragma once
// Window tests over the whole program: the seams of SeamsTest and a main window built on demand
// in the test's folder, so a test reads like what a user does and sees.
#include "app/Edition.h"
#include "support/seams.h"

#include <memory>

class TForm1;

class WindowTest : public SeamsTest {
protected:
    void TearDown() override;

    // The main window, created in the temporary folder on first use; files put into folder()
    // before are seen at start-up.
    TForm1& form(Edition edition = Edition::Home);

    // Finds a control of the program by its name (an action, a widget, a form).
    template <typename T> T* find(const QString& name) const;

private:
    std::unique_ptr<TForm1> form_;
};

#include "app/TForm1.h"

template <typename T> T* WindowTest::find(const QString& name) const
{
    T* found = nullptr;
    if (form_)
        found = form_->template findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
    return found;
}
