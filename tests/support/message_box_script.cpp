#include "message_box_script.h"

namespace obrix::testing {

services::MessageAnswer MessageBoxScript::present(const services::Message& message) {
    shown_.append(message);
    if (!answers_.empty()) {
        const services::MessageAnswer next = answers_.front();
        answers_.pop_front();
        return next;
    }
    if (answerAll_)
        return services::firstButton(message.buttons);
    qFatal("Message box without a scripted answer \"%s\": %s", qUtf8Printable(message.caption),
           qUtf8Printable(message.text));
}

QStringList MessageBoxScript::shownTexts() const {
    QStringList texts;
    for (const services::Message& message : shown_)
        texts.append(message.text);
    return texts;
}

} // namespace obrix::testing
