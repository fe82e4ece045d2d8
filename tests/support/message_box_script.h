#pragma once

// Message boxes answered from a queue, with a record of what was shown. A box with nothing queued
// aborts the process with the box's text (qFatal), so the failing test is loud and names the
// unexpected message instead of waiting on a dialog nobody will click.
//
//     MessageBoxScript script;
//     script.answerNext(MessageAnswer::Cancel);
//     window.close();
//     QCOMPARE(script.shown().size(), 1);
//     QCOMPARE(script.shown()[0].icon, MessageIcon::Question);

#include "services/message_boxes.h"

#include <QList>
#include <QStringList>

#include <deque>

namespace obrix::testing {

class MessageBoxScript final : public services::MessageBoxes {
public:
    MessageBoxScript() = default;
    MessageBoxScript(const MessageBoxScript&) = delete;
    MessageBoxScript& operator=(const MessageBoxScript&) = delete;

    services::MessageAnswer present(const services::Message& message) override;

    // Queues the answer for the next box shown.
    void answerNext(services::MessageAnswer answer) { answers_.push_back(answer); }
    // Answers every further box with its first button (OK/Yes) without queueing.
    void answerAllWithFirstButton(bool on = true) { answerAll_ = on; }

    const QList<services::Message>& shown() const { return shown_; }
    // The texts of the boxes shown, in order.
    QStringList shownTexts() const;
    qsizetype pendingAnswers() const { return static_cast<qsizetype>(answers_.size()); }
    void clear() {
        shown_.clear();
        answers_.clear();
    }

private:
    std::deque<services::MessageAnswer> answers_;
    QList<services::Message> shown_;
    bool answerAll_ = false;
};

} // namespace obrix::testing
