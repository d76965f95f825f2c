#pragma once
// Window tests: a fresh temporary current folder, recording handlers for every message box and
// dialog, and a main window built on demand — so a test reads like what a user does and sees.
#include "app/Edition.h"
#include "common/Dialogs.h"
#include "common/Messages.h"

#include <QLocale>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class QWidget;
class TForm1;

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The main window, created in the temporary folder on first use.
    TForm1& form(Edition edition = Edition::Home);
    // The folder the program runs in; files put here before form() are seen at start-up.
    QString folder() const { return dir_.path(); }
    void writeFile(const QString& name, const QByteArray& bytes) const;

    // Finds a control of the program by its name (an action, a widget, a form).
    template <typename T> T* find(const QString& name) const;

    // Every box shown so far, as "caption|text".
    std::vector<QString> boxes() const;
    // Answers for Yes/No questions, used in order; a question with no answer queued fails.
    std::deque<tallox::MessageAnswer> answers;
    std::vector<tallox::Message> messages;

    std::deque<tallox::FileDialogAnswer> fileAnswers;
    std::vector<tallox::FileDialogRequest> fileRequests;

    // Modal forms shown (object names), and what they return.
    std::vector<QString> modalShown;
    std::function<int(QDialog&)> onModal;

    std::vector<QString> opened;  // targets of the shell's "open"

    // Keyboard: sends the text as typed keys to the widget that has the focus (or to target).
    void typeText(QWidget* target, const QString& text);
    void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

private:
    QTemporaryDir dir_;
    QString oldFolder_;
    QLocale oldLocale_;
    std::unique_ptr<TForm1> form_;
};

template <typename T> T* WindowTest::find(const QString& name) const
{
    T* found = nullptr;
    if (form_)
        found = form_->template findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
    return found;
}

#include "app/TForm1.h"
