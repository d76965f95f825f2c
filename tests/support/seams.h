#pragma once
// Tests of windows and pages: a fresh temporary current folder, Polish settings, and recording
// handlers for every message box, dialog and the shell's "open".
#include "common/Dialogs.h"
#include "common/Messages.h"

#include <QLocale>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

class QDialog;
class QWidget;

class SeamsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The folder the test runs in.
    QString folder() const { return dir_.path(); }
    void writeFile(const QString& name, const QByteArray& bytes) const;

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
    // A key press and release, then the queued work it starts (an editor commits that way).
    void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

private:
    QTemporaryDir dir_;
    QString oldFolder_;
    QLocale oldLocale_;
};
