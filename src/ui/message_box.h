#pragma once

// The one way the program shows a message box. Every message goes through MessageBoxes::show so
// that tests can script the answers: a MessageBoxScript replaces the real dialog with a queue of
// answers and a record of what was shown, and aborts loudly on a box it has no answer for, so a
// test never waits on a dialog nobody will click.
//
//     MessageBoxes::show(QStringLiteral("All boxes must contain data."));     // OK, no icon
//     auto answer = MessageBoxes::show(question, MessageButtons::YesNoCancel,
//                                      MessageIcon::Question);                // Yes is default
//
// In a test:
//     MessageBoxScript script;
//     script.answerNext(MessageAnswer::Cancel);
//     window.close();
//     QCOMPARE(script.shown().size(), 1);
//     QCOMPARE(script.shown()[0].icon, MessageIcon::Question);

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

namespace obrix::ui {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Question, Information, Warning, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The program's title, the caption of every message box.
inline const QString kMessageCaption = QStringLiteral("Obrix");

// What a box shows; kept by MessageBoxScript as the record of shown boxes.
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
    using Presenter = std::function<MessageAnswer(const Message&)>;

    // Shows the message modally over the active window and returns the button pressed.
    // Defaults: an OK button, no icon, the first button as default, caption "Obrix".
    static MessageAnswer show(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                              MessageIcon icon = MessageIcon::None,
                              std::optional<MessageAnswer> defaultButton = std::nullopt,
                              const QString& caption = kMessageCaption);
    static MessageAnswer show(const Message& message);

    // Replaces the presenter (empty: the real dialog). Returns the previous one.
    static Presenter setPresenter(Presenter presenter);

private:
    static MessageAnswer showDialog(const Message& message);
};

// Test double: while it lives, every message box is recorded and answered from its queue.
// A box with nothing queued aborts the process with the box's text (qFatal), so the failing
// test is loud and names the unexpected message. Not copyable; nest-safe (restores the
// previous presenter).
class MessageBoxScript {
public:
    MessageBoxScript();
    ~MessageBoxScript();
    MessageBoxScript(const MessageBoxScript&) = delete;
    MessageBoxScript& operator=(const MessageBoxScript&) = delete;

    // Queues the answer for the next box shown.
    void answerNext(MessageAnswer answer) { answers_.push_back(answer); }
    // Answers every further box with its first button (OK/Yes) without queueing.
    void answerAllWithFirstButton(bool on = true) { answerAll_ = on; }

    const QList<Message>& shown() const { return shown_; }
    qsizetype pendingAnswers() const { return static_cast<qsizetype>(answers_.size()); }
    void clear() {
        shown_.clear();
        answers_.clear();
    }

private:
    MessageAnswer answer(const Message& message);

    std::deque<MessageAnswer> answers_;
    QList<Message> shown_;
    bool answerAll_ = false;
    MessageBoxes::Presenter previous_;
};

} // namespace obrix::ui
