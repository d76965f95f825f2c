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

// The standard captions of boxes known only by their icon, in Polish like every other word.
inline const QString kWarningCaption = QStringLiteral("Ostrzeżenie");
inline const QString kInformationCaption = QStringLiteral("Informacja");
inline const QString kConfirmCaption = QStringLiteral("Potwierdzenie");

} // namespace tallox
