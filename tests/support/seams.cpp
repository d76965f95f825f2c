#include "support/seams.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTest>

using namespace tallox;

void SeamsTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    oldFolder_ = QDir::currentPath();
    oldLocale_ = QLocale();
    // Polish settings, as on the laboratory's computers: decimal commas.
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QDir::setCurrent(dir_.path());

    setMessageHandler([this](const Message& m) {
        messages.push_back(m);
        if (m.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << m.text.toStdString();
            return MessageAnswer::No;
        }
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    });
    setFileDialogHandler([this](const FileDialogRequest& r) {
        fileRequests.push_back(r);
        if (fileAnswers.empty())
            return FileDialogAnswer{};
        const FileDialogAnswer a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    });
    setModalHandler([this](QDialog& d) {
        modalShown.push_back(d.objectName());
        return onModal ? onModal(d) : int(QDialog::Rejected);
    });
    setExternalOpenHandler([this](const QString& target) { opened.push_back(target); });
    setPrintDialogHandler([](QPrinter&) { return false; });
    setPrinterSetupHandler([](QPrinter&) { return false; });
    setFontDialogHandler([](const QFont&) { return std::optional<QFont>(); });
}

void SeamsTest::TearDown()
{
    setMessageHandler({});
    setFileDialogHandler({});
    setModalHandler({});
    setExternalOpenHandler({});
    setPrintDialogHandler({});
    setPrinterSetupHandler({});
    setFontDialogHandler({});
    QDir::setCurrent(oldFolder_);
    QLocale::setDefault(oldLocale_);
}

void SeamsTest::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(dir_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::vector<QString> SeamsTest::boxes() const
{
    std::vector<QString> out;
    for (const Message& m : messages)
        out.push_back(m.caption + u'|' + m.text);
    return out;
}

void SeamsTest::typeText(QWidget* target, const QString& text)
{
    for (const QChar ch : text) {
        QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : target;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(to, &press);
        QApplication::sendEvent(to, &release);
    }
}

void SeamsTest::pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : target;
    QTest::keyClick(to, Qt::Key(key), modifiers);
    // An editor commits its text through a queued call.
    QCoreApplication::processEvents();
}
