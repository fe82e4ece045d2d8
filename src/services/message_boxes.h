#pragma once

// The one way the program shows a message box. Commands take a MessageBoxes and call show();
// the program passes DialogMessageBoxes, tests a double that scripts the answers.
//
//     messages.show(QStringLiteral("All boxes must contain data."));        // OK, no icon
//     auto answer = messages.show(question, MessageButtons::YesNoCancel,
//                                 MessageIcon::Question);                    // Yes is default

#include <QString>

#include <optional>

namespace obrix::services {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Question, Information, Warning, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The program's title, the caption of every message box.
inline const QString kMessageCaption = QStringLiteral("Obrix");

// What a box shows.
struct Message {
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    // The button that Enter presses; when empty, the first button (OK or Yes).
    std::optional<MessageAnswer> defaultButton;
    QString caption = kMessageCaption;
};

// The answer a box gives when closed without a button (Escape or the close box): Cancel when it
// has one, else No for Yes/No, else OK.
MessageAnswer escapeAnswer(MessageButtons buttons);
// The button pressed by Enter when the message names none.
MessageAnswer firstButton(MessageButtons buttons);

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Shows the message modally and returns the button pressed.
    virtual MessageAnswer present(const Message& message) = 0;

    // Defaults: an OK button, no icon, the first button as default, caption "Obrix".
    MessageAnswer show(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                       MessageIcon icon = MessageIcon::None,
                       std::optional<MessageAnswer> defaultButton = std::nullopt,
                       const QString& caption = kMessageCaption);

protected:
    MessageBoxes() = default;
    MessageBoxes(const MessageBoxes&) = default;
    MessageBoxes& operator=(const MessageBoxes&) = default;
};

// QMessageBox over the active window. On the offscreen platform, where nobody can click, it stops
// the process with the message instead of waiting forever.
class DialogMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer present(const Message& message) override;
};

} // namespace obrix::services
