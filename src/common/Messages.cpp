#include "common/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace tallox {
namespace {
MessageHandler& handler()
{
    static MessageHandler h;
    return h;
}

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void setMessageHandler(MessageHandler h) { handler() = std::move(h); }

MessageAnswer showMessage(const Message& message)
{
    if (handler())
        return handler()(message);

    QMessageBox box(toQt(message.icon), message.caption, message.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (message.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (message.buttons == MessageButtons::YesNo)
        return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    return MessageAnswer::Ok;
}

} // namespace tallox
