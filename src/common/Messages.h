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

// The platform's standard captions for boxes known only by their icon.
inline const QString kWarningCaption = QStringLiteral("Warning");
inline const QString kInformationCaption = QStringLiteral("Information");
inline const QString kConfirmCaption = QStringLiteral("Confirm");

} // namespace tallox
