#include "common/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <map>
#include <utility>
#include <vector>

namespace tallox {
namespace {
MessageHandler& handler()
{
    static MessageHandler h;
    return h;
}

// The open commands, innermost last. A boundary entry (a modal dialog's session) holds no boxes
// and makes the next command a new one.
struct CommandFrame {
    bool boundary = false;
    int depth = 0;
    std::map<std::pair<QString, QString>, MessageAnswer> shown;
};

std::vector<CommandFrame>& frames()
{
    static std::vector<CommandFrame> stack;
    return stack;
}

CommandFrame* openCommand()
{
    auto& stack = frames();
    if (stack.empty() || stack.back().boundary)
        return nullptr;
    return &stack.back();
}

MessageAnswer present(const Message& message);

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

MessageCommand::MessageCommand()
{
    auto& stack = frames();
    if (stack.empty() || stack.back().boundary)
        stack.push_back({});
    ++stack.back().depth;
}

MessageCommand::~MessageCommand()
{
    auto& stack = frames();
    if (!stack.empty() && !stack.back().boundary && --stack.back().depth == 0)
        stack.pop_back();
}

MessageCommandBoundary::MessageCommandBoundary() { frames().push_back({true, 0, {}}); }

MessageCommandBoundary::~MessageCommandBoundary()
{
    auto& stack = frames();
    // Commands opened inside the dialog have all closed by the time it returns.
    while (!stack.empty() && !stack.back().boundary)
        stack.pop_back();
    if (!stack.empty())
        stack.pop_back();
}

MessageAnswer showMessage(const Message& message)
{
    CommandFrame* command = openCommand();
    if (!command)
        return present(message);
    const std::pair<QString, QString> key{message.caption, message.text};
    if (auto it = command->shown.find(key); it != command->shown.end())
        return it->second;
    // Recorded before the box shows: the box's own event loop may run the same command's code.
    command->shown.emplace(key, MessageAnswer::Ok);
    const MessageAnswer answer = present(message);
    if (CommandFrame* still = openCommand())
        still->shown[key] = answer;
    return answer;
}

namespace {
MessageAnswer present(const Message& message)
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

} // namespace

} // namespace tallox
