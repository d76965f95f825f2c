#pragma once
// Every message box, confirmation and information box of the program goes through showMessage,
// so that tests can record what a user would have been told, in order, and answer questions.
#include <QString>
#include <functional>

namespace tallox {

enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    MessageIcon icon = MessageIcon::None;
    QString caption;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
};

MessageAnswer showMessage(const Message& message);

using MessageHandler = std::function<MessageAnswer(const Message&)>;
// Replaces the real boxes (tests); an empty handler brings the real boxes back.
void setMessageHandler(MessageHandler handler);

// One user command (a click, a key, a menu item, a button's handler): while it runs, a box identical
// in caption and text to one already shown during it is not shown again; a question repeated in it
// gets the first answer. Commands nest: an inner one is part of the outer command. The program
// opens one for every user input event (TalloxApplication) and handlers that a caller may run
// without an event (tests, other handlers) open one themselves.
class MessageCommand {
public:
    MessageCommand();
    ~MessageCommand();
    MessageCommand(const MessageCommand&) = delete;
    MessageCommand& operator=(const MessageCommand&) = delete;
};

// A modal dialog's session: the commands given inside it are commands of their own, not part of
// the command that opened the dialog (a second wrong entry in a dialog is told again).
class MessageCommandBoundary {
public:
    MessageCommandBoundary();
    ~MessageCommandBoundary();
    MessageCommandBoundary(const MessageCommandBoundary&) = delete;
    MessageCommandBoundary& operator=(const MessageCommandBoundary&) = delete;
};

// The standard captions of boxes known only by their icon, in Polish like every other word.
inline const QString kWarningCaption = QStringLiteral("Ostrzeżenie");
inline const QString kInformationCaption = QStringLiteral("Informacja");
inline const QString kConfirmCaption = QStringLiteral("Potwierdzenie");

} // namespace tallox
